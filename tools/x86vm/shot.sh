#!/usr/bin/env bash
# Starts the x86 taverel.exe in the emulated machine and saves a screenshot of
# its screen as a PNG (xwd in the guest, converted here).
# usage: tools/x86vm/shot.sh [BUILD_DIR] OUT.png
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
build=$(cd "${1:-$repo/build/windows-x86}" && pwd) || exit 1
png=$2
out=$build/x86-run
rm -rf "$out"
"$here/run.sh" "$here/guest-shot.sh" "$out" "${TAVEREL_X86_TIMEOUT:-600}" \
  "$repo/tools" "$build/app/ui/taverel.exe" || exit 1
[ -s "$out/main.xwd" ] || { echo "x86: the machine took no screenshot"; exit 1; }
convert "xwd:$out/main.xwd" -trim +repage "$png" || exit 1
echo "x86: screenshot saved to $png"
