#!/usr/bin/env bash
# Sets up a Debian machine for Tapmeter, builds it, and then either starts the
# program (run) or runs the whole test suite headless (test).
set -euo pipefail
cd "$(dirname "$0")/.."

usage() { echo "usage: scripts/dev.sh run|test" >&2; exit 2; }
[ $# -eq 1 ] || usage
mode=$1
case "$mode" in run|test) ;; *) usage ;; esac

# What building and running the program needs; the test command adds its own.
packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-multimedia-dev qt6-charts-dev libgl-dev
    # The windows' catalogues (lupdate, lrelease and their CMake package) and
    # Qt's own translations of its dialogs.
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    # msgfmt, which merges the translations into the menu entry and metainfo.
    gettext
    fonts-liberation2
    # Qt Charts' CMake package needs Qt OpenGL's, which qt6-charts-dev does
    # not bring along.
    libqt6opengl6-dev
)
if [ "$mode" = test ]; then
    packages+=(
        # The install test, and the Debian package and its check.
        desktop-file-utils appstream dpkg-dev lintian file
        # The test suite's second build, with sanitizers and fuzz targets; the
        # benchmarks (bench/run.sh).
        clang-14 libclang-rt-14-dev libbenchmark-dev jq
        # The house checks (scripts/check-house.sh) and the static analysis
        # (scripts/clang-tidy.sh).
        clang-format shellcheck clang-tidy
        # Two computers sharing a folder through real Syncthing instances
        # (tests/test_syncthing.sh): the engine, its REST interface's client
        # and ss for free ports.
        syncthing curl iproute2
    )
fi
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The configurations are the presets of CMakePresets.json: "run" builds the
# program alone, optimised; "test" adds the tests and makes every compiler
# warning an error. Without debugging information the program is on the screen
# about ten seconds sooner. The test command also keeps the house first.
if [ "$mode" = test ]; then
    scripts/check-house.sh
fi
cmake --preset "$mode"
cmake --build build -j"$(nproc)"

case "$mode" in
run)
    # The program reads its sounds and texts from, and writes results.dat to,
    # its working folder.
    cd build/run
    exec ./tapmeter
    ;;
test)
    (cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")
    # The same tests again, built with AddressSanitizer and
    # UndefinedBehaviorSanitizer, and a short run of each fuzz target (label
    # "fuzz").
    cmake --preset sanitize
    cmake --build build-sanitize -j"$(nproc)"
    # clang-tidy on the program's code, as this build compiles it: one file at
    # a time (the GCC build above is a unity build), by the clang it belongs to.
    scripts/clang-tidy.sh build-sanitize
    cd build-sanitize
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
    ;;
esac
