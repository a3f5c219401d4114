#!/usr/bin/env bash
# Counts the C++ lines git tracks that are neither blank nor only a comment:
# the program, the benchmarks, the tests (fakes, harness and fuzz targets
# included) and the tests' share of all of them.
set -euo pipefail
cd "$(dirname "$0")/.."

count() {
    git ls-files -- "$@" | grep -E '\.(cpp|h)$' | xargs -r cat |
        awk '
            /^[[:space:]]*$/ { next }
            in_block { if ($0 ~ /\*\//) in_block = 0; next }
            /^[[:space:]]*\/\// { next }
            /^[[:space:]]*\/\*/ { if ($0 !~ /\*\//) in_block = 1; next }
            { n++ }
            END { print n + 0 }'
}

tests=$(count tests)
bench=$(count bench)
all=$(count .)
product=$((all - tests - bench))
echo "product $product"
echo "bench   $bench"
echo "tests   $tests"
awk -v t="$tests" -v a="$all" 'BEGIN { printf "share   %.1f %%\n", a ? 100 * t / a : 0 }'
