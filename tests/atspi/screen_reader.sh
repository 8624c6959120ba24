#!/usr/bin/env bash
# Starts the editor under a virtual X display with its own session bus and
# accessibility bus, and reads its windows as a screen reader does
# (screen_reader.py). Needs xvfb, dbus, at-spi2-core and python3-pyatspi;
# exits 77 (skipped) where one is missing. Usage: screen_reader.sh EDITOR
# Not a CTest test yet: on this machine the editor now and then never joins
# the accessibility bus of the run (about one start in four), which a test
# must not leave to chance. Run it by hand; a failure that lists controls is
# a real one.
set -euo pipefail
editor="$1"
here=$(cd "$(dirname "$0")" && pwd)
for tool in xvfb-run dbus-run-session dbus-send /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: skipped" >&2; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "python3-pyatspi is missing: skipped" >&2; exit 77; }

if [ -z "${VEKTOR_ATSPI_INSIDE:-}" ]; then
    # A runtime folder of the run's own: the accessibility bus puts its
    # socket there, apart from any other session's.
    runtime=$(mktemp -d)
    trap 'rm -rf "$runtime"' EXIT
    status=0
    VEKTOR_ATSPI_INSIDE=1 XDG_RUNTIME_DIR="$runtime" \
        xvfb-run -a -s "-screen 0 1920x1200x24" dbus-run-session -- "$0" "$editor" || status=$?
    exit "$status"
fi

home=$(mktemp -d)
editor_pid=""
cleanup() {
    [ -n "$editor_pid" ] && kill "$editor_pid" 2>/dev/null || true
    rm -rf "$home"
}
trap cleanup EXIT
# The session bus starts the accessibility bus when first asked; the editor
# asks only once, as it starts, so the bus must be there before it.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
# Qt turns its bridge on by itself only when the desktop asks for a reader.
HOME="$home" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LC_ALL=C.UTF-8 "$editor" >"$home/editor.log" 2>&1 &
editor_pid=$!
status=0
/usr/bin/python3 "$here/screen_reader.py" || status=$?
if [ "$status" != 0 ]; then
    echo "--- the editor's output:" >&2
    cat "$home/editor.log" >&2
fi
exit "$status"
