#!/usr/bin/env bash
# Static analysis: clang-tidy with the checks of .clang-tidy over the
# program's own C++ sources (not the tests or the benchmarks) as a built
# build folder compiles them, or over the files named. It reads the folder's
# compile_commands.json and the headers its build generated, so run it after
# building: the test command runs it on build-sanitize, which the "sanitize"
# preset configures with the compile database and without a unity build.
# Fails on any finding; one that is no fault is explained in place with
# NOLINT(check) and why.
# Usage: scripts/clang-tidy.sh [BUILD_FOLDER] [FILE...]
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build-sanitize}
[ $# -gt 0 ] && shift
if [ ! -f "$build/compile_commands.json" ]; then
    echo "$build/compile_commands.json is missing: build with cmake --preset sanitize first." >&2
    exit 2
fi
if [ $# -gt 0 ]; then
    files=("$@")
else
    files=()
    while read -r file; do
        relative=${file#"$PWD"/}
        if [[ $relative =~ ^(about|app|database|merge|platform|progress|trainer)/[^/]+\.cpp$ ]]; then
            files+=("$relative")
        fi
    done < <(jq -r '.[].file' "$build/compile_commands.json" | sort -u)
fi
# clang-tidy reports its findings on standard output and counts the warnings
# it kept quiet about (those in Qt's headers) on standard error.
if printf '%s\n' "${files[@]}" |
    xargs -P "$(nproc)" -n 1 clang-tidy-14 --quiet -p "$build" 2> >(grep -v 'warnings\? generated\.$' >&2); then
    echo "clang-tidy: ${#files[@]} files, no findings."
else
    echo "clang-tidy: mend the findings above, or explain each in place with NOLINT(check) and why." >&2
    exit 1
fi
