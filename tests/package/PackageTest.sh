#!/usr/bin/env bash
# Builds Trevalo's Debian package from a build tree, unpacks it into a
# scratch root with dpkg -x and runs the program installed there, with Qt
# taken from the system as on a user's machine.
#
#     PackageTest.sh CPACK BUILD_DIR SCRATCH_DIR VERSION ICON_DIR DISCS_DIR
#
# ICON_DIR holds the PNG icons rendered in the build tree, DISCS_DIR the
# authored test discs.
set -euo pipefail
cpack=$1 build=$2 scratch=$3 version=$4 icons=$5 discs=$6
sizes="16 24 32 48 64 128 256"

checks=0
fail() { echo "FAIL: $*" >&2; exit 1; }
pass() { checks=$((checks + 1)); }

rm -rf "$scratch"
mkdir -p "$scratch"

# The package, as `make package` builds it.
if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log" >&2
    fail "cpack could not build the package"
fi
shopt -s nullglob
debs=("$scratch"/out/*.deb)
[ ${#debs[@]} -eq 1 ] || fail "expected one .deb, found ${#debs[@]}"
deb=${debs[0]}
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "trevalo_${version}_${arch}.deb" ] || fail "package file is named $(basename "$deb")"
pass

# The control fields apt and software centres show.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = trevalo ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture: $(field Architecture)"
[ "$(field Section)" = video ] || fail "Section: $(field Section)"
[ "$(field Priority)" = optional ] || fail "Priority: $(field Priority)"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\ ]+@[^@\ ]+\>$ ]] || fail "Maintainer: $(field Maintainer)"
description=$(field Description)
[ "$(printf '%s\n' "$description" | wc -l)" -ge 2 ] || fail "Description has no long text: $description"
[[ "$description" == *PgcEdit* ]] || fail "Description does not say what Trevalo is for"
pass

# Depends: the packages a Debian system needs to run the program. Each
# entry's first word is a package name; alternatives count as well.
depends=$(field Depends)
names=$(printf '%s\n' "$depends" | tr ',|' '\n\n' | sed 's/^ *//; s/[ (].*//')
for package in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins libstdc++6 libc6; do
    grep -qx -- "$package" <<<"$names" || fail "Depends lacks $package: $depends"
done
# Nothing from the build machine's development packages.
if grep -qE -- '-dev$|gtest|benchmark' <<<"$names"; then
    fail "Depends names a development package: $depends"
fi
pass

# The files, and nothing else: no test programs or build tools shipped.
expected="./usr/bin/trevalo
./usr/share/applications/trevalo.desktop
./usr/share/icons/hicolor/scalable/apps/trevalo.svg
./usr/share/metainfo/org.trevalo.Trevalo.metainfo.xml
./usr/share/doc/trevalo/copyright
./usr/share/doc/trevalo/changelog.gz
./usr/share/man/man1/trevalo.1.gz"
for size in $sizes; do
    expected+=$'\n'"./usr/share/icons/hicolor/${size}x${size}/apps/trevalo.png"
done
listed=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | LC_ALL=C sort)
[ "$listed" = "$(LC_ALL=C sort <<<"$expected")" ] || fail "the package holds:"$'\n'"$listed"
pass

# Debian's own checks of a package, where lintian is installed (make
# installs it): no error and no warning.
if command -v lintian >/dev/null 2>&1; then
    if ! report=$(lintian --fail-on warning --tag-display-limit 0 "$deb" 2>&1); then
        fail "lintian: $report"
    fi
    pass
fi

root=$scratch/root
dpkg -x "$deb" "$root"
bin=$root/usr/bin/trevalo
[ -x "$bin" ] || fail "usr/bin/trevalo is not executable"
# Installed programs find Qt where the system keeps it, not in a build tree.
if readelf -d "$bin" | grep -qE 'RPATH|RUNPATH'; then
    fail "the installed program carries a library search path"
fi
pass

# The icons: real PNG files of the size their folder names, the very ones
# rendered from the window icon in the build tree.
for size in $sizes; do
    png=$root/usr/share/icons/hicolor/${size}x${size}/apps/trevalo.png
    [ "$(od -An -tx1 -N8 "$png" | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$png is not a PNG"
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
        awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
    [ "$width x $height" = "$size x $size" ] || fail "$png is ${width}x$height"
    cmp -s "$png" "$icons/${size}x${size}/apps/trevalo.png" || fail "$png differs from the rendered icon"
done
grep -q '<svg' "$root/usr/share/icons/hicolor/scalable/apps/trevalo.svg" || fail "the scalable icon is not SVG"
pass

# The desktop entry starts the installed program and names its icon; the
# metainfo points at the entry and carries this version's release.
desktop=$root/usr/share/applications/trevalo.desktop
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
[ "${exec_line%% *}" = trevalo ] || fail "Exec=$exec_line"
[ "$(sed -n 's/^Icon=//p' "$desktop")" = trevalo ] || fail "Icon= does not name the installed icon"
metainfo=$root/usr/share/metainfo/org.trevalo.Trevalo.metainfo.xml
grep -q '<launchable type="desktop-id">trevalo.desktop</launchable>' "$metainfo" || fail "metainfo launchable"
grep -q '<binary>trevalo</binary>' "$metainfo" || fail "metainfo provides no binary"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo has no release $version"
pass

# The installed program, with no display and no help from the build: the
# questions are answered without one.
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LD_LIBRARY_PATH "$@"; }

out=$(run "$bin" --version) || fail "--version exited with $?"
[ "$out" = "Trevalo $version" ] || fail "--version said: $out"
pass

for option in --help -h; do
    out=$(run "$bin" "$option") || fail "$option exited with $?"
    [ "$(head -n 1 <<<"$out")" = "Usage: $bin [options] [folder]" ] || fail "$option begins: $(head -n 1 <<<"$out")"
    grep -q 'DVD navigation commands' <<<"$out" || fail "$option has no description"
    grep -qE -- '--version +Displays version information' <<<"$out" || fail "$option lists no --version"
    grep -qE -- '--help +Displays help' <<<"$out" || fail "$option lists no --help"
    grep -qE -- '^  folder +A DVD-Video folder' <<<"$out" || fail "$option lists no folder argument"
    grep -qE -- '^  --disc PATH ' <<<"$out" || fail "$option lists no command line without a window"
done
pass

# Every option --help lists is answered without a display, each with text
# on standard output and status 0; --help-all adds Qt's own options. (The
# options of the command line without a window are listed above them and
# checked below.)
options=$(run "$bin" --help | sed -n '/^Options:/,/^$/p' | sed -n 's/^  \(-[^ ,]*\(, -[^ ,]*\)*\) .*/\1/p' | tr -d ',')
[ "$(wc -w <<<"$options")" -ge 5 ] || fail "--help lists only: $options"
for option in $options; do
    set +e
    out=$(run timeout 10 "$bin" "$option" 2>"$scratch/option.err")
    status=$?
    set -e
    [ "$status" -eq 0 ] || fail "$option without a display gave exit status $status: $(cat "$scratch/option.err")"
    [ -n "$out" ] || fail "$option printed nothing"
done
out=$(run "$bin" --help-all)
[ "$(head -n 1 <<<"$out")" = "Usage: $bin [options] [folder]" ] || fail "--help-all begins: $(head -n 1 <<<"$out")"
grep -qE -- '--help-all +Displays help' <<<"$out" || fail "--help-all lists no --help-all"
grep -qE -- '--platform <platformName' <<<"$out" || fail "--help-all lists no Qt option"
pass

# The command line without a window works without a display: each of its
# options, given alone, is refused as incomplete with status 2 and a
# pointer to --help, not an abort; a whole one traces a test disc and
# prints the blocks, with status 0 when the replay verifies them.
disc_options=$(run "$bin" --help | sed -n '/^Without a window/,/^Options:/p' | grep -oE -- '--[a-z]+' | sort -u)
[ "$(wc -w <<<"$disc_options")" -ge 10 ] || fail "--help lists only these options without a window: $disc_options"
for option in $disc_options; do
    set +e
    err=$(run timeout 10 "$bin" --disc "$discs/firstplay_menus" "$option" 2>&1 >/dev/null)
    status=$?
    set -e
    [ "$status" -eq 2 ] || fail "--disc ... $option without a display gave exit status $status: $err"
    grep -qF -- "Try 'trevalo --help'" <<<"$err" || fail "--disc ... $option does not point to --help: $err"
done
set +e
out=$(run timeout 60 "$bin" --disc "$discs/firstplay_menus" --target "Title 2" --guard auto --buttons 2 2>"$scratch/disc.err")
status=$?
set -e
[ "$status" -eq 0 ] || fail "the command line without a window gave status $status: $(cat "$scratch/disc.err")"
grep -qF '{30 02 00 00 00 02 00 00}' <<<"$out" || fail "no First Play jump to title 2 among: $out"
pass

# An unknown option is refused with the parser's message, a pointer to
# --help and status 1, before any window, with a display and without one
# (the application object that needs a display would abort); Qt's own
# options are still let through.
for platform in offscreen none; do
    for option in --no-such-option -no-such-option; do
        set +e
        if [ "$platform" = none ]; then
            err=$(run timeout 10 "$bin" -style Fusion "$option" 2>&1 >/dev/null)
        else
            err=$(run QT_QPA_PLATFORM=$platform timeout 10 "$bin" -style Fusion "$option" 2>&1 >/dev/null)
        fi
        status=$?
        set -e
        [ "$status" -eq 1 ] || fail "$option on $platform gave exit status $status: $err"
        grep -q "Unknown option 'no-such-option'" <<<"$err" || fail "$option on $platform said: $err"
        grep -qF -- "Try 'trevalo --help'" <<<"$err" || fail "$option on $platform does not point to --help: $err"
    done
done
pass

# A second folder is refused as an unknown option is.
set +e
err=$(run timeout 10 "$bin" "$discs/firstplay_menus" "$discs/two_titlesets" 2>&1 >/dev/null)
status=$?
set -e
[ "$status" -eq 1 ] || fail "two folders gave exit status $status: $err"
grep -q "One folder at most" <<<"$err" || fail "two folders were refused with: $err"
pass

# Started, the program comes up and keeps running until it is stopped: the
# timeout ends it (status 124) rather than a crash or an early exit. Qt's own
# -platform option works, and a folder that is no disc gets the reader's
# message, over the window, which stays.
started() {
    set +e
    run timeout 2 "$@" >"$scratch/run.log" 2>&1
    local status=$?
    set -e
    [ "$status" -eq 124 ] || { cat "$scratch/run.log" >&2; fail "$* ended with status $status"; }
}
started env QT_QPA_PLATFORM=offscreen "$bin"
started "$bin" -platform offscreen VIDEO_TS.IFO
pass

# On a display, a folder on the command line opens once the window shows:
# a disc in the disc window (720 x 520 pixels), anything else in the
# reader's message box, titled Disc as well.
if command -v xvfb-run >/dev/null 2>&1 && command -v xwininfo >/dev/null 2>&1; then
    opened() {
        run xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
            "$1" "$2" & program=$!
            for _ in $(seq 50); do
                sleep 0.2
                found=$(xwininfo -root -tree | grep -E "^ +0x[0-9a-f]+ \"Disc\": \(" | head -n 1)
                [ -n "$found" ] && break
            done
            kill $program
            echo "$found"' opened "$bin" "$1"
    }
    window=$(opened "$discs/firstplay_menus")
    grep -qE ' 720x520\+' <<<"$window" || fail "the disc did not open in the disc window: $window"
    window=$(opened "$scratch")
    [ -n "$window" ] || fail "a folder that is no disc brought no message"
    grep -qE ' 720x520\+' <<<"$window" && fail "a folder that is no disc opened the disc window"
    pass
fi

echo "$checks passed, 0 failed"
