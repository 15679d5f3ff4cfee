# Shared helpers of the test disc scripts (sourced, not run): clips from
# ffmpeg's lavfi sources, menu buttons and a subtitle drawn by ImageMagick and
# multiplexed by spumux, and dvdauthor into a fresh folder. Nothing here is
# downloaded or vendored: every picture and tone is generated.
#
# A disc script calls disc_begin DIR PAL|NTSC, makes its clips with
# make_clip / make_menu / add_subtitle into $WORK, writes its dvdauthor XML,
# calls author_disc XML and writes its summary with write_summary. The VOB bytes may differ from run to run; the
# IFO structure does not, as every input but the encoder's output is fixed
# and dvdauthor lays out the tables from the XML alone.

set -eu

# disc_begin DIR FORMAT: starts a disc in DIR (DIR/VIDEO_TS, scratch in
# DIR/work), PAL or NTSC. dvdauthor adds title sets to an existing folder,
# so the old one is removed first.
disc_begin() {
    DISC_DIR=$1
    VIDEO_FORMAT=$2
    export VIDEO_FORMAT
    case $VIDEO_FORMAT in
        PAL)  TARGET=pal-dvd;  SIZE=720x576; RATE=25 ;;
        NTSC) TARGET=ntsc-dvd; SIZE=720x480; RATE=30000/1001 ;;
        *) echo "disc_begin: format is PAL or NTSC, not $VIDEO_FORMAT" >&2; exit 1 ;;
    esac
    WORK=$DISC_DIR/work
    rm -rf "$DISC_DIR/VIDEO_TS" "$DISC_DIR/AUDIO_TS" "$WORK"
    mkdir -p "$WORK"
}

# make_clip OUT VIDEO ASPECT TONE...: a one-second MPEG-2 program stream for
# DVD. VIDEO is a lavfi video source without size, rate or duration
# ("testsrc", "smptebars", "color=c=navy"); ASPECT is 4:3 or 16:9; each TONE
# is a sine frequency in Hz making one audio stream, or "silent" (spumux
# needs an audio stream beside a menu's video). Low bit rates keep it tiny;
# one thread and bitexact flags keep the encoder's output stable.
make_clip() {
    local out=$1 video=$2 aspect=$3 inputs maps n tone
    shift 3
    case $video in
        *=*) inputs="-f lavfi -i $video:size=$SIZE:rate=$RATE:duration=1" ;;
        *)   inputs="-f lavfi -i $video=size=$SIZE:rate=$RATE:duration=1" ;;
    esac
    maps="-map 0:v"
    n=1
    for tone in "$@"; do
        if [ "$tone" = silent ]; then
            inputs="$inputs -f lavfi -i anullsrc=r=48000:cl=stereo:d=1"
        else
            inputs="$inputs -f lavfi -i sine=frequency=$tone:sample_rate=48000:duration=1"
        fi
        maps="$maps -map $n:a"
        n=$((n + 1))
    done
    # shellcheck disable=SC2086 # the option lists are split on purpose
    ffmpeg -nostdin -hide_banner -loglevel error -y $inputs $maps \
        -target "$TARGET" -aspect "$aspect" -threads 1 \
        -b:v 600k -maxrate 1500k -c:a ac3 -b:a 64k -ac 2 \
        -fflags +bitexact -flags:v +bitexact -flags:a +bitexact \
        "$out"
}

# button_box I: the rectangle of button I (1-based) of a menu, one under
# another, even rows as spumux prefers: "x0 y0 x1 y1" (x1, y1 exclusive).
button_box() {
    local y0=$((80 + ($1 - 1) * 70))
    echo "200 $y0 520 $((y0 + 50))"
}

# draw_buttons OUT COLOUR N: N filled boxes on transparent, one colour, no
# antialiasing, so spumux sees one colour plus transparent.
draw_buttons() {
    local out=$1 colour=$2 count=$3 draws="" i=1
    while [ "$i" -le "$count" ]; do
        # shellcheck disable=SC2046 # the box is four numbers
        set -- $(button_box "$i")
        draws="$draws rectangle $1,$2 $(($3 - 1)),$(($4 - 1))"
        i=$((i + 1))
    done
    convert -size "$SIZE" xc:none +antialias -fill "$colour" -draw "$draws" "PNG32:$out"
}

# make_menu OUT BACKGROUND N: a still menu's video with N buttons named b1..bN
# (top to bottom), on a lavfi BACKGROUND with a silent audio stream.
make_menu() {
    local out=$1 background=$2 count=$3 base=${1%.mpg} i
    make_clip "$base-bg.mpg" "$background" 4:3 silent
    draw_buttons "$base-image.png" white "$count"
    draw_buttons "$base-highlight.png" yellow "$count"
    draw_buttons "$base-select.png" red "$count"
    {
        echo "<subpictures format=\"$VIDEO_FORMAT\"><stream>"
        echo "  <spu start=\"00:00:00.00\" force=\"yes\" image=\"$base-image.png\""
        echo "       highlight=\"$base-highlight.png\" select=\"$base-select.png\">"
        i=1
        while [ "$i" -le "$count" ]; do
            # shellcheck disable=SC2046
            set -- $(button_box "$i")
            echo "    <button name=\"b$i\" x0=\"$1\" y0=\"$2\" x1=\"$3\" y1=\"$4\"/>"
            i=$((i + 1))
        done
        echo "  </spu>"
        echo "</stream></subpictures>"
    } >"$base-spumux.xml"
    spumux -m dvd "$base-spumux.xml" <"$base-bg.mpg" >"$out" 2>"$base-spumux.log" ||
        { cat "$base-spumux.log" >&2; exit 1; }
}

# add_subtitle IN OUT: IN with one sub-picture stream (stream 0): a white bar
# shown from 0.1 s to 0.9 s, not forced.
add_subtitle() {
    local in=$1 out=$2 base=${2%.mpg}
    convert -size "$SIZE" xc:none +antialias -fill white -draw "rectangle 160,400 559,439" "PNG32:$base-sub.png"
    cat >"$base-sub.xml" <<EOF
<subpictures format="$VIDEO_FORMAT"><stream>
  <spu start="00:00:00.10" end="00:00:00.90" image="$base-sub.png"/>
</stream></subpictures>
EOF
    spumux -m dvd -s 0 "$base-sub.xml" <"$in" >"$out" 2>"$base-sub.log" ||
        { cat "$base-sub.log" >&2; exit 1; }
}

# author_disc XML: dvdauthor into DIR/VIDEO_TS, its XML kept beside the disc
# as dvdauthor.xml, the scratch folder removed once the disc is made.
author_disc() {
    local xml=$1
    (cd "$WORK" && dvdauthor -o "$DISC_DIR" -x "$xml") >"$WORK/dvdauthor.log" 2>&1 ||
        { cat "$WORK/dvdauthor.log" >&2; exit 1; }
    cp "$xml" "$DISC_DIR/dvdauthor.xml"
    rm -rf "$WORK"
}

# write_summary: DIR/pgcs.txt, what the disc holds, from stdin: one line for
# the VMG, each title, the First Play, every PGC of every menu language unit,
# each title set and each title PGC, in that order. DiscSummaryTest.cpp
# reads the disc with libdvdread and must find exactly these lines.
write_summary() {
    {
        echo "# What $(basename "$DISC_DIR") holds, as libdvdread reads it (DiscSummaryTest.cpp)."
        echo "# A PGC: programs, cells, pre, post and cell commands (notable: no command"
        echo "# table at all), and the buttons of its first NAV pack when it has any."
        cat
    } >"$DISC_DIR/pgcs.txt"
}
