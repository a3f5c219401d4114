#!/usr/bin/env bash
# The house rules the test command keeps: every tracked C++ file formatted by
# .clang-format, every shell script clean under shellcheck. Each finding names
# the file and the line.
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
exit $status
