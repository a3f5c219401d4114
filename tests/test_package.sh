#!/bin/sh
# The Debian package holds the program and everything the desktop needs under
# /usr, depends on the libraries the program links, and lintian finds no error.
#
# usage: test_package.sh BUILD_DIR VERSION APP_ID
set -eu

build=$1 version=$2 app_id=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
for tool in cpack dpkg-deb lintian; do
    command -v $tool >/dev/null || { echo "FAIL: $tool is missing" >&2; exit 1; }
done

(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log") || { cat "$work/cpack.log" >&2; exit 1; }
deb=$work/tapmeter_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { echo "FAIL: no $deb: $(ls "$work")" >&2; exit 1; }

dpkg-deb --contents "$deb" | awk '{ print $NF }' >"$work/contents"
for path in bin/tapmeter share/tapmeter/type.wav share/tapmeter/information.txt \
    share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml \
    share/icons/hicolor/48x48/apps/$app_id.png share/icons/hicolor/scalable/apps/$app_id.svg \
    share/man/man1/tapmeter.1.gz share/doc/tapmeter/copyright; do
    grep -qx "./usr/$path" "$work/contents" || fail "the package lacks /usr/$path"
done
grep -v '^\./usr/' "$work/contents" | grep -q . && fail "the package puts files outside /usr: $(grep -v '^\./usr/' "$work/contents")"
! grep -q 'results.dat' "$work/contents" || fail "the package ships a results.dat"
dpkg-deb --field "$deb" Depends | grep -q 'libqt6widgets6' || fail "the package does not depend on Qt Widgets"

lintian --no-tag-display-limit "$deb" >"$work/lintian" 2>&1 || true
grep '^E:' "$work/lintian" >&2 && fail "lintian reports errors"
grep '^W:' "$work/lintian" >&2 || true

[ "$failures" -eq 0 ] || exit 1
echo "Debian package $deb: all checks passed"
