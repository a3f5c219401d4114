#!/usr/bin/env bash
# Fills a working folder with five words, their records and four weeks of
# practice in history.csv, for the screenshot of the Progress window:
#   docs/screenshots/sample-history.sh FOLDER
# Then start the program in FOLDER and choose "Progress".
set -euo pipefail
folder=${1:?usage: $0 FOLDER}
mkdir -p "$folder"
words=(keyboard quick practice "rhythm, steady" Tapmeter)
starts=(62 38 70 95 55)   # tenths of a second on the first day
bests=(34 21 41 58 30)    # where each word ends up

{
    printf 'date,word,seconds,letters,fixes,record\r\n'
    RANDOM=7
    fastest=(999 999 999 999 999)
    today=$(date +%Y-%m-%d)
    for day in $(seq 27 -1 0); do
        # A few days off each week.
        [ $((day % 7)) -eq 3 ] || [ $((day % 9)) -eq 5 ] && continue
        date=$(date -d "$today -$day days" +%Y-%m-%d)
        offset=$(date -d "$date 19:00" +%:z)
        second=0
        for i in "${!words[@]}"; do
            word=${words[$i]}
            for _ in 1 2 3; do
                # Faster by the day, with the ups and downs of a real evening.
                tenths=$(( bests[i] + (starts[i] - bests[i]) * day / 27 + RANDOM % 9 - 3 ))
                record=0
                [ "$tenths" -lt "${fastest[$i]}" ] && record=1 && fastest[i]=$tenths
                quoted=$word
                [[ $word == *,* ]] && quoted="\"$word\""
                printf '%sT19:%02d:%02d%s,%s,%d.%d,%d,%d,%d\r\n' "$date" $((second / 60)) $((second % 60)) \
                    "$offset" "$quoted" $((tenths / 10)) $((tenths % 10)) ${#word} $((RANDOM % 3)) $record
                second=$((second + 37))
            done
        done
    done
} > "$folder/history.csv"

# The records the main window holds: the fastest time of each word.
for i in "${!words[@]}"; do
    printf ':::%s\r\n%d.%d\r\n%s\r\nSam\r\n' "${words[$i]}" $((fastest[i] / 10)) $((fastest[i] % 10)) \
        "$(date +%d/%m/%Y) 19:00:00"
done > "$folder/results.dat"
