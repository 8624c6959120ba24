#!/usr/bin/env bash
# Makes the Debian package from a build folder, installs it the way a user
# would and starts the installed editor: it must find all its libraries,
# create its memory file and show its window; the installed vektor-tool must
# run and list that memory.
#
#   install_and_run.sh BUILD_DIR CPACK PACKAGE_VERSION
#
# Where debootstrap is present the package goes into a fresh minimal tree of
# each Debian release in VEKTOR_PACKAGE_RELEASES (codenames, comma-separated;
# default: the release of this system), so the Depends field alone has to bring
# every library. A package is made for one release: that of this system comes
# from BUILD_DIR, another's is built in a tree of that release
# ("scripts/vektor.sh package" there). Without debootstrap the package is
# installed on this system and removed again. Needs root: exits 77 (skipped)
# without it. VEKTOR_PACKAGE_TEST=chroot|host picks the way by hand;
# VEKTOR_DEBIAN_MIRROR the mirror for the fresh trees.
set -euo pipefail

build=$(cd "$1" && pwd)
cpack=$2
version=$3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source_dir=$(cd "$here/../.." && pwd)
# shellcheck source=tests/packaging/checks.sh
. "$here/checks.sh"
# shellcheck source=tests/packaging/debian_tree.sh
. "$here/debian_tree.sh"

[ "$(id -u)" -eq 0 ] || skip "installing a package needs root; run the tests as root (CI does) to check the package"
for tool in dpkg-deb dpkg-shlibdeps file apt-get appstreamcli; do
    command -v "$tool" >/dev/null || skip "$tool is missing (packages dpkg-dev, file, apt, appstream)"
done
mode=${VEKTOR_PACKAGE_TEST:-}
if [ -z "$mode" ]; then
    if command -v debootstrap >/dev/null; then mode=chroot; else mode=host; fi
fi
# shellcheck disable=SC1091 # the system's, not ours
this_release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
IFS=, read -r -a releases <<<"${VEKTOR_PACKAGE_RELEASES:-$this_release}"
[ ${#releases[@]} -gt 0 ] || fail "VEKTOR_PACKAGE_RELEASES names no release"

work=$(mktemp -d /var/tmp/vektor-packaging.XXXXXX)
root=
# Runs a command in the installed tree with a clean environment; an array,
# not a function, so that a command started with & is the process itself.
plain_env=(/usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin)
in_root=("${plain_env[@]}")
installed_on_host=
mounts=()
cleanup() {
    stop_editor || true
    if [ -n "$installed_on_host" ]; then
        DEBIAN_FRONTEND=noninteractive apt-get remove -y -q vektor-editor >/dev/null || true
    fi
    local mount
    for mount in "${mounts[@]}"; do umount -l "$mount" || true; done
    # Never follow a mount out of the trees.
    rm -rf --one-file-system "$work"
}
trap cleanup EXIT

# Builds the package of another release in a copy of that release's fresh
# tree, with the set-up a user of that release has; sets built_deb.
built_deb=
build_in_tree() { # release minimal-tree
    local tree=$work/$1-build log=$work/build-$1.log
    echo "== Building the package in a Debian $1 tree"
    cp -a "$2" "$tree"
    copy_sources "$source_dir" "$tree/root/vektor" "$build"
    mount -t proc proc "$tree/proc"
    mounts+=("$tree/proc")
    chroot "$tree" "${plain_env[@]}" HOME=/root LANG=C.UTF-8 VEKTOR_BUILD_DIR=/root/build \
        /root/vektor/scripts/vektor.sh package >"$log" 2>&1 || fail "building in the $1 tree: $(tail -30 "$log")"
    umount "$tree/proc"
    unset 'mounts[-1]'
    built_deb=$(echo "$tree"/root/build/vektor-editor_*.deb)
    [ -f "$built_deb" ] || fail "no package made in the $1 tree: $(tail -20 "$log")"
    check_control "$built_deb" "$(dpkg-deb -f "$built_deb" Version)"
}

# The package's version must name the release of the tree it is for.
check_release_of() { # deb tree
    local want got
    # shellcheck disable=SC1091,SC2031 # the tree's, not ours
    want=${version%-*}-deb$(. "$2/etc/os-release" && echo "${VERSION_ID:-}")
    got=$(dpkg-deb -f "$1" Version)
    [ "$got" = "$want" ] || fail "the package's version is $got; for the tree's release it must be $want"
    [ "$(basename "$1")" = "vektor-editor_${got}_$(dpkg-deb -f "$1" Architecture).deb" ] ||
        fail "the file name $(basename "$1") does not say the version $got"
}

echo "== Making the package"
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
    fail "cpack: $(tail -20 "$work/cpack.log")"
deb=$(echo "$work"/package/vektor-editor_*.deb)
[ -f "$deb" ] || fail "no package in $work/package"
check_control "$deb" "$version"

# Installs the package into a fresh tree of its release (chroot) or on this
# system (host), then runs every check there.
install_and_check() { # deb release
    local deb=$1 release=$2
    case "$mode" in
    chroot)
        root=$work/$release
        echo "== Installing the package in the fresh Debian $release tree (apt resolves its Depends)"
        check_release_of "$deb" "$root"
        cp "$deb" "$root/tmp/"
        in_root=(chroot "$root" "${plain_env[@]}")
        { "${in_root[@]}" apt-get update -q -o Acquire::Retries=3 &&
            "${in_root[@]}" DEBIAN_FRONTEND=noninteractive apt-get install -o Acquire::Retries=3 -y -q --no-install-recommends \
                "/tmp/$(basename "$deb")"; } >"$work/apt-$release.log" 2>&1 ||
            fail "apt-get in the $release tree: $(tail -20 "$work/apt-$release.log")"
        ;;
    host)
        echo "== Installing the package on this system"
        root=
        in_root=("${plain_env[@]}")
        if dpkg-query -W -f='${Status}' vektor-editor 2>/dev/null | grep -q 'install ok installed'; then
            skip "vektor-editor is already installed here; not replacing it"
        fi
        check_release_of "$deb" /
        installed_on_host=yes
        DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$deb" \
            >"$work/apt.log" 2>&1 || fail "apt-get: $(tail -20 "$work/apt.log")"
        ;;
    esac

    echo "== Checking the installed files ($release)"
    check_installed_files
    check_jack_library
    check_metainfo "$deb" "$source_dir"
    echo "== Starting the installed editor ($release)"
    check_first_start
    echo "== Running the installed command-line tool ($release)"
    check_tool
    echo "PASSED: the package for $release installs ($mode), the editor starts and vektor-tool runs"
}

case "$mode" in
chroot) ;;
host)
    [ "${releases[*]}" = "$this_release" ] ||
        fail "without a fresh tree only this system's release ($this_release) can be checked, not ${releases[*]}"
    ;;
*)
    fail "VEKTOR_PACKAGE_TEST must be chroot or host, not '$mode'"
    ;;
esac

for release in "${releases[@]}"; do
    if [ "$mode" = chroot ]; then
        echo "== A fresh Debian $release tree"
        make_tree "$release" "$work/$release"
    fi
    if [ "$release" = "$this_release" ]; then
        install_and_check "$deb" "$release"
    else
        build_in_tree "$release" "$work/$release"
        install_and_check "$built_deb" "$release"
    fi
done
