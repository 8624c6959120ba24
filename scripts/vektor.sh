#!/usr/bin/env bash
# One entry for a fresh Debian machine:
#   scripts/vektor.sh start   install what is missing, build, start the editor
#   scripts/vektor.sh test    install what is missing, build, run every test
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${VEKTOR_BUILD_DIR:-$here/build}

packages=(build-essential cmake pkg-config qtbase5-dev qtbase5-dev-tools librtmidi-dev)
[ "${1:-}" = test ] && packages+=(jackd2)

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

configure_and_build() {
    cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE="${1:-RelWithDebInfo}"
    cmake --build "$build" -j"$(nproc)"
}

case "${1:-}" in
start)
    install_missing
    configure_and_build
    cd "$here" # the window icon is read from the working directory
    exec "$build/vektor-editor"
    ;;
test)
    install_missing
    configure_and_build
    cd "$build"
    ctest --output-on-failure -j"$(nproc)"
    ;;
*)
    echo "usage: $0 start|test" >&2
    exit 2
    ;;
esac
