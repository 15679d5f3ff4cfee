#!/usr/bin/env bash
# The include graph runs one way: core/ and ui/ at the bottom, disc/ on
# core/, vm/ on disc/, mainwindow/ above them, windows/ beside it (without
# an arrow to mainwindow/), the command line above them, the toolkit
# bindings on top. Prints every include that goes another way and
# fails on the first run that finds one: scripts/check-layers.sh [SOURCE_DIR]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

declare -A allowed=(
    [core]="core"
    [disc]="disc core"
    [vm]="vm disc core"
    [ui]="ui"
    [windows]="windows vm disc core ui"
    [mainwindow]="mainwindow windows vm disc core ui"
    [cli]="cli mainwindow windows vm disc core ui"
    [qt]="qt cli mainwindow windows vm disc core ui"
    [win32]="win32 cli mainwindow windows vm disc core ui"
)
layers="${!allowed[*]}"
wrong=0
for folder in "${!allowed[@]}"; do
    [ -d "$folder" ] || continue
    while IFS= read -r line; do
        file=${line%%:*}
        target=$(sed -n 's/^[^"]*#include "\([^/"]*\)\/.*/\1/p' <<<"${line#*:}")
        [ -n "$target" ] || continue
        case " $layers " in *" $target "*) ;; *) continue ;; esac
        case " ${allowed[$folder]} " in
            *" $target "*) ;;
            *) echo "$file includes $target/, which $folder/ stands below or beside"; wrong=1 ;;
        esac
    done < <(grep -rHn --include='*.h' --include='*.cpp' '#include "' "$folder")
done
[ "$wrong" -eq 0 ] && echo "the include graph runs one way"
exit "$wrong"
