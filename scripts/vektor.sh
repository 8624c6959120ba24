#!/usr/bin/env bash
# One entry for a fresh Debian 12 (bookworm) or Debian 13 (trixie) machine:
#   scripts/vektor.sh start   install what is missing, build, start the editor
#   scripts/vektor.sh test    install what is missing, build, run every test
#                             (under Qt 5, then the plain stage under Qt 6)
#   scripts/vektor.sh package install what is missing, build the Debian package
#                             for this release (build/vektor-editor_*.deb)
# VEKTOR_SETUP_ONLY=1 stops "start" and "test" once the packages are installed
# and the build is configured ("start" builds the editor first, without
# starting it): the fresh-tree check (tests/packaging/fresh_tree.sh) runs the
# set-up of both commands in a new Debian tree without the hour of tests.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${VEKTOR_BUILD_DIR:-$here/build}
known_releases="Debian 12 (bookworm) and Debian 13 (trixie)"

case "${1:-}" in
start | test | package) ;;
*)
    echo "usage: $0 start|test|package" >&2
    exit 2
    ;;
esac

# Said before anything is installed or built: elsewhere the package names below
# may not exist, and apt-get may not either.
check_release() {
    local release
    # shellcheck disable=SC1091 # the system's, not ours
    release=$( (. /etc/os-release && echo "${ID:-}/${VERSION_CODENAME:-}/${PRETTY_NAME:-}") 2>/dev/null || true)
    case $release in
    debian/bookworm/* | debian/trixie/*) return 0 ;;
    esac
    echo "This script knows $known_releases; this system is '${release##*/}'." >&2
    if [ -n "${VEKTOR_ANY_RELEASE:-}" ]; then
        echo "VEKTOR_ANY_RELEASE is set: trying anyway." >&2
        return 0
    fi
    echo "Install the packages README lists by hand and build as it describes," \
        "or set VEKTOR_ANY_RELEASE=1 to try this script anyway." >&2
    exit 1
}
check_release

# librtmidi-dev takes either JACK client library; JACK 2's is named beside it
# from the first install on, so that the JACK 2 server the tests need never
# has to replace the JACK 1 library under an editor already built.
packages=(build-essential cmake pkg-config qtbase5-dev qtbase5-dev-tools libjack-jackd2-dev librtmidi-dev
    qttools5-dev qttools5-dev-tools qttranslations5-l10n)
# Where releases name a package differently, the first name the release has
# is taken ("a|b"); "a?" is installed where the release has it.
# The tests also need a MIDI system that runs without sound hardware, clang
# and its runtime libraries for the fuzz targets, a virtual X display for the
# high-DPI check, the AppStream validator for the package and Qt 6 for the
# second build. The names library is tested against the DAW package's MIDNAM
# files, and its export against a second XML parser.
# Debian 13 moved jack_wait, which the JACK fixture waits with, out of jackd2.
[ "$1" = test ] && packages+=(jackd2 jack-example-tools? clang "libclang-rt-dev|libclang-rt-14-dev" dpkg-dev file debootstrap
    desktop-file-utils xvfb appstream ardour-data libxml2-utils
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n)
[ "$1" = package ] && packages+=(dpkg-dev file)

is_installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

# True when apt knows a version of the package that it could install.
is_available() {
    local candidate
    candidate=$(apt-cache policy "$1" 2>/dev/null | sed -n 's/^ *Candidate: *//p')
    [ -n "$candidate" ] && [ "$candidate" != "(none)" ]
}

install_missing() {
    local missing=() optional=() choice p name
    for choice in "${packages[@]}"; do
        if [ "${choice%\?}" != "$choice" ]; then
            # Asked for only once apt's lists are read: a release without it
            # must not cost an update at every run.
            is_installed "${choice%\?}" || optional+=("${choice%\?}")
            continue
        fi
        for p in ${choice//|/ }; do
            is_installed "$p" && continue 2
        done
        missing+=("$choice")
    done
    for p in "${optional[@]}"; do
        is_available "$p" && missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -q
    for p in "${optional[@]}"; do
        [[ " ${missing[*]} " == *" $p "* ]] || ! is_available "$p" || missing+=("$p")
    done
    local names=()
    for choice in "${missing[@]}"; do
        name=
        for p in ${choice//|/ }; do
            if is_available "$p"; then
                name=$p
                break
            fi
        done
        # apt-get names what it cannot find.
        names+=("${name:-${choice%%|*}}")
    done
    echo "Installing: ${names[*]}"
    # Never removes a package: a conflict stops here, in apt's own words,
    # instead of taking away a library that a build needs.
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends --no-remove "${names[@]}"
}

configure_and_build() { # build-dir, then cmake options
    local dir=$1
    shift
    cmake -S "$here" -B "$dir" "$@"
    cmake --build "$dir" -j"$(nproc)"
}

# Seconds since the script started, for the stages' headings.
elapsed() {
    echo "$((SECONDS / 60)) min $((SECONDS % 60)) s"
}

run_tests() { # build-dir, then ctest options
    local dir=$1
    shift
    (cd "$dir" && ctest --output-on-failure -j"$(nproc)" "$@")
}

# The MIDI tests talk through a real JACK server; tests/midi/rerun_on_jack_crash.sh,
# which each of them runs through, gives a test one more run only when the
# JACK client library crashed in a thread of its own (see there), never after
# an ordinary failure. The fresh-tree check of the set-up
# (tests/packaging/fresh_tree.sh) takes half an hour and is run by hand.
run_suite() { # build-dir, then ctest options for the MIDI tests
    local dir=$1
    shift
    run_tests "$dir" -LE 'midi|fresh-tree'
    run_tests "$dir" -L midi "$@"
}

case "${1:-}" in
start)
    install_missing
    # Only what it starts: the tests and benchmarks are built by "test".
    cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build "$build" -j"$(nproc)" --target vektor-editor vektor-tool
    if [ -n "${VEKTOR_SETUP_ONLY:-}" ]; then
        echo "== Set up and built; VEKTOR_SETUP_ONLY is set: not starting the editor"
        exit 0
    fi
    cd "$here" # the window icon is read from the working directory
    exec "$build/vektor-editor"
    ;;
package)
    install_missing
    # The package holds the editor and the tool only: cpack builds nothing more.
    cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
    cmake --build "$build" -j"$(nproc)" --target vektor-editor vektor-tool
    (cd "$build" && cpack -G DEB)
    ;;
test)
    install_missing
    echo "== The test suite"
    cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    if [ -n "${VEKTOR_SETUP_ONLY:-}" ]; then
        echo "== Set up and configured; VEKTOR_SETUP_ONLY is set: not building or running the tests"
        exit 0
    fi
    cmake --build "$build" -j"$(nproc)"
    run_suite "$build"
    echo "== The test suite built with Qt 6 ($(elapsed) so far)"
    # The package is made and checked from the Qt 5 build only.
    configure_and_build "$build-qt6" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEKTOR_QT=6
    # The whole memory sent at the controller's pace (label full-send, some
    # 160 s) runs in the first stage only: the sending code is the same
    # under every Qt and sanitizer, and CI's time is short.
    run_tests "$build-qt6" -LE 'midi|packaging|fresh-tree'
    run_tests "$build-qt6" -L midi -LE full-send
    echo "== The test suite under AddressSanitizer and UndefinedBehaviorSanitizer ($(elapsed) so far)"
    configure_and_build "$build-asan" -DCMAKE_BUILD_TYPE=Debug -DVEKTOR_SANITIZE=address,undefined
    run_suite "$build-asan" -LE full-send
    echo "== Dump reception under ThreadSanitizer (MIDI callback thread against the window; $(elapsed) so far)"
    cmake -S "$here" -B "$build-tsan" -DCMAKE_BUILD_TYPE=Debug -DVEKTOR_SANITIZE=thread
    cmake --build "$build-tsan" -j"$(nproc)" --target test_midi_reception test_midi_reception_packets
    run_tests "$build-tsan" -R '^(jack_server_start|jack_server_stop|test_midi_reception|test_midi_reception_packets)$'
    echo "== Fuzz targets: the seed corpus and a bounded fuzz run ($(elapsed) so far)"
    CC=clang CXX=clang++ configure_and_build "$build-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVEKTOR_FUZZ=ON -DVEKTOR_SANITIZE=address,undefined
    run_tests "$build-fuzz" -L fuzz
    echo "== All stages passed in $(elapsed)"
    ;;
esac
