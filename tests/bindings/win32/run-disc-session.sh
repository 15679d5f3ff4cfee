#!/usr/bin/env bash
# The acceptance session under Wine, then libdvdnav on the copy it wrote:
#   tests/bindings/win32/run-disc-session.sh DRIVER.exe TREVALO.exe DISCS_DIR DVDNAV_PLAY
# DISCS_DIR and DVDNAV_PLAY come from the native build (its test discs and
# tests/dvdnav's player): the cross build can make neither.
set -euo pipefail
driver=$1 trevalo=$2 discs=$3 player=$4
here=$(cd "$(dirname "$0")" && pwd)
disc=$discs/firstplay_menus
fail() { echo "FAIL: $*" >&2; exit 1; }
[ -d "$disc/VIDEO_TS" ] && [ -x "$player" ] ||
    fail "no test disc $disc or player $player: build the native tree's trevalo_test_discs and trevalo_dvdnav_play first (make build)"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
copy=$scratch/patched
xvfb-run -a -s "-screen 0 1280x1024x24" "$here/wine-run.sh" "$driver" "$trevalo" "$disc" "$copy"
[ -f "$copy/VIDEO_TS/VIDEO_TS.IFO" ] || fail "no copy was written into $copy"

# The original reaches the feature by its VMGM menu's second button; the
# copy must start there from insert, with the registers the chain leaves
# (the guard, GPRM 4, set to 1 by the block) and the audio stream the
# session chose (0 where the chain has 1).
field() { sed -n "s/.* $1=\([^ ]*\).*/\1/p"; }
chain=$("$player" "$disc" --registers --buttons 2 | grep -m1 '^CELL VTS vts=1 tt=2 ') ||
    fail "libdvdnav never reached the feature on the original"
started=$("$player" "$copy" --registers --max-events 3 | grep -m1 '^CELL ') || fail "libdvdnav plays no cell of the copy"
echo "original: $chain"
echo "copy:     $started"
[[ "$started" == "CELL VTS vts=1 tt=2 "* ]] || fail "the copy does not start in the feature"
expected=$(field gprm <<<"$chain" | awk -F, -v OFS=, '{ $5 = 1; print }')
[ "$(field gprm <<<"$started")" = "$expected" ] || fail "the copy starts with GPRMs $(field gprm <<<"$started"), not $expected"
[ "$(field audio <<<"$chain")" = 1 ] || fail "the original's audio is $(field audio <<<"$chain")"
[ "$(field audio <<<"$started")" = 0 ] || fail "the copy's audio is $(field audio <<<"$started"), not the 0 chosen"
echo "the copy starts in the feature with the chain's registers"
