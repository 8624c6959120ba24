# shellcheck shell=bash
# Fresh Debian trees for the packaging and set-up checks: make_tree makes a
# minimal one, copy_sources puts the project's sources into one. They read
# $mirror, $work (a scratch folder) and fail (from checks.sh); skip ends a
# check as skipped, for CTest.
# shellcheck disable=SC2154

mirror=${VEKTOR_DEBIAN_MIRROR:-http://deb.debian.org/debian}

skip() {
    echo "SKIPPED: $*"
    exit 77
}

# A fresh minimal tree of a release. One more try after a failed download:
# the mirror, not the package, is what fails then.
make_tree() { # release dir
    local log=$work/debootstrap-$1.log
    debootstrap --variant=minbase "$1" "$2" "$mirror" >"$log" 2>&1 ||
        { rm -rf --one-file-system "$2" && debootstrap --variant=minbase "$1" "$2" "$mirror" >>"$log" 2>&1; } ||
        fail "debootstrap $1: $(tail -20 "$log")"
    cp /etc/resolv.conf "$2/etc/resolv.conf"
}

# The sources as they are, without .git or any build folder (the one named
# too, where it lies inside the sources).
copy_sources() { # source-dir dest-dir [build-dir]
    local build_dir=${3:-$1/build}
    mkdir -p "$2"
    tar -C "$1" --exclude=./.git --exclude='./build*' --exclude="./${build_dir#"$1"/}" -cf - . |
        tar -C "$2" -xf -
}
