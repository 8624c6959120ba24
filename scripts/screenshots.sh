#!/usr/bin/env bash
# Retakes the README's screenshots: builds the editor and renders every window
# under a virtual X display (xvfb-run, package xvfb) into docs/screenshots/.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${VEKTOR_BUILD_DIR:-$here/build}
cmake -S "$here" -B "$build" >/dev/null
cmake --build "$build" -j"$(nproc)" --target take_screenshots
cd "$here"
# The README shows the English texts, whatever the desktop's language.
export LC_ALL=C.UTF-8
if command -v xvfb-run >/dev/null; then
    QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1920x1200x24" "$build/tools/take_screenshots" docs/screenshots
else
    echo "xvfb-run not found: rendering offscreen instead" >&2
    QT_QPA_PLATFORM=offscreen "$build/tools/take_screenshots" docs/screenshots
fi
