#!/bin/sh
# firstplay_menus.sh DIR: authors DIR/VIDEO_TS, a PAL disc of a First Play
# that sets registers and streams, a warning title, and menus in two
# languages. dvdauthor's source for each PGC below, and what it compiles to
# where that matters ("dvdauthor adds" marks commands nobody wrote).
#
# First Play (6 pre): g0 = 1; g1 = 4660; g2 = 43981; g12 = 65535;
#   audio = 1; subtitle = 64 (one SetSTN: audio 1, sub-picture 0 shown);
#   jump title 1 (JumpTT 1, the warning)
#
# VMGM, language unit en: one PGC
#   pgc 1, entry title, a still with 3 buttons; pre SetHL_BTN 1 and post
#   Exit, dvdauthor adds both
#     b1 jump titleset 1 menu entry root   (JumpSS VTSM vts 1 root)
#     b2 jump title 2                      (JumpTT 2, the feature)
#     b3 jump titleset 1 menu entry ptt    (JumpSS VTSM vts 1 chapter menu)
# VMGM, language unit fr: one PGC
#   pgc 1, entry title, a still with 2 buttons: b1 and b2 as in en
#
# Title set 1: menus and titles; the titles have two audio streams (en, fr)
# and one sub-picture stream (en)
#   VTSM, language unit en: five PGCs
#     pgc 1, entry root, a dummy: no cells, pre g3 = 7; jump menu 2 (one
#       command: Set and LinkPGCN 2), post Exit (dvdauthor adds)
#     pgc 2, the real root menu, a still with 6 buttons; pre SetHL_BTN 1,
#       dvdauthor adds; post, dvdauthor's dispatch for b4: g14 = g15;
#       g15 = 0; if (g14 == 4) goto 5; Exit; g7 = 4; g8 = 5 and LinkPGCN 4
#       b1 jump title 2                     (JumpVTS_TT 2)
#       b2 audio = 1; subtitle = 64; button = 3072; jump cell 1
#          (one command: SetSTN and LinkCN 1 with button 3)
#       b3 button = 2048; jump menu entry ptt (SetHL_BTN 2048 and LinkPGCN 3)
#       b4 g7 = 4; g8 = 5; jump menu entry audio (too much for one
#          command: g15 = 4 and LinkTailPGC, on to the post's dispatch;
#          g13 to g15 are dvdauthor's own)
#       b5 jump menu entry subtitle         (LinkPGCN 5)
#       b6 jump vmgm menu                   (JumpSS VMGM title menu)
#     pgc 3, entry ptt, a still with 3 buttons; its own pre g6 = 1 (so
#       dvdauthor adds no SetHL_BTN 1 and a highlight set before the jump
#       stays); bN jump title 2 chapter N (JumpVTS_PTT 2 N)
#     pgc 4, entry audio, a still with 2 buttons:
#       bN audio = N-1; jump menu entry root (SetSTN and LinkPGCN 1)
#     pgc 5, entry subtitle, a still with 2 buttons:
#       b1 subtitle = 0; jump menu entry root
#       b2 subtitle = 64; jump menu entry root
#   VTSM, language unit fr: two PGCs
#     pgc 1, entry root, a still with 2 buttons: b1 jump title 2;
#       b2 jump vmgm menu
#     pgc 2, entry ptt, dvdauthor adds it as the VMGM jumps to a chapter
#       menu: no cells, pre LinkPGCN 1, no post
#   Titles
#     title 1 (pgc 1), the warning: one cell, post call vmgm menu
#       (CallSS VMGM title menu, resume cell 1)
#     title 2 (pgc 2), the feature: three chapters of a cell each, post
#       call menu entry root (CallSS VTSM root, resume cell 1)
#
# Played in English from insert: First Play -> title 1 -> VMGM title menu
# (en). There b1 -> the dummy -> root menu; b2 -> the feature, then the
# dummy and root menu again; b3 -> the chapter menu with button 3
# highlighted (the VMGM's last press). A French player sees the fr units.
set -eu
. "$(dirname "$0")/common.sh"

disc_begin "$1" PAL
make_clip "$WORK/warning.mpg" smptebars 4:3 440 660
make_clip "$WORK/feature-av.mpg" testsrc 4:3 440 660
add_subtitle "$WORK/feature-av.mpg" "$WORK/feature1.mpg"
# Copies, not one file thrice: dvdauthor would give the three chapters one
# and the same VOB.
cp "$WORK/feature1.mpg" "$WORK/feature2.mpg"
cp "$WORK/feature1.mpg" "$WORK/feature3.mpg"
make_menu "$WORK/menu2.mpg" color=c=navy 2
make_menu "$WORK/menu3.mpg" color=c=navy 3
make_menu "$WORK/menu6.mpg" color=c=navy 6

cat >"$WORK/disc.xml" <<'EOF'
<dvdauthor>
  <vmgm>
    <fpc> g0 = 1; g1 = 4660; g2 = 43981; g12 = 65535; audio = 1; subtitle = 64; jump title 1; </fpc>
    <menus lang="en">
      <video format="pal" aspect="4:3"/>
      <pgc entry="title">
        <vob file="menu3.mpg" pause="inf"/>
        <button name="b1">jump titleset 1 menu entry root;</button>
        <button name="b2">jump title 2;</button>
        <button name="b3">jump titleset 1 menu entry ptt;</button>
      </pgc>
    </menus>
    <menus lang="fr">
      <video format="pal" aspect="4:3"/>
      <pgc entry="title">
        <vob file="menu2.mpg" pause="inf"/>
        <button name="b1">jump titleset 1 menu entry root;</button>
        <button name="b2">jump title 2;</button>
      </pgc>
    </menus>
  </vmgm>
  <titleset>
    <menus lang="en">
      <video format="pal" aspect="4:3"/>
      <pgc entry="root">
        <pre> g3 = 7; jump menu 2; </pre>
      </pgc>
      <pgc>
        <vob file="menu6.mpg" pause="inf"/>
        <button name="b1">jump title 2;</button>
        <button name="b2">audio = 1; subtitle = 64; button = 3072; jump cell 1;</button>
        <button name="b3">button = 2048; jump menu entry ptt;</button>
        <button name="b4">g7 = 4; g8 = 5; jump menu entry audio;</button>
        <button name="b5">jump menu entry subtitle;</button>
        <button name="b6">jump vmgm menu;</button>
      </pgc>
      <pgc entry="ptt">
        <pre> g6 = 1; </pre>
        <vob file="menu3.mpg" pause="inf"/>
        <button name="b1">jump title 2 chapter 1;</button>
        <button name="b2">jump title 2 chapter 2;</button>
        <button name="b3">jump title 2 chapter 3;</button>
      </pgc>
      <pgc entry="audio">
        <vob file="menu2.mpg" pause="inf"/>
        <button name="b1">audio = 0; jump menu entry root;</button>
        <button name="b2">audio = 1; jump menu entry root;</button>
      </pgc>
      <pgc entry="subtitle">
        <vob file="menu2.mpg" pause="inf"/>
        <button name="b1">subtitle = 0; jump menu entry root;</button>
        <button name="b2">subtitle = 64; jump menu entry root;</button>
      </pgc>
    </menus>
    <menus lang="fr">
      <video format="pal" aspect="4:3"/>
      <pgc entry="root">
        <vob file="menu2.mpg" pause="inf"/>
        <button name="b1">jump title 2;</button>
        <button name="b2">jump vmgm menu;</button>
      </pgc>
    </menus>
    <titles>
      <video format="pal" aspect="4:3"/>
      <audio lang="en"/>
      <audio lang="fr"/>
      <subpicture lang="en"/>
      <pgc>
        <vob file="warning.mpg"/>
        <post> call vmgm menu; </post>
      </pgc>
      <pgc>
        <vob file="feature1.mpg"/>
        <vob file="feature2.mpg"/>
        <vob file="feature3.mpg"/>
        <post> call menu entry root; </post>
      </pgc>
    </titles>
  </titleset>
</dvdauthor>
EOF
author_disc "$WORK/disc.xml"
write_summary <<'EOF'
VMG titlesets=1 titles=2
TITLE 1 vts=1 ttn=1 chapters=1
TITLE 2 vts=1 ttn=2 chapters=3
FP programs=0 cells=0 pre=6 post=0 cellcmds=0
VMGM lang=en pgc=1 entry=title programs=1 cells=1 pre=1 post=1 cellcmds=0 buttons=3
VMGM lang=fr pgc=1 entry=title programs=1 cells=1 pre=1 post=1 cellcmds=0 buttons=2
VTS vts=1 format=PAL aspect=4:3 audio=2 subpictures=1
VTSM vts=1 lang=en pgc=1 entry=root programs=0 cells=0 pre=1 post=1 cellcmds=0
VTSM vts=1 lang=en pgc=2 entry=none programs=1 cells=1 pre=1 post=6 cellcmds=0 buttons=6
VTSM vts=1 lang=en pgc=3 entry=ptt programs=1 cells=1 pre=1 post=1 cellcmds=0 buttons=3
VTSM vts=1 lang=en pgc=4 entry=audio programs=1 cells=1 pre=1 post=1 cellcmds=0 buttons=2
VTSM vts=1 lang=en pgc=5 entry=subpicture programs=1 cells=1 pre=1 post=1 cellcmds=0 buttons=2
VTSM vts=1 lang=fr pgc=1 entry=root programs=1 cells=1 pre=1 post=1 cellcmds=0 buttons=2
VTSM vts=1 lang=fr pgc=2 entry=ptt programs=0 cells=0 pre=1 post=0 cellcmds=0
VTS vts=1 pgc=1 title=1 programs=1 cells=1 pre=0 post=1 cellcmds=0
VTS vts=1 pgc=2 title=2 programs=3 cells=3 pre=0 post=1 cellcmds=0
EOF
