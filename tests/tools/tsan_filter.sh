#!/bin/sh
# Runs one test under ThreadSanitizer and fails on any race that has the
# editor's own code on either side, or on a crash. Qt and the JACK library are
# not built with the sanitizer, so their internal lock-free code and locks
# show up as races of their own; those are counted but do not fail the test.
# The sanitizer slows the process so much that the JACK server skips periods
# and drops MIDI events, so failed byte-count checks are reported but not
# counted here: the plain and AddressSanitizer runs hold the test to them.
dir=$(mktemp -d)
TSAN_OPTIONS="log_path=$dir/tsan exitcode=0 ${TSAN_OPTIONS:-}" "$@"
rc=$?
cat "$dir"/tsan.* 2>/dev/null > "$dir/all"
ours=$(awk '
    /^WARNING: ThreadSanitizer/ { report = "" }
    { report = report "\n" $0 }
    /^SUMMARY: ThreadSanitizer/ { if (report ~ /\/src\/(app|config|sysex|transfer|editors)\//) print report }
' "$dir/all")
others=$(grep -c '^WARNING: ThreadSanitizer' "$dir/all")
rm -rf "$dir"
echo "ThreadSanitizer: $others report(s) in all, inside Qt or JACK unless listed below."
if [ -n "$ours" ]; then
    echo "$ours"
    echo "ThreadSanitizer found races in the editor's code."
    exit 1
fi
if [ "$rc" -ge 128 ]; then
    echo "The test crashed (exit $rc)."
    exit 1
fi
[ "$rc" -ne 0 ] && echo "$rc check(s) failed under the sanitizer's timing; not counted (see above)."
exit 0
