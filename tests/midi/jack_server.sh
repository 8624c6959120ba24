#!/usr/bin/env bash
# Starts or stops the private JACK server of a test run, in dummy mode (no
# sound hardware needed):
#   jack_server.sh start STATE_DIR    jack_server.sh stop STATE_DIR
# The server's name comes from JACK_DEFAULT_SERVER, which the tests share.
#   jack_server.sh metadata-off       jack_server.sh metadata-on
# keep every JACK client of the test run, with a server or without, off the
# metadata database (see below), and let it be made again.
set -euo pipefail

action=${1:?start, stop, metadata-off or metadata-on}

# The metadata database that every JACK client and server of this user opens
# at start, in /dev/shm/jack_db-<uid>. A server that quits deletes it under
# the others' feet, and a client that creates it meanwhile can leave a
# half-made one: every client opened afterwards then waits some 18 s to join
# it, and goes on without. Nothing here uses metadata, so while the tests
# run, a plain file stands where its folder would be: then every client and
# server gives up on it at once ("Not a directory").
metadata_db=/dev/shm/jack_db-$(id -u)

no_server_of_this_user() {
    ! pgrep -u "$(id -u)" -x jackd >/dev/null
}

metadata_off() {
    [ -f "$metadata_db" ] && return 0
    # A server of this user that runs already (the desktop's) may be using a
    # sound database; a half-made one, with an empty first region file, is of
    # use to nobody.
    if no_server_of_this_user || { [ -f "$metadata_db/__db.001" ] && [ ! -s "$metadata_db/__db.001" ]; }; then
        rm -rf "$metadata_db"
        : >"$metadata_db"
    fi
}

case $action in
metadata-off)
    metadata_off
    exit 0
    ;;
metadata-on)
    if [ -f "$metadata_db" ]; then rm -f "$metadata_db"; fi
    exit 0
    ;;
esac

state=${2:?state directory}
pidfile=$state/jackd.pid
: "${JACK_DEFAULT_SERVER:?the server name}"

stop_server() {
    [ -f "$pidfile" ] || return 0
    local pid
    pid=$(cat "$pidfile")
    if kill -0 "$pid" 2>/dev/null; then
        kill "$pid"
        # A slow machine may need a while to let every client go; a server
        # killed while it cleans up leaves its files behind.
        for _ in $(seq 200); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -0 "$pid" 2>/dev/null && kill -9 "$pid"
    fi
    rm -f "$pidfile"
    # What a server that went away unclean leaves of itself: its sockets and
    # semaphores, named after it.
    rm -f /dev/shm/jack_"$JACK_DEFAULT_SERVER"_* /dev/shm/jack_sem."$(id -u)"_"$JACK_DEFAULT_SERVER"_*
}

# A test that starts a server of its own (named vektor-private-<its pid>) and
# is killed, say by the test runner's time-out, leaves that server running.
stop_orphaned_private_servers() {
    local pid name
    for pid in $(pgrep -u "$(id -u)" -x jackd); do
        # Other test runs start and stop servers meanwhile: one listed may
        # have quit by now.
        name=$({ tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | sed -n 's/^JACK_DEFAULT_SERVER=//p') || continue
        case $name in
        vektor-private-*)
            kill -0 "${name#vektor-private-}" 2>/dev/null || kill "$pid" 2>/dev/null || true
            ;;
        esac
    done
}

# Up to 20 s for the server to answer; false at once if it has quit.
server_comes_up() {
    local pid=$1
    for _ in $(seq 200); do
        kill -0 "$pid" 2>/dev/null || return 1
        [ "$(jack_wait --check 2>/dev/null)" = running ] && return 0
        sleep 0.1
    done
    return 1
}

case $action in
start)
    if ! command -v jack_wait >/dev/null; then
        echo "jack_wait is missing: it comes with jackd2 on Debian 12, with jack-example-tools on Debian 13" >&2
        exit 1
    fi
    mkdir -p "$state"
    stop_server # a server left over from an interrupted run
    stop_orphaned_private_servers
    metadata_off # for a server started on its own, as the benchmarks do
    # Real-time scheduling where the machine allows it; without the right to
    # it, the server runs as a plain process. Synchronous mode (-S): a period
    # ends only when every client has finished it, so a client that a busy
    # machine holds up delays the MIDI events instead of losing them (in the
    # default mode a late client's events of that period are gone). Few ports
    # (--port-max) keep the server's shared memory small: /dev/shm is often
    # small in containers, and a test runs two servers at once.
    for scheduling in --realtime --no-realtime; do
        # Detached, with its output in a file: the test runner waits for every
        # process that still holds its pipes.
        JACK_NO_AUDIO_RESERVATION=1 setsid jackd "$scheduling" -S --port-max 64 -d dummy -r 48000 -p 256 \
            </dev/null >"$state/jackd.log" 2>&1 &
        echo $! >"$pidfile"
        if server_comes_up "$(cat "$pidfile")"; then
            echo "JACK server $JACK_DEFAULT_SERVER is running ($scheduling)"
            exit 0
        fi
        echo "JACK server $JACK_DEFAULT_SERVER did not start with $scheduling:" >&2
        cat "$state/jackd.log" >&2
        stop_server
    done
    exit 1
    ;;
stop)
    stop_server
    stop_orphaned_private_servers
    # Late periods hold MIDI events up: worth knowing when a MIDI test failed.
    echo "JACK server $JACK_DEFAULT_SERVER stopped after $(grep -c 'XRun' "$state/jackd.log" 2>/dev/null || true) xrun reports"
    ;;
*)
    echo "usage: $0 start|stop STATE_DIR, or $0 metadata-off|metadata-on" >&2
    exit 2
    ;;
esac
