#!/usr/bin/env bash
# The two commands of README, "scripts/vektor.sh start" and
# "scripts/vektor.sh test", one after the other in a fresh minimal tree of each
# Debian release, in both orders and with the first command run again: the
# packages the second command adds must not take away what the first one
# installed (JACK 2's server once replaced the JACK 1 client library that
# librtmidi-dev had pulled in, and apt removed librtmidi-dev with it).
#
#   fresh_tree.sh
#
# The commands run with VEKTOR_SETUP_ONLY=1: they install, configure and (for
# "start") build the editor, but start nothing and run no test; the hour the
# suite takes in each tree would tell nothing more about the set-up. After
# each command the tree must have librtmidi-dev and libjack-jackd2-dev (and
# jackd2 once "test" ran), no JACK 1 library, and no package removed.
# VEKTOR_FRESH_RELEASES picks the releases (codenames, comma-separated;
# default bookworm,trixie), VEKTOR_FRESH_ORDERS the orders (space-separated,
# the commands of each comma-separated; default "start,test,start
# test,start,test"), VEKTOR_DEBIAN_MIRROR the mirror. Needs root and
# debootstrap: exits 77 (skipped) without them. Takes some 20 minutes per
# release and order on two cores.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source_dir=$(cd "$here/../.." && pwd)
# shellcheck source=tests/packaging/checks.sh
. "$here/checks.sh"
# shellcheck source=tests/packaging/debian_tree.sh
. "$here/debian_tree.sh"
[ "$(id -u)" -eq 0 ] || skip "debootstrap and chroot need root"
command -v debootstrap >/dev/null || skip "debootstrap is missing"

IFS=, read -r -a releases <<<"${VEKTOR_FRESH_RELEASES:-bookworm,trixie}"
read -r -a orders <<<"${VEKTOR_FRESH_ORDERS:-start,test,start test,start,test}"
if [ ${#releases[@]} -eq 0 ] || [ ${#orders[@]} -eq 0 ]; then fail "no release or no order to check"; fi

work=$(mktemp -d /var/tmp/vektor-fresh-tree.XXXXXX)
mounts=()
cleanup() {
    local mount
    for mount in "${mounts[@]}"; do umount -l "$mount" || true; done
    # Never follow a mount out of the trees.
    rm -rf --one-file-system "$work"
}
trap cleanup EXIT

in_tree() { # tree, then the command
    local tree=$1
    shift
    chroot "$tree" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"
}

is_installed_in() { # tree package
    # shellcheck disable=SC2016 # dpkg-query's field, not the shell's
    in_tree "$1" dpkg-query -W -f='${Status}' "$2" 2>/dev/null | grep -q 'install ok installed'
}

# What the set-up must leave after each command: the MIDI library with JACK
# 2's client library beside it, JACK 2's server once the tests' set-up ran,
# and nothing that apt removed on the way.
check_tree() { # tree, how-far, test-ran, dpkg.log lines before the command
    local tree=$1 step=$2 want=(librtmidi-dev libjack-jackd2-dev) p removed
    [ "$3" = yes ] && want+=(jackd2)
    for p in "${want[@]}"; do
        is_installed_in "$tree" "$p" || fail "$p is not installed after $step"
    done
    for p in libjack0 libjack-dev; do
        ! is_installed_in "$tree" "$p" || fail "the JACK 1 package $p is installed after $step"
    done
    removed=$(tail -n +"$(($4 + 1))" "$tree/var/log/dpkg.log" | grep -E ' (remove|purge) ' || true)
    [ -z "$removed" ] || fail "packages were removed by $step:
$removed"
}

# Runs the commands of one order in a copy of the release's fresh tree.
check_order() { # release base-tree order
    local release=$1 order=$3 tree step n=0 test_ran=no log started logged done_so_far=
    tree=$work/$release-${order//,/-}
    echo "== Debian $release: ${order//,/, then }"
    cp -a "$2" "$tree"
    copy_sources "$source_dir" "$tree/root/vektor"
    mount -t proc proc "$tree/proc"
    mounts+=("$tree/proc")
    IFS=, read -r -a steps <<<"$order"
    for step in "${steps[@]}"; do
        n=$((n + 1))
        log=$work/$release-${order//,/-}-$n-$step.log
        started=$SECONDS
        logged=$(wc -l <"$tree/var/log/dpkg.log")
        in_tree "$tree" VEKTOR_BUILD_DIR=/root/build VEKTOR_SETUP_ONLY=1 /root/vektor/scripts/vektor.sh "$step" \
            >"$log" 2>&1 || fail "scripts/vektor.sh $step${done_so_far:+ after$done_so_far} in the $release tree:
$(tail -30 "$log")"
        [ "$step" = test ] && test_ran=yes
        done_so_far+=" $step"
        check_tree "$tree" "scripts/vektor.sh$done_so_far" "$test_ran" "$logged"
        if [ "$step" = start ]; then
            [ -x "$tree/root/build/vektor-editor" ] || fail "scripts/vektor.sh start built no editor in the $release tree"
        fi
        echo "   scripts/vektor.sh $step: $((SECONDS - started)) s, $(grep -c '^Unpacking ' "$log" || true) packages installed"
    done
    # Configured anew once everything is installed: what a user who builds
    # by hand afterwards gets.
    in_tree "$tree" cmake -S /root/vektor -B /root/build-again -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$work/$release-again.log" 2>&1 ||
        fail "cmake does not configure in the $release tree after${done_so_far}: $(tail -20 "$work/$release-again.log")"
    umount "$tree/proc"
    unset 'mounts[-1]'
    rm -rf --one-file-system "$tree"
    echo "PASSED: Debian $release, ${order//,/, then }"
}

for release in "${releases[@]}"; do
    started=$SECONDS
    echo "== A fresh Debian $release tree"
    make_tree "$release" "$work/$release"
    echo "   debootstrap: $((SECONDS - started)) s"
    for order in "${orders[@]}"; do
        check_order "$release" "$work/$release" "$order"
    done
    rm -rf --one-file-system "${work:?}/$release"
done
echo "PASSED: the set-up of both commands in fresh trees of ${releases[*]} (${orders[*]}) in $((SECONDS / 60)) min"
