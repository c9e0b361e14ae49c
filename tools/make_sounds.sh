#!/bin/sh
# Usage: make_sounds.sh OUTDIR
# Speaks each pair's dialect text with espeak-ng's German voice into
# OUTDIR/<n>.wav. The texts come from the phrase table itself, through a
# small host program, so they cannot drift from what the program shows.
# HOST_CXX and ESPEAK_NG may name the tools; default g++ and espeak-ng.
set -eu

cxx=${HOST_CXX:-g++}
espeak=${ESPEAK_NG:-espeak-ng}

if [ $# -ne 1 ]; then
    echo "usage: $0 OUTDIR" >&2
    exit 2
fi

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
out=$1
mkdir -p "$out"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Host compiler on purpose: the project itself may be cross-compiling.
"$cxx" -std=c++17 -O0 -finput-charset=UTF-8 -fexec-charset=UTF-8 \
    -o "$work/phrase_texts" \
    "$here/phrase_texts.cpp" "$root/phrases/PhraseTable.cpp"
"$work/phrase_texts" > "$work/texts.tsv"

count=0
while IFS="$(printf '\t')" read -r number text; do
    # Write beside the target and rename, so a failed run leaves no half file.
    "$espeak" -v de -w "$out/$number.wav.tmp" -- "$text"
    mv -f "$out/$number.wav.tmp" "$out/$number.wav"
    count=$((count + 1))
done < "$work/texts.tsv"

if [ "$count" -ne 20 ]; then
    echo "$0: expected 20 phrases, got $count" >&2
    exit 1
fi
