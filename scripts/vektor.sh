#!/usr/bin/env bash
# One entry for a fresh Debian machine:
#   scripts/vektor.sh start   install what is missing, build, start the editor
#   scripts/vektor.sh test    install what is missing, build, run every test
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${VEKTOR_BUILD_DIR:-$here/build}

packages=(build-essential cmake pkg-config qtbase5-dev qtbase5-dev-tools librtmidi-dev
    qttools5-dev qttools5-dev-tools qttranslations5-l10n)
# The tests also need a MIDI system that runs without sound hardware, clang
# for the fuzz targets, a virtual X display for the high-DPI check and the
# AppStream validator for the package.
[ "${1:-}" = test ] && packages+=(jackd2 clang libclang-rt-14-dev dpkg-dev file debootstrap desktop-file-utils xvfb appstream)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

configure_and_build() { # build-dir, then cmake options
    local dir=$1
    shift
    cmake -S "$here" -B "$dir" "$@"
    cmake --build "$dir" -j"$(nproc)"
}

run_tests() { # build-dir, then ctest options
    local dir=$1
    shift
    (cd "$dir" && ctest --output-on-failure -j"$(nproc)" "$@")
}

# The MIDI tests talk through a real JACK server, and the JACK client library
# now and then crashes in a thread of its own while a process opens several
# clients (seen under the sanitizers, with none of the editor's code in the
# trace).
# A MIDI test gets a second run when its first fails; one that fails twice
# fails the suite.
run_suite() { # build-dir
    run_tests "$1" -LE midi
    run_tests "$1" -L midi --repeat until-pass:2
}

case "${1:-}" in
start)
    install_missing
    configure_and_build "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cd "$here" # the window icon is read from the working directory
    exec "$build/vektor-editor"
    ;;
test)
    install_missing
    echo "== The test suite"
    configure_and_build "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    run_suite "$build"
    echo "== The test suite under AddressSanitizer and UndefinedBehaviorSanitizer"
    configure_and_build "$build-asan" -DCMAKE_BUILD_TYPE=Debug -DVEKTOR_SANITIZE=address,undefined
    run_suite "$build-asan"
    echo "== Dump reception under ThreadSanitizer (MIDI callback thread against the window)"
    cmake -S "$here" -B "$build-tsan" -DCMAKE_BUILD_TYPE=Debug -DVEKTOR_SANITIZE=thread
    cmake --build "$build-tsan" -j"$(nproc)" --target test_midi_reception test_midi_reception_packets
    run_tests "$build-tsan" -R '^(jack_server_start|jack_server_stop|test_midi_reception|test_midi_reception_packets)$' \
        --repeat until-pass:2
    echo "== Fuzz targets: the seed corpus and a bounded fuzz run"
    CC=clang CXX=clang++ configure_and_build "$build-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVEKTOR_FUZZ=ON -DVEKTOR_SANITIZE=address,undefined
    run_tests "$build-fuzz" -L fuzz
    ;;
*)
    echo "usage: $0 start|test" >&2
    exit 2
    ;;
esac
