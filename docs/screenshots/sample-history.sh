#!/usr/bin/env bash
# Fills a working folder with five words, their records and some practice in
# history.csv, for the screenshots of the Progress window:
#   docs/screenshots/sample-history.sh FOLDER [DAYS]
# DAYS is how many days of practice, 28 (four weeks) unless given; 1 makes a
# first evening of twenty words. Then start the program in FOLDER and choose
# "Progress".
set -euo pipefail
folder=${1:?usage: $0 FOLDER [DAYS]}
days=${2:-28}
mkdir -p "$folder"
words=(keyboard quick practice "rhythm, steady" Tapmeter)
starts=(62 38 70 95 55)   # tenths of a second on the first day
bests=(34 21 41 58 30)    # where each word ends up after four weeks
# Letters typed in place of others, as neighbouring keys make them.
wrong=(r e s d o i)

{
    printf 'date,word,seconds,letters,fixes,record,milliseconds,mistakes\r\n'
    RANDOM=7
    fastest=(999 999 999 999 999)
    today=$(date +%Y-%m-%d)
    per_word=3
    [ "$days" -gt 1 ] || per_word=4
    for day in $(seq $((days - 1)) -1 0); do
        # A few days off each week.
        if [ "$days" -gt 1 ] && { [ $((day % 7)) -eq 3 ] || [ $((day % 9)) -eq 5 ]; }; then
            continue
        fi
        date=$(date -d "$today -$day days" +%Y-%m-%d)
        offset=$(date -d "$date 15:00" +%:z)
        # How far along the four weeks this day is: a first evening starts slow.
        age=$((days > 1 ? day * 27 / (days - 1) : 27))
        second=0
        for i in "${!words[@]}"; do
            word=${words[$i]}
            for _ in $(seq "$per_word"); do
                # Faster by the day, with the ups and downs of a real evening.
                tenths=$((bests[i] + (starts[i] - bests[i]) * age / 27 + RANDOM % 9 - 3))
                milliseconds=$((tenths * 100 + RANDOM % 100))
                record=0
                if [ "$tenths" -lt "${fastest[$i]}" ]; then
                    record=1
                    fastest[i]=$tenths
                fi
                mistakes=""
                fixes=0
                if [ $((RANDOM % 3)) -eq 0 ]; then
                    position=$((RANDOM % ${#word} + 1))
                    mistakes="$position:${word:position-1:1}>${wrong[RANDOM % ${#wrong[@]}]}"
                    fixes=1
                fi
                quoted=$word
                [[ $word == *,* ]] && quoted="\"$word\""
                printf '%sT15:%02d:%02d%s,%s,%d.%d,%d,%d,%d,%d,%s\r\n' "$date" $((second / 60)) $((second % 60)) \
                    "$offset" "$quoted" $((tenths / 10)) $((tenths % 10)) ${#word} "$fixes" "$record" \
                    "$milliseconds" "$mistakes"
                second=$((second + 37))
            done
        done
    done
} >"$folder/history.csv"

# The records the main window holds: the fastest time of each word.
for i in "${!words[@]}"; do
    printf ':::%s\r\n%d.%d\r\n%s\r\nSam\r\n' "${words[$i]}" $((fastest[i] / 10)) $((fastest[i] % 10)) \
        "$(date +%d/%m/%Y) 15:00:00"
done >"$folder/results.dat"
