#!/usr/bin/env bash
# Checks that trevalo.exe is what users download it as: a 64-bit Windows
# GUI program that needs nothing beside it, so it imports only DLLs every
# Windows has (and Wine provides), never a MinGW runtime.
#   tests/bindings/win32/check-exe.sh OBJDUMP TREVALO.exe
set -euo pipefail
objdump=$1
exe=$2

headers=$("$objdump" -p "$exe")
failed=0
fail() {
    echo "$exe: $*" >&2
    failed=1
}

grep -Eq '^Magic[[:space:]]+020b' <<<"$headers" || fail "not a PE32+ (64-bit) image"
grep -Eq '^Subsystem[[:space:]]+00000002[[:space:]]+\(Windows GUI\)' <<<"$headers" \
    || fail "not a Windows GUI program (it would open a console)"

dlls=$(sed -n 's/^[[:space:]]*DLL Name:[[:space:]]*//p' <<<"$headers" | tr -d '\r')
[ -n "$dlls" ] || fail "no imported DLLs found; objdump's output has changed?"
while IFS= read -r dll; do
    [ -n "$dll" ] || continue
    case ${dll,,} in
    kernel32.dll | user32.dll | gdi32.dll | comctl32.dll | comdlg32.dll | msvcrt.dll | advapi32.dll | shell32.dll \
        | ole32.dll | oleaut32.dll | uxtheme.dll | api-ms-win-*.dll) ;;
    *) fail "imports $dll, which Windows does not bring" ;;
    esac
done <<<"$dlls"

[ "$failed" -eq 0 ] && echo "$exe: PE32+ GUI program importing only $(paste -sd " " <<<"$dlls")"
exit "$failed"
