#!/bin/sh
# two_titlesets.sh DIR: authors DIR/VIDEO_TS, an NTSC disc of two title
# sets, cell commands and a VMGM menu that only dispatches. No buttons:
# it plays from insert to its end by itself. dvdauthor's source for each
# PGC below, and what it compiles to where that matters.
#
# First Play: dvdauthor's own (no <fpc>): pre JumpSS VMGM title menu
#
# VMGM, one language unit (en): one PGC
#   pgc 1, entry title, no cells, 8 pre commands with Gotos:
#     if (g1 eq 0) { g1 = 1; jump title 1; }
#     if (g1 eq 1) { g1 = 2; jump title 3; }
#     g1 = 3; jump title 2;
#   post Exit (dvdauthor adds)
#
# Title set 1 (4:3): no menus; two audio streams (en, de), one sub-picture
# stream (de), never switched on (SPRM 2 keeps its start value)
#   title 1 (pgc 1): four cells, four programs, three chapters
#     pre  g4 = 0
#     cell 1, chapter 1, cell command g4 = g4 + 1
#     cell 2, chapter 2, cell command g4 = g4 + 10
#     cell 3, a program in chapter 2, cell command
#       if (g4 lt 20) jump chapter 2   (one command: LinkPTTN 2 if g4 < 20)
#     cell 4, chapter 3, no command
#     post call vmgm menu (CallSS VMGM title menu, resume cell 1)
#   title 2 (pgc 2): one cell, no pre, post Exit (dvdauthor adds)
#
# Title set 2 (16:9): no menus; one audio stream, no sub-picture
#   title 3 (pgc 1 of the set): two cells in one program, one chapter
#     pre  g5 = 5
#     cell 1, chapter 1
#     cell 2, no program mark, a still of 1 s at its end
#     post call vmgm menu
#
# From insert: First Play -> VMGM pgc 1 -> title 1: cells 1, 2, 3 (g4 = 11,
# so back to chapter 2), 2, 3 (g4 = 21), 4 -> VMGM pgc 1 -> title 3: cells
# 1, 2 -> VMGM pgc 1 -> title 2 -> Exit, the player stops. g1 counts the
# passes through the VMGM: 1, 2, 3.
set -eu
. "$(dirname "$0")/common.sh"

disc_begin "$1" NTSC
make_clip "$WORK/a-av.mpg" testsrc 4:3 440 550
add_subtitle "$WORK/a-av.mpg" "$WORK/a1.mpg"
# Copies, not one file four times: dvdauthor would give the cells one and
# the same VOB.
for n in 2 3 4; do cp "$WORK/a1.mpg" "$WORK/a$n.mpg"; done
make_clip "$WORK/b1.mpg" smptebars 4:3 330 440
make_clip "$WORK/w1.mpg" smptebars 16:9 880
cp "$WORK/w1.mpg" "$WORK/w2.mpg"

cat >"$WORK/disc.xml" <<'EOF'
<dvdauthor>
  <vmgm>
    <menus>
      <video format="ntsc" aspect="4:3"/>
      <pgc entry="title">
        <pre>
          if (g1 eq 0) { g1 = 1; jump title 1; }
          if (g1 eq 1) { g1 = 2; jump title 3; }
          g1 = 3;
          jump title 2;
        </pre>
      </pgc>
    </menus>
  </vmgm>
  <titleset>
    <titles>
      <video format="ntsc" aspect="4:3"/>
      <audio lang="en"/>
      <audio lang="de"/>
      <subpicture lang="de"/>
      <pgc>
        <pre> g4 = 0; </pre>
        <vob file="a1.mpg"><cell chapter="1"> g4 = g4 + 1; </cell></vob>
        <vob file="a2.mpg"><cell chapter="1"> g4 = g4 + 10; </cell></vob>
        <vob file="a3.mpg"><cell program="1"> if (g4 lt 20) jump chapter 2; </cell></vob>
        <vob file="a4.mpg"><cell chapter="1"/></vob>
        <post> call vmgm menu; </post>
      </pgc>
      <pgc>
        <vob file="b1.mpg"/>
      </pgc>
    </titles>
  </titleset>
  <titleset>
    <titles>
      <video format="ntsc" aspect="16:9"/>
      <pgc>
        <pre> g5 = 5; </pre>
        <vob file="w1.mpg"><cell chapter="1"/></vob>
        <vob file="w2.mpg"><cell pause="1"/></vob>
        <post> call vmgm menu; </post>
      </pgc>
    </titles>
  </titleset>
</dvdauthor>
EOF
author_disc "$WORK/disc.xml"
write_summary <<'EOF'
VMG titlesets=2 titles=3
TITLE 1 vts=1 ttn=1 chapters=3
TITLE 2 vts=1 ttn=2 chapters=1
TITLE 3 vts=2 ttn=1 chapters=1
FP programs=0 cells=0 pre=1 post=0 cellcmds=0
VMGM lang=en pgc=1 entry=title programs=0 cells=0 pre=8 post=1 cellcmds=0
VTS vts=1 format=NTSC aspect=4:3 audio=2 subpictures=1
VTS vts=1 pgc=1 title=1 programs=4 cells=4 pre=1 post=1 cellcmds=3
VTS vts=1 pgc=2 title=2 programs=1 cells=1 pre=0 post=1 cellcmds=0
VTS vts=2 format=NTSC aspect=16:9 audio=1 subpictures=0
VTS vts=2 pgc=1 title=1 programs=1 cells=2 pre=1 post=1 cellcmds=0
EOF
