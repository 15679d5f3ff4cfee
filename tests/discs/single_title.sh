#!/bin/sh
# single_title.sh DIR: authors DIR/VIDEO_TS, the smallest PAL disc: one
# title set of one title of one cell, no menus anywhere (no VMGM or VTSM
# language units, no menu VOBs).
#
# First Play: dvdauthor's own (no <fpc>): pre JumpTT 1
# Title set 1 (4:3): one audio stream, no sub-picture
#   title 1 (pgc 1): one cell, one chapter; no pre, post or cell commands:
#     its command table is empty (dvdauthor always writes one, so an empty
#     table is as close as it comes to a PGC without one)
#
# From insert: First Play -> title 1, cell 1 -> the player stops.
set -eu
. "$(dirname "$0")/common.sh"

disc_begin "$1" PAL
make_clip "$WORK/t1.mpg" testsrc 4:3 440

cat >"$WORK/disc.xml" <<'EOF'
<dvdauthor>
  <vmgm/>
  <titleset>
    <titles>
      <video format="pal" aspect="4:3"/>
      <pgc>
        <vob file="t1.mpg"/>
        <post></post>
      </pgc>
    </titles>
  </titleset>
</dvdauthor>
EOF
author_disc "$WORK/disc.xml"
write_summary <<'EOF'
VMG titlesets=1 titles=1
TITLE 1 vts=1 ttn=1 chapters=1
FP programs=0 cells=0 pre=1 post=0 cellcmds=0
VTS vts=1 format=PAL aspect=4:3 audio=1 subpictures=0
VTS vts=1 pgc=1 title=1 programs=1 cells=1 pre=0 post=0 cellcmds=0
EOF
