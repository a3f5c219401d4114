#!/bin/sh
# Time from a clean clone to the main window on the screen: clones this
# repository into a temporary folder, runs "scripts/dev.sh run" there (the
# packages already installed) and stops the clock when the window is mapped.
# No compiler cache is used, as a new user has none.
#
# usage: bench/time-to-window.sh [X_DISPLAY]   (default: the current $DISPLAY)
set -eu
display=${1:-${DISPLAY:?give an X display, for example :1 of an Xvfb}}
for tool in git xdotool; do
    command -v $tool >/dev/null || { echo "$tool is missing" >&2; exit 1; }
done
repo=$(cd "$(dirname "$0")/.." && pwd)
clone=$(mktemp -d)
trap 'rm -rf "$clone"' EXIT

started=$(date +%s.%N)
git clone -q "$repo" "$clone/tapmeter"
cd "$clone/tapmeter"
CCACHE_DISABLE=1 DISPLAY=$display scripts/dev.sh run >"$clone/run.log" 2>&1 &
window=$(DISPLAY=$display xdotool search --sync --onlyvisible --name '^Tapmeter [0-9.]+$')
shown=$(date +%s.%N)
kill "$(DISPLAY=$display xdotool getwindowpid "$window")" 2>/dev/null || true
wait || true
words=$(grep -c '^:::' build/run/results.dat || true)
echo "clean clone to window: $(awk "BEGIN { printf \"%.1f\", $shown - $started }") s, $words words listed; load average now $(cut -d' ' -f1-3 /proc/loadavg)"
# The processor time of the clone, the build and the start, which other work
# on the machine does not stretch as it does the time above: user, system.
times >"$clone/times"
echo "processor time of the children: $(tail -1 "$clone/times")"
