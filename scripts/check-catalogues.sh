#!/usr/bin/env bash
# Checks the windows' catalogues against the code: lupdate brings a copy of
# each one up to date (the committed file is left as it is), and every text
# must have a finished translation and no text may be one the code no longer
# has. Run by ctest as test_catalogues.
# Usage: scripts/check-catalogues.sh LUPDATE SOURCE-LIST CATALOGUE.ts...
set -euo pipefail
lupdate=$1
sources=$2
shift 2
copies=$(mktemp -d)
trap 'rm -rf "$copies"' EXIT

failed=0
for catalogue in "$@"; do
    copy=$copies/$(basename "$catalogue")
    cp "$catalogue" "$copy"
    if ! said=$("$lupdate" -silent -locations none "@$sources" -ts "$copy" 2>&1); then
        printf '%s could not be brought up to date by lupdate:\n%s\n' "$catalogue" "$said"
        failed=1
        continue
    fi
    # lupdate marks a text it finds no more "vanished" or "obsolete", and a
    # new one "unfinished"; a translation or plural form left empty is no
    # finished one either. Each text is named by its context and its source.
    found=$(awk '
        function named(s) {
            gsub(/&apos;/, "\x27", s); gsub(/&quot;/, "\"", s)
            gsub(/&lt;/, "<", s); gsub(/&gt;/, ">", s); gsub(/&amp;/, "\\&", s)
            return "  [" context "] \"" s "\""
        }
        /<name>/ { context = $0; gsub(/ *<\/?name>/, "", context) }
        /<message/ { source = ""; fault = "" }
        /<source>/ { in_source = 1 }
        in_source { source = source (source == "" ? "" : "\n") $0; if (/<\/source>/) in_source = 0 }
        /<translation type="(vanished|obsolete)"/ { fault = "is a text the code no longer has" }
        /<translation type="unfinished"|<translation><\/translation>|<numerusform><\/numerusform>/ {
            fault = "has no finished translation"
        }
        /<\/message>/ && fault != "" {
            sub(/^ *<source>/, "", source); sub(/<\/source>$/, "", source)
            print named(source) " " fault
        }' "$copy")
    if [ -n "$found" ]; then
        printf 'In translations/%s:\n%s\n' "$(basename "$catalogue")" "$found"
        failed=1
    fi
done
if [ "$failed" -ne 0 ]; then
    echo 'Run "cmake --build build --target update_translations", then translate each text in every' \
        'translations/tapmeter_*.ts and remove its type="unfinished" (docs/HACKING.md, "Texts and languages").'
fi
exit "$failed"
