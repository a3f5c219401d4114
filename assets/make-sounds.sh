#!/bin/sh
# Makes the program's four sound cues with sox. They are committed; run this
# only to change them.
set -e
cd "$(dirname "$0")"
set -- -r 22050 -b 16 -c 1
sox -n "$@" type.wav synth 0.03 sine 1400 fade q 0.002 0.03 0.02 vol 0.5
sox -n "$@" mistake.wav synth 0.16 square 220 fade q 0.005 0.16 0.05 vol 0.3
sox -n "$@" reset.wav synth 0.14 sine 900-300 fade q 0.005 0.14 0.04 vol 0.5
sox -n "$@" newrecord.wav synth 0.12 sine 523 sine 659 sine 784 sine 1047 : synth 0.12 sine 659 : synth 0.12 sine 784 : synth 0.3 sine 1047 fade q 0.005 0.3 0.1 vol 0.4
