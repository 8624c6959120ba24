#!/usr/bin/env bash
# jack_server.sh stop must not fail when a JACK server it lists quits before
# it reads the server's environment: every test run on the machine (with the
# same user) starts and stops servers of its own meanwhile.
#   test_jack_server_script.sh JACK_SERVER_SCRIPT
set -uo pipefail

script=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A pgrep that lists a server gone by the time it is looked at.
mkdir "$work/bin"
printf '#!/bin/sh\necho 2147483646\n' >"$work/bin/pgrep"
chmod +x "$work/bin/pgrep"
if PATH=$work/bin:$PATH JACK_DEFAULT_SERVER=vektor-test-script-$$ "$script" stop "$work/state" >"$work/out" 2>&1; then
    echo "PASS a server that quit while listed"
else
    cat "$work/out"
    echo "FAIL: jack_server.sh stop failed over a server that quit while listed"
    exit 1
fi
