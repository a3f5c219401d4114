#!/bin/sh
# A clean install into a temporary prefix holds everything the desktop needs,
# the program answers its command line, and the installed program gives each
# user a working folder of their own.
#
# usage: test_install.sh BUILD_DIR BINDIR DATADIR MANDIR APP_ID
# (the install folders as GNUInstallDirs names them, relative to the prefix)
set -eu

build=$1 bindir=$2 datadir=$3 mandir=$4 app_id=$5
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
program=$prefix/$bindir/tapmeter
shipped=$prefix/$datadir/tapmeter
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
expect_file() {
    [ -f "$prefix/$1" ] || fail "not installed: $1"
}
need() {
    command -v "$1" >/dev/null || { echo "FAIL: $1 is missing: install $2" >&2; exit 1; }
}
need desktop-file-validate desktop-file-utils
need appstreamcli appstream

cmake --install "$build" --prefix "$prefix" >"$work/install.log" || {
    cat "$work/install.log" >&2
    echo "FAIL: cmake --install" >&2
    exit 1
}

# The program, its sounds, texts and icons, its menu entry, metainfo and manual.
[ -x "$program" ] || fail "the program is not installed as an executable"
for file in type.wav mistake.wav reset.wav newrecord.wav whatsnew.txt information.txt \
    whatsnew_pl.txt information_pt_BR.txt; do
    expect_file "$datadir/tapmeter/$file"
    cmp -s "$shipped/$file" "$build/run/$file" || fail "$file differs from the one the program uses"
done
for size in 16x16 32x32 48x48 64x64 128x128 256x256; do
    expect_file "$datadir/icons/hicolor/$size/apps/$app_id.png"
done
svg=$prefix/$datadir/icons/hicolor/scalable/apps/$app_id.svg
grep -q '<svg' "$svg" 2>/dev/null || fail "no scalable icon $svg"
appstreamcli validate --no-net "$prefix/$datadir/metainfo/$app_id.metainfo.xml" >"$work/metainfo.log" ||
    fail "appstreamcli rejects the metainfo: $(cat "$work/metainfo.log")"
grep -q '<summary xml:lang="ru">' "$prefix/$datadir/metainfo/$app_id.metainfo.xml" ||
    fail "the metainfo has no Russian summary"
manual=$prefix/$mandir/man1/tapmeter.1.gz
gzip -dc "$manual" 2>/dev/null | grep -q -- 'version' || fail "no manual page $manual with the options"

desktop=$prefix/$datadir/applications/$app_id.desktop
if [ -f "$desktop" ]; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
    grep -qx "Exec=$program" "$desktop" || fail "the menu entry does not start the installed program"
    grep -qx "Icon=$app_id" "$desktop" || fail "the menu entry does not name the installed icon"
    grep -q '^Comment\[pl\]=' "$desktop" || fail "the menu entry has no Polish comment"
    grep -q '^Keywords\[de\]=' "$desktop" || fail "the menu entry has no German keywords"
else
    fail "no menu entry $desktop"
fi

# --help and --version answer without a display, a bad argument is refused.
# (rc, option, text expected on standard output, on standard error)
while read -r rc option out err; do
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" "$option" >"$work/out" 2>"$work/err" || status=$?
    [ "$status" -eq "$rc" ] || fail "tapmeter $option exits with $status, not $rc"
    # "-" stands for no output at all.
    [ "$out" = - ] && [ ! -s "$work/out" ] || grep -q -- "$out" "$work/out" || fail "tapmeter $option: no '$out'"
    [ "$err" = - ] && [ ! -s "$work/err" ] || grep -q -- "$err" "$work/err" || fail "tapmeter $option: no error '$err'"
    [ "$(wc -l <"$work/err")" -le 1 ] || fail "tapmeter $option prints more than a line of errors"
done <<'ROWS'
0 --help --version -
0 --help-all --version -
0 --version ^Tapmeter.4.1$ -
2 --frobnicate - frobnicate
2 word - word
ROWS

# The starter list goes where there is no results.dat, never over one.
starter=$work/starter
mkdir -p "$starter"
"$build/app/tapmeter_starterlist" "$starter/results.dat" || fail "no starter list written"
words=$(grep -c '^:::' "$starter/results.dat")
if [ "$words" -lt 30 ] || [ "$(wc -l <"$starter/results.dat")" -ne $((4 * words)) ]; then
    fail "not a list of 30 words or more"
fi
[ "$(grep -v '^:::' "$starter/results.dat" | tr -d '\r' | sort -u | tr '\n' ' ')" = "- na " ] ||
    fail "the starter list holds records"
: >"$work/empty.dat"
if ! "$build/app/tapmeter_starterlist" "$work/empty.dat" || [ -s "$work/empty.dat" ]; then
    fail "an empty results.dat was filled"
fi
# A results.dat that is a link to a file not there now (a drive not mounted)
# is the user's: nothing is written where it points.
ln -s "$work/elsewhere.dat" "$work/link.dat"
if ! "$build/app/tapmeter_starterlist" "$work/link.dat" || [ -e "$work/elsewhere.dat" ]; then
    fail "a starter list was written through a dangling link"
fi

# Starts the installed program headless with the given environment, waits
# until it has entered its working folder (or reported a problem), and kills
# it. Its folder is ready by then, before the main window loads.
start() {
    # Emptied here, not only by the background redirection, which may come
    # after the first look and leave the last run's error in view.
    : >"$work/err"
    env "$@" QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config" "$program" >"$work/out" 2>"$work/err" &
    pid=$!
    tries=0 started_in=
    while [ $tries -lt 300 ] && ! grep -q '^tapmeter:' "$work/err"; do
        started_in=$(readlink "/proc/$pid/cwd" || true)
        [ -z "$started_in" ] || [ "$started_in" = "$PWD" ] || break
        sleep 0.1
        tries=$((tries + 1))
    done
    kill -KILL $pid 2>/dev/null || true
    wait $pid 2>/dev/null || true
}

home=$work/home
mkdir -p "$home"
folder=$home/.local/share/tapmeter

# First start: the folder is made and filled, with the starter list.
start -u XDG_DATA_HOME HOME="$home"
[ "$started_in" = "$folder" ] || fail "the program did not start in $folder but in $started_in"
for file in type.wav mistake.wav reset.wav newrecord.wav whatsnew.txt information.txt; do
    cmp -s "$folder/$file" "$shipped/$file" || fail "first start did not put $file into the folder"
done
cmp -s "$folder/results.dat" "$starter/results.dat" || fail "first start did not write the starter list"

# Later starts: the user's results stay as they are, even an empty file; the
# shipped files are brought back in step with the installed ones.
for results in ':::house\r\n4.3\r\nna\r\nKim\r\n' ''; do
    printf '%b' "$results" >"$folder/results.dat"
    cp "$folder/results.dat" "$work/results.before"
    # An older text of the same size.
    tr -c '' x <"$shipped/whatsnew.txt" >"$folder/whatsnew.txt"
    rm "$folder/type.wav" "$folder/information.txt"
    # A named pipe is replaced without being read, which would wait for ever.
    mkfifo "$folder/information.txt"
    start -u XDG_DATA_HOME HOME="$home"
    cmp -s "$folder/results.dat" "$work/results.before" || fail "a start changed results.dat"
    cmp -s "$folder/whatsnew.txt" "$shipped/whatsnew.txt" || fail "an old whatsnew.txt was kept"
    [ -f "$folder/information.txt" ] || fail "a named pipe in place of information.txt was kept"
    [ -f "$folder/type.wav" ] || fail "a removed sound was not put back"
done
# The hidden lock of a killed copy (and the one Qt takes while removing a
# stale lock) may stay; the next start takes them over.
# Its own: the shipped files and results.dat.
own=$(($(find "$shipped" -mindepth 1 -maxdepth 1 | wc -l) + 1))
[ "$(find "$folder" -mindepth 1 -maxdepth 1 ! -name '.tapmeter.lock*' | wc -l)" -eq "$own" ] ||
    fail "the folder holds other files than its own: $(ls -A "$folder")"

# A data directory of the user's own choosing is honoured; a relative one is not.
start HOME="$home" XDG_DATA_HOME="$work/data"
[ "$started_in" = "$work/data/tapmeter" ] || fail "XDG_DATA_HOME was not used"
(cd "$work" && start HOME="$home" XDG_DATA_HOME="relative")
[ ! -e "$work/relative" ] || fail "a relative XDG_DATA_HOME was used"

# The program finds its data through a link, as from a packager's symlink.
mkdir -p "$work/links" "$work/linked"
ln -s "$program" "$work/links/tapmeter"
program=$work/links/tapmeter
start -u XDG_DATA_HOME HOME="$work/linked"
[ -f "$work/linked/.local/share/tapmeter/whatsnew.txt" ] || fail "started through a link, the data was not found"
program=$prefix/$bindir/tapmeter

# A folder that cannot be made is reported, and nothing is started.
: >"$work/blocker"
start HOME="$work/blocker" XDG_DATA_HOME=
grep -q "Cannot create the folder" "$work/err" || fail "the program did not say why it stopped"

[ "$failures" -eq 0 ] || exit 1
echo "install into a temporary prefix: all checks passed"
