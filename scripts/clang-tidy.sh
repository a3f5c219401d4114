#!/usr/bin/env bash
# Static analysis: clang-tidy with the checks of .clang-tidy over every C++
# source the sanitizer build compiles (its compile_commands.json, written by
# the "sanitize" preset), or over the files named. Fails on any finding; a
# finding that is no fault is explained in place with NOLINT(check) and why.
# Usage: scripts/clang-tidy.sh [BUILD_FOLDER] [FILE...]
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build-sanitize}
[ $# -gt 0 ] && shift
if [ ! -f "$build/compile_commands.json" ]; then
    echo "$build/compile_commands.json is missing: configure with cmake --preset sanitize first." >&2
    exit 2
fi
if [ $# -gt 0 ]; then
    files=("$@")
else
    # The project's own sources; the files Qt's tools generate are theirs.
    mapfile -t files < <(jq -r '.[].file' "$build/compile_commands.json" |
        grep -v -e '_autogen/' -e '/build' | sort -u)
fi
printf '%s\n' "${files[@]}" |
    xargs -P "$(nproc)" -n 4 clang-tidy-14 --quiet -p "$build" 2>/dev/null |
    tee "$build/clang-tidy.log"
if grep -q ': \(warning\|error\):' "$build/clang-tidy.log"; then
    echo "clang-tidy: mend the findings above, or explain each in place with NOLINT(check) and why." >&2
    exit 1
fi
