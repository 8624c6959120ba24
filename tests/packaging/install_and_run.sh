#!/usr/bin/env bash
# Makes the Debian package from a build folder, installs it the way a user
# would and starts the installed editor: it must find all its libraries,
# create its memory file and show its window; the installed vektor-tool must
# run and list that memory.
#
#   install_and_run.sh BUILD_DIR CPACK VERSION
#
# Where debootstrap is present the package goes into a fresh minimal Debian 12
# tree, so the Depends field alone has to bring every library; otherwise it is
# installed on this system and removed again. Needs root: exits 77 (skipped)
# without it. VEKTOR_PACKAGE_TEST=chroot|host picks the way by hand;
# VEKTOR_DEBIAN_MIRROR the mirror for the fresh tree.
set -euo pipefail

build=$(cd "$1" && pwd)
cpack=$2
version=$3
mirror=${VEKTOR_DEBIAN_MIRROR:-http://deb.debian.org/debian}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=tests/packaging/checks.sh
. "$here/checks.sh"

skip() {
    echo "SKIPPED: $*"
    exit 77
}

[ "$(id -u)" -eq 0 ] || skip "installing a package needs root; run the tests as root (CI does) to check the package"
for tool in dpkg-deb dpkg-shlibdeps file apt-get appstreamcli; do
    command -v "$tool" >/dev/null || skip "$tool is missing (packages dpkg-dev, file, apt, appstream)"
done
mode=${VEKTOR_PACKAGE_TEST:-}
if [ -z "$mode" ]; then
    if command -v debootstrap >/dev/null; then mode=chroot; else mode=host; fi
fi

work=$(mktemp -d /var/tmp/vektor-packaging.XXXXXX)
root=
# Runs a command in the installed tree with a clean environment; an array,
# not a function, so that a command started with & is the process itself.
in_root=(/usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin)
installed_on_host=
cleanup() {
    stop_editor || true
    if [ -n "$installed_on_host" ]; then
        DEBIAN_FRONTEND=noninteractive apt-get remove -y -q vektor-editor >/dev/null || true
    fi
    # A fresh tree has no mounts, but never follow one out of it.
    rm -rf --one-file-system "$work"
}
trap cleanup EXIT

echo "== Making the package"
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
    fail "cpack: $(tail -20 "$work/cpack.log")"
deb=$(echo "$work"/package/vektor-editor_*.deb)
[ -f "$deb" ] || fail "no package in $work/package"
check_control "$deb" "$version"

case "$mode" in
chroot)
    echo "== A fresh Debian 12 tree"
    root=$work/root
    # One more try after a failed download: the mirror, not the package, is
    # what fails then.
    debootstrap --variant=minbase bookworm "$root" "$mirror" >"$work/debootstrap.log" 2>&1 ||
        { rm -rf --one-file-system "$root" &&
            debootstrap --variant=minbase bookworm "$root" "$mirror" >>"$work/debootstrap.log" 2>&1; } ||
        fail "debootstrap: $(tail -20 "$work/debootstrap.log")"
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    cp "$deb" "$root/tmp/"
    in_root=(chroot "$root" "${in_root[@]}")
    echo "== Installing the package there (apt resolves its Depends)"
    { "${in_root[@]}" apt-get update -q -o Acquire::Retries=3 &&
        "${in_root[@]}" DEBIAN_FRONTEND=noninteractive apt-get install -o Acquire::Retries=3 -y -q --no-install-recommends \
            "/tmp/$(basename "$deb")"; } >"$work/apt.log" 2>&1 || fail "apt-get: $(tail -20 "$work/apt.log")"
    ;;
host)
    echo "== Installing the package on this system"
    root=
    if dpkg-query -W -f='${Status}' vektor-editor 2>/dev/null | grep -q 'install ok installed'; then
        skip "vektor-editor is already installed here; not replacing it"
    fi
    installed_on_host=yes
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$deb" \
        >"$work/apt.log" 2>&1 || fail "apt-get: $(tail -20 "$work/apt.log")"
    ;;
*)
    fail "VEKTOR_PACKAGE_TEST must be chroot or host, not '$mode'"
    ;;
esac

echo "== Checking the installed files"
check_installed_files
check_metainfo "$deb" "$here/../.."
echo "== Starting the installed editor"
check_first_start
echo "== Running the installed command-line tool"
check_tool
echo "PASSED: the package installs ($mode), the editor starts and vektor-tool runs"
