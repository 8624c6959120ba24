#!/usr/bin/env bash
# rerun_on_jack_crash.sh must run a test twice only after a crash of the JACK
# client library in a thread of its own, and never after any other failure.
#   test_rerun_on_jack_crash.sh WRAPPER
set -uo pipefail

wrapper=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Reports as the sanitizer writes them, shortened.
cat >"$work/libjack" <<'EOF'
==41==ERROR: AddressSanitizer: SEGV on unknown address 0x000000000010 (pc 0x7f00 bp 0x7f01 sp 0x7f02 T5)
==41==The signal is caused by a READ memory access.
    #0 0x7f77ff5b0000  (/lib/x86_64-linux-gnu/libjack.so.0+0x1c000)
    #1 0x7f77ff5c4300  (/lib/x86_64-linux-gnu/libjack.so.0+0x30300)
    #2 0x7f77fe8a8043 in start_thread nptl/pthread_create.c:442

AddressSanitizer can not provide additional info.
SUMMARY: AddressSanitizer: SEGV (/lib/x86_64-linux-gnu/libjack.so.0+0x1c000)
Thread T5 created by T0 here:
    #0 0x7f77fee49726 in __interceptor_pthread_create ../../../../src/libsanitizer/asan/asan_interceptors.cpp:207
    #1 0x7f77ff5c4181  (/lib/x86_64-linux-gnu/libjack.so.0+0x30181)
    #2 0x7f77ff5c5000  (/lib/x86_64-linux-gnu/libjack.so.0+0x31000)
==41==ABORTING
EOF
# The same thread, but faulting in RtMidi's callback or the test's code.
sed 's|#1 0x7f77ff5c4300 .*|#1 0x7f77ff000000  (/lib/x86_64-linux-gnu/librtmidi.so.6+0x12000)|' "$work/libjack" >"$work/rtmidi"
sed 's|#1 0x7f77ff5c4300 .*|#1 0x55aa in PeerInput::onMessage /work/tests/midi/midi_peer.h:86|' "$work/libjack" >"$work/ours"
# libjack's code on the main thread: the test's own call.
sed 's/ T5)$/ T0)/' "$work/libjack" >"$work/mainthread"
printf 'FAIL!  : tst::send() Compared values are not the same\n' >"$work/failure"
: >"$work/pass"

# A test that prints the first report and exits with the first code on its
# first run, then the second ones.
cat >"$work/fake_test" <<'EOF'
#!/usr/bin/env bash
runs=$(($(cat "$1/runs" 2>/dev/null || echo 0) + 1))
echo "$runs" >"$1/runs"
if [ "$runs" -eq 1 ]; then cat "$1/$2"; exit "$3"; fi
cat "$1/$4"; exit "$5"
EOF
chmod +x "$work/fake_test"

failed=0
# case: first report, exit; second report, exit; wanted exit, wanted runs
while read -r name first rc1 second rc2 want_rc want_runs; do
    rm -f "$work/runs"
    "$wrapper" "$work/fake_test" "$work" "$first" "$rc1" "$second" "$rc2" >"$work/out" 2>&1
    rc=$?
    runs=$(cat "$work/runs")
    if [ "$rc" -ne "$want_rc" ] || [ "$runs" -ne "$want_runs" ]; then
        echo "FAIL $name: exit $rc after $runs run(s); wanted exit $want_rc after $want_runs"
        cat "$work/out"
        failed=1
    else
        echo "PASS $name"
    fi
done <<'EOF'
passes                      pass       0 pass    0 0 1
libjack_crash_then_passes   libjack    1 pass    0 0 2
libjack_crash_twice         libjack    1 libjack 1 1 2
libjack_crash_killed        libjack  139 pass    0 0 2
ordinary_failure            failure    1 pass    0 1 1
killed_without_report       failure  139 pass    0 139 1
crash_in_rtmidi_callback    rtmidi     1 pass    0 1 1
crash_in_the_tests_code     ours       1 pass    0 1 1
libjack_on_the_main_thread  mainthread 1 pass    0 1 1
EOF
exit "$failed"
