#!/usr/bin/env bash
# Seeds for the disc fuzz targets from the discs the build authored, in the
# form tests/fuzz/DiscInput.h reads, with truncations of each:
#   tests/fuzz/disc-seeds.sh BUILD_DIR OUT_DIR
set -euo pipefail
build=$1
out=$2
mkdir -p "$out/DiscReader" "$out/DiscInsert"
be32() { printf '%08x' "$1" | xxd -r -p; }
for folder in "$build"/tests/discs/*/VIDEO_TS; do
    [ -f "$folder/VIDEO_TS.IFO" ] || continue
    disc=$(basename "$(dirname "$folder")")
    vmg="$folder/VIDEO_TS.IFO"
    vts="$folder/VTS_01_0.IFO"
    size=$(stat -c %s "$vmg")
    { printf '\x03'; be32 "$size"; cat "$vmg" "$vts"; } >"$out/DiscReader/$disc-whole"
    { printf '\x00'; cat "$vmg"; } >"$out/DiscReader/$disc-vmg"
    { printf '\x01'; cat "$vts"; } >"$out/DiscReader/$disc-vts"
    if [ -f "$folder/VIDEO_TS.VOB" ]; then
        { printf '\x02'; head -c 2048 "$folder/VIDEO_TS.VOB"; } >"$out/DiscReader/$disc-nav"
    fi
    for cut in 1000 2100 3000 5000; do
        { printf '\x01'; head -c "$cut" "$vts"; } >"$out/DiscReader/$disc-vts-$cut"
    done
    for pick in 0 1 2 3 5 8; do
        { printf "\\x$(printf %02x "$pick")\\x07"; be32 "$size"; cat "$vmg" "$vts"; } >"$out/DiscInsert/$disc-$pick"
    done
done
