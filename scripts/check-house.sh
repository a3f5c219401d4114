#!/usr/bin/env bash
# The house rules the test command keeps: every tracked C++ file formatted by
# .clang-format, every shell script clean under shellcheck, and no include
# that reaches into a layer its folder may not use (docs/HACKING.md). Each
# finding names the file and the line.
set -euo pipefail
cd "$(dirname "$0")/.."

status=0
mapfile -t sources < <(git ls-files -- '*.cpp' '*.h')
if ! clang-format --dry-run --Werror "${sources[@]}"; then
    echo "Formatting: run clang-format -i on the files above." >&2
    status=1
fi
mapfile -t scripts < <(git ls-files -- '*.sh' .ci/run)
if ! shellcheck -f gcc "${scripts[@]}"; then
    status=1
fi
# The folders each folder's code may include from.
declare -A allowed=(
    [platform]="platform"
    [database]="database platform"
    [merge]="merge database platform"
    [about]="about platform"
    [progress]="progress platform"
    [trainer]="trainer database merge about progress platform"
    [app]="app trainer database platform"
)
for source in "${sources[@]}"; do
    folder=${source%%/*}
    [ -n "${allowed[$folder]:-}" ] || continue
    while IFS=: read -r line included; do
        if [[ " ${allowed[$folder]} " != *" $included "* ]]; then
            echo "$source:$line: error: $folder/ may not include from $included/" >&2
            status=1
        fi
    done < <(grep -n -o '^#include "[a-z_]*/' "$source" | sed 's/#include "//; s/\/$//')
done
exit $status
