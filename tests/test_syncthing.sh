#!/usr/bin/env bash
# One typist on two computers whose Tapmeter folders two real Syncthing
# instances keep in step, both on 127.0.0.1 and nowhere else. Each side is a
# computer of its own (its name, home, configuration and runtime folders).
# Both practise and save at the same time; then both practise while side b's
# Syncthing is stopped, and it comes back. After each, once the folders are in
# step, Tapmeter starts again on each side, and each must list the faster
# record of every word and count every attempt of both sides.
#
# usage: test_syncthing.sh TYPIST STARTERLIST
#   TYPIST is tests/typist.cpp built, STARTERLIST app/starterlist.cpp built.
# Exits 77 (skipped) where Syncthing, curl, jq or ss is not installed. With
# TAPMETER_KEEP_SYNC_TEST set, its temporary folder (both sides' folders,
# Syncthing's logs, what each typist saw) is kept for a look.
set -euo pipefail
typist=$1
starterlist=$2

for tool in syncthing curl jq ss; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed (scripts/dev.sh test installs it)"
        exit 77
    fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/tapmeter-syncthing.XXXXXX")
declare -A engine # side -> process group of its Syncthing
typists=()        # process groups of running typists
cleanup() {
    for group in "${engine[@]}" "${typists[@]}"; do
        kill -TERM -- "-$group" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    [ -n "${TAPMETER_KEEP_SYNC_TEST:-}" ] || rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

fail() {
    echo "FAIL: $*" >&2
    for side in a b; do
        echo "--- side $side: folder" >&2
        ls -la "$work/$side/Tapmeter" >&2 || true
        echo "--- side $side: Syncthing's status" >&2
        rest "$side" "db/status?folder=tapmeter" >&2 || true
        echo "--- side $side: Syncthing's log (end)" >&2
        tail -n 20 "$work/$side/syncthing.log" >&2 || true
    done
    exit 1
}

# A port nothing on this computer listens on, and none handed out before.
taken=" "
free_port() {
    local port
    while :; do
        port=$((20000 + RANDOM % 30000))
        if [[ $taken != *" $port "* ]] && [ -z "$(ss -Htln "sport = :$port")" ]; then
            taken+="$port "
            echo "$port"
            return
        fi
    done
}

declare -A id listen gui
key=tapmeter-test-key
for side in a b; do
    mkdir -p "$work/$side/Tapmeter/.stfolder" "$work/$side/config/Tapmeter" "$work/$side/home"
    mkdir -m 700 "$work/$side/run"
    syncthing generate --home="$work/$side/syncthing" --no-default-folder --skip-port-probing >/dev/null 2>&1
    id[$side]=$(syncthing serve --home="$work/$side/syncthing" --device-id)
    listen[$side]=$(free_port)
    gui[$side]=$(free_port)
done
declare -A names=([a]=Ann [b]=Bob)

# Each instance: both devices, the Tapmeter folder shared between them,
# rescanned every 2 s and watched; every way out of 127.0.0.1 off.
for side in a b; do
    cat >"$work/$side/syncthing/config.xml" <<EOF
<configuration version="36">
    <folder id="tapmeter" label="Tapmeter" path="$work/$side/Tapmeter" type="sendreceive"
            rescanIntervalS="2" fsWatcherEnabled="true" fsWatcherDelayS="1">
        <device id="${id[a]}"></device>
        <device id="${id[b]}"></device>
    </folder>
    <device id="${id[a]}" name="a"><address>tcp://127.0.0.1:${listen[a]}</address></device>
    <device id="${id[b]}" name="b"><address>tcp://127.0.0.1:${listen[b]}</address></device>
    <gui enabled="true" tls="false">
        <address>127.0.0.1:${gui[$side]}</address>
        <apikey>$key</apikey>
    </gui>
    <options>
        <listenAddress>tcp://127.0.0.1:${listen[$side]}</listenAddress>
        <globalAnnounceEnabled>false</globalAnnounceEnabled>
        <localAnnounceEnabled>false</localAnnounceEnabled>
        <relaysEnabled>false</relaysEnabled>
        <natEnabled>false</natEnabled>
        <urAccepted>-1</urAccepted>
        <crashReportingEnabled>false</crashReportingEnabled>
        <autoUpgradeIntervalH>0</autoUpgradeIntervalH>
        <startBrowser>false</startBrowser>
        <reconnectionIntervalS>1</reconnectionIntervalS>
    </options>
</configuration>
EOF
    printf '[Settings]\nSounds=0\nRecordName=%s\n' "${names[$side]}" >"$work/$side/config/Tapmeter/Tapmeter.ini"
done

rest() { # side path
    curl -fs --max-time 5 -H "X-API-Key: $key" "http://127.0.0.1:${gui[$1]}/rest/$2"
}

# Waits up to the given seconds for the command to succeed.
wait_for() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.5
    done
}

start_engine() {
    local side=$1
    STNOUPGRADE=1 setsid syncthing serve --home="$work/$side/syncthing" --no-browser --no-restart \
        --logfile="$work/$side/syncthing.log" >/dev/null 2>&1 &
    engine[$side]=$!
    wait_for 30 rest "$side" system/ping >/dev/null || fail "Syncthing on side $side did not start"
}

stop_engine() {
    local side=$1
    kill -TERM -- "-${engine[$side]}"
    wait "${engine[$side]}" || true
    unset "engine[$side]"
}

connected() {
    local other=$2
    rest "$1" system/connections | jq -e --arg id "${id[$other]}" '.connections[$id].connected' >/dev/null
}

# Every file (name and contents) of the folder, Syncthing's own left out
# (its marker and the temporary files it keeps of a pull cut short).
contents() {
    (cd "$work/$1/Tapmeter" && find . -path ./.stfolder -prune -o -type f ! -name '.syncthing.*.tmp' -print0 |
        sort -z | xargs -0r sha256sum)
}

in_step() {
    local side other
    for side in a b; do
        other=$([ "$side" = a ] && echo b || echo a)
        rest "$side" "db/status?folder=tapmeter" | jq -e '.state == "idle" and .needTotalItems == 0' >/dev/null &&
            rest "$side" "db/completion?folder=tapmeter&device=${id[$other]}" | jq -e '.completion == 100' \
                >/dev/null || return 1
    done
    [ "$(contents a)" = "$(contents b)" ]
}

wait_in_step() {
    local started=$SECONDS
    if ! wait_for 30 connected a b || ! wait_for 30 connected b a; then
        fail "the two Syncthing instances did not meet"
    fi
    wait_for 60 in_step || fail "the folders did not come into step within 60 s"
    echo "in step after $((SECONDS - started)) s"
}

show_folder() {
    echo "The folder holds: $(cd "$work/a/Tapmeter" && find . -mindepth 1 -maxdepth 1 ! -name .stfolder -printf '%f  ')"
}

# Tapmeter on one side, typing the words given (WORD:PAUSE); what the typist
# sees goes to $work/SIDE.out.
typist_on() {
    local side=$1
    shift
    env HOME="$work/$side/home" XDG_CONFIG_HOME="$work/$side/config" XDG_RUNTIME_DIR="$work/$side/run" \
        TAPMETER_COMPUTER="$side" setsid "$typist" "$work/$side/Tapmeter" "$@" >"$work/$side.out" 2>"$work/$side.err" &
    typists+=($!)
}

# Waits for the typists started, each of which must have started and closed.
typists_done() {
    local group side
    for group in "${typists[@]}"; do
        wait "$group" || fail "a Tapmeter ended with $?: $(cat "$work/a.out" "$work/b.out")"
    done
    typists=()
    for side in a b; do
        sed "s/^/  $side: /" "$work/$side.out"
    done
}

# After a restart, each side lists the record of a word as expected, and
# counts every attempt of both sides.
expect() { # word time-is-under name-of-record
    local side
    for side in a b; do
        awk -F'\t' -v word="$1" -v under="$2" -v name="$3" '
            $1 == word { found = 1; ok = $2 + 0 < under + 0 && $3 == name }
            END { exit !(found && ok) }' "$work/$side.out" ||
            fail "side $side does not list $1 in under $2 s by $3"
    done
}
# results.dat, the file a friend's Tapmeter reads, holds the record by name
# in both folders.
expect_saved() { # word name-of-record
    local side
    for side in a b; do
        awk -v word=":::$1" -v name="$2" '{ sub(/\r$/, "") } $0 == word { at = NR } at && NR == at + 3 { found = $0 == name }
            END { exit !found }' "$work/$side/Tapmeter/results.dat" || fail "side $side's results.dat lacks $1 by $2"
    done
}
expect_attempts() {
    local side
    for side in a b; do
        grep -q "All time: $1\$" "$work/$side.out" || fail "side $side does not count $1 attempts"
    done
}

started=$SECONDS
"$starterlist" "$work/a/Tapmeter/results.dat"
start_engine a
start_engine b
wait_in_step

echo "Both practise and save at the same time:"
typist_on a house:0 water:300
typist_on b house:300 water:0
typists_done
wait_in_step
show_folder
typist_on a
typist_on b
typists_done
expect house 0.5 Ann
expect water 0.5 Bob
expect_attempts 4
wait_in_step

echo "Both practise while side b's Syncthing is stopped:"
stop_engine b
typist_on a world:0 school:300 house:300
typist_on b world:300 school:0 water:300
typists_done
declare -A saved
for side in a b; do
    saved[$side]=$(sha256sum <"$work/$side/Tapmeter/results.dat")
done
start_engine b
wait_in_step
show_folder
for side in a b; do
    if [ "${saved[$side]}" = "$(sha256sum <"$work/a/Tapmeter/results.dat")" ]; then
        echo "Syncthing kept side $side's results.dat on both sides"
    fi
done
typist_on a
typist_on b
typists_done
expect world 0.5 Ann
expect school 0.5 Bob
expect house 0.5 Ann
expect water 0.5 Bob
expect_attempts 10
wait_in_step
show_folder
expect_saved house Ann
expect_saved water Bob
expect_saved world Ann
expect_saved school Bob

echo "PASS in $((SECONDS - started)) s"
