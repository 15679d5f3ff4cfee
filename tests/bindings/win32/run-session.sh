#!/usr/bin/env bash
# Runs the scripted session on a virtual display of its own: the driver
# starts trevalo.exe under Wine and works its real controls.
#   tests/bindings/win32/run-session.sh DRIVER.exe TREVALO.exe
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$here/wine-run.sh" "$1" "$2"
