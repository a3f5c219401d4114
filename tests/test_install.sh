#!/bin/sh
# A clean install into a temporary prefix holds everything the desktop needs,
# and the installed launcher gives each user a working folder of their own.
#
# usage: test_install.sh BUILD_DIR BINDIR LIBEXECDIR DATADIR APP_ID
# (the install folders as GNUInstallDirs names them, relative to the prefix)
set -eu

build=$1 bindir=$2 libexecdir=$3 datadir=$4 app_id=$5
work=$(mktemp -d)
# An install writes its list of files into the build folder; the list of the
# user's own install, which tells what to remove, must survive this one.
manifest=$build/install_manifest.txt
[ ! -f "$manifest" ] || cp "$manifest" "$work/manifest.before"
restore() {
    if [ -f "$work/manifest.before" ]; then
        cp "$work/manifest.before" "$manifest"
    else
        rm -f "$manifest"
    fi
    rm -rf "$work"
}
trap restore EXIT
prefix=$work/prefix
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
expect_file() {
    [ -f "$prefix/$1" ] || fail "not installed: $1"
}

cmake --install "$build" --prefix "$prefix" >"$work/install.log" || {
    cat "$work/install.log" >&2
    echo "FAIL: cmake --install" >&2
    exit 1
}

# The program, its sounds, texts and icons, and its menu entry.
[ -x "$prefix/$libexecdir/tapmeter/tapmeter" ] || fail "the program is not installed as an executable"
[ -x "$prefix/$bindir/tapmeter" ] || fail "the launcher is not installed as an executable"
for file in type.wav mistake.wav reset.wav newrecord.wav whatsnew.txt information.txt; do
    expect_file "$datadir/tapmeter/$file"
    cmp -s "$prefix/$datadir/tapmeter/$file" "$build/run/$file" || fail "$file differs from the one the program uses"
done
for size in 16 32 48 64 128 256; do
    expect_file "$datadir/icons/hicolor/${size}x$size/apps/$app_id.png"
done

desktop=$prefix/$datadir/applications/$app_id.desktop
if [ -f "$desktop" ]; then
    if ! command -v desktop-file-validate >/dev/null; then
        fail "desktop-file-validate is missing: install desktop-file-utils"
    elif ! desktop-file-validate "$desktop"; then
        fail "desktop-file-validate rejects $desktop"
    fi
    grep -qx "Exec=$prefix/$bindir/tapmeter" "$desktop" || fail "the menu entry does not start the installed launcher"
    grep -qx "Icon=$app_id" "$desktop" || fail "the menu entry does not name the installed icon"
else
    fail "no menu entry $desktop"
fi

# The launcher, with a stand-in for the program that tells where it was
# started and with what.
cat >"$prefix/$libexecdir/tapmeter/tapmeter" <<'STUB'
#!/bin/sh
pwd >started-in
echo "$@" >started-with
STUB
chmod +x "$prefix/$libexecdir/tapmeter/tapmeter"

home=$work/home
mkdir -p "$home"
folder=$home/.local/share/tapmeter

# First start: the folder is made and filled.
env -u XDG_DATA_HOME HOME="$home" "$prefix/$bindir/tapmeter" --first || fail "the launcher failed on the first start"
[ "$(cat "$folder/started-in" 2>/dev/null)" = "$folder" ] || fail "the program did not start in $folder"
[ "$(cat "$folder/started-with" 2>/dev/null)" = "--first" ] || fail "the launcher did not pass its arguments on"
for file in type.wav mistake.wav reset.wav newrecord.wav whatsnew.txt information.txt; do
    cmp -s "$folder/$file" "$prefix/$datadir/tapmeter/$file" || fail "first start did not put $file into the folder"
done

# Later starts: the user's results stay as they are, the shipped files are
# brought back in step with the installed ones.
printf ':::house\r\n4.3\r\nna\r\nKim\r\n' >"$folder/results.dat"
cp "$folder/results.dat" "$work/results.before"
echo "an older text" >"$folder/whatsnew.txt"
rm "$folder/type.wav"
env -u XDG_DATA_HOME HOME="$home" "$prefix/$bindir/tapmeter" || fail "the launcher failed on a later start"
cmp -s "$folder/results.dat" "$work/results.before" || fail "the launcher changed results.dat"
cmp -s "$folder/whatsnew.txt" "$prefix/$datadir/tapmeter/whatsnew.txt" || fail "an old whatsnew.txt was kept"
[ -f "$folder/type.wav" ] || fail "a removed sound was not put back"
[ -z "$(find "$folder" -name '.*.new')" ] || fail "the launcher left temporary files behind"

# A data directory of the user's own choosing is honoured; a relative one is not.
env HOME="$home" XDG_DATA_HOME="$work/data" "$prefix/$bindir/tapmeter" || fail "the launcher failed with XDG_DATA_HOME"
[ -f "$work/data/tapmeter/started-in" ] || fail "XDG_DATA_HOME was not used"
(cd "$work" && env HOME="$home" XDG_DATA_HOME="relative" "$prefix/$bindir/tapmeter") ||
    fail "the launcher failed with a relative XDG_DATA_HOME"
[ ! -e "$work/relative" ] || fail "a relative XDG_DATA_HOME was used"

# The launcher is found through a link, as from a packager's symlink.
mkdir -p "$work/links"
ln -s "$prefix/$bindir/tapmeter" "$work/links/tapmeter"
rm "$folder/started-in"
env -u XDG_DATA_HOME HOME="$home" "$work/links/tapmeter" || fail "the launcher failed when started through a link"
[ -f "$folder/started-in" ] || fail "the launcher did not find the program when started through a link"

# A folder that cannot be made is reported, and nothing is started.
: >"$work/blocker"
if env HOME="$work/blocker" XDG_DATA_HOME= "$prefix/$bindir/tapmeter" 2>"$work/launcher.err"; then
    fail "the launcher went on without a folder"
fi
grep -q "cannot create the folder" "$work/launcher.err" || fail "the launcher did not say why it stopped"

[ "$failures" -eq 0 ] || exit 1
echo "install into a temporary prefix: all checks passed"
