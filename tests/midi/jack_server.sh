#!/usr/bin/env bash
# Starts or stops the private JACK server of a test run, in dummy mode (no
# sound hardware needed):
#   jack_server.sh start STATE_DIR    jack_server.sh stop STATE_DIR
# The server's name comes from JACK_DEFAULT_SERVER, which the tests share.
set -euo pipefail

action=${1:?start or stop}
state=${2:?state directory}
pidfile=$state/jackd.pid
: "${JACK_DEFAULT_SERVER:?the server name}"

stop_server() {
    [ -f "$pidfile" ] || return 0
    local pid
    pid=$(cat "$pidfile")
    if kill -0 "$pid" 2>/dev/null; then
        kill "$pid"
        for _ in $(seq 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -0 "$pid" 2>/dev/null && kill -9 "$pid"
    fi
    rm -f "$pidfile"
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
    mkdir -p "$state"
    stop_server # a server left over from an interrupted run
    # Real-time scheduling where the machine allows it: on a busy machine the
    # clients then still finish every period, and no MIDI event is lost to a
    # skipped one. Without the right to it, the server runs as a plain process.
    for scheduling in --realtime --no-realtime; do
        # Detached, with its output in a file: the test runner waits for every
        # process that still holds its pipes.
        JACK_NO_AUDIO_RESERVATION=1 setsid jackd "$scheduling" -d dummy -r 48000 -p 256 \
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
    # Skipped periods lose MIDI events: worth knowing when a MIDI test failed.
    echo "JACK server $JACK_DEFAULT_SERVER stopped after $(grep -c 'XRun' "$state/jackd.log" 2>/dev/null || true) xrun reports"
    ;;
*)
    echo "usage: $0 start|stop STATE_DIR" >&2
    exit 2
    ;;
esac
