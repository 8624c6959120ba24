#!/usr/bin/env bash
# A long fuzz run of one target, with a corpus kept from run to run:
#   scripts/fuzz.sh TARGET MINUTES [libFuzzer options...]
# e.g. scripts/fuzz.sh fuzz_dump_decode 60
#
# Builds the fuzz targets (clang, AddressSanitizer and UndefinedBehaviorSanitizer)
# in build-fuzz, the folder `scripts/vektor.sh test` uses. The corpus lives in
# fuzz/corpus-TARGET (ignored by git): the first run seeds it with real dumps
# and files made by the editor's code, later runs go on from what earlier ones
# found. Inputs that crash, leak or hang are kept in fuzz/findings-TARGET/.
# The fuzzer runs at the lowest priority, so the machine stays usable.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${VEKTOR_BUILD_DIR:-$here/build}-fuzz

if [ $# -lt 2 ] || ! [[ $2 =~ ^[0-9]+$ ]] || [ "$2" -eq 0 ]; then
    echo "usage: $0 TARGET MINUTES [libFuzzer options...]" >&2
    targets=("$here"/fuzz/fuzz_*.cpp)
    targets=("${targets[@]##*/}")
    echo "targets: ${targets[*]%.cpp}" >&2
    exit 2
fi
target=$1
minutes=$2
shift 2
[ -f "$here/fuzz/$target.cpp" ] || { echo "no fuzz target $target in fuzz/" >&2; exit 2; }

CC=clang CXX=clang++ cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVEKTOR_FUZZ=ON -DVEKTOR_SANITIZE=address,undefined >/dev/null
cmake --build "$build" -j"$(nproc)" --target "$target" make_fuzz_corpus >/dev/null

corpus=$here/fuzz/corpus-$target
findings=$here/fuzz/findings-$target
mkdir -p "$corpus" "$findings"
seeds=$(mktemp -d)
trap 'rm -rf "$seeds"' EXIT
"$build/fuzz/make_fuzz_corpus" "$seeds"
# A target may have no seeds: it starts from nothing, or makes its own.
if [ -d "$seeds/$target" ]; then cp -rn "$seeds/$target/." "$corpus/"; fi

inputs=("$corpus"/*)
echo "fuzzing $target for $minutes min; corpus $corpus (${#inputs[@]} inputs)" >&2
cd "$findings"
QT_QPA_PLATFORM=offscreen LSAN_OPTIONS=suppressions=$here/tests/lsan.supp \
    nice -n 19 "$build/fuzz/$target" -max_total_time=$((minutes * 60)) -max_len=300000 \
    -rss_limit_mb=4096 -timeout=60 -print_final_stats=1 -artifact_prefix="$findings/" "$@" "$corpus"
