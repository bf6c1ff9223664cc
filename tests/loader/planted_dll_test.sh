#!/usr/bin/env bash
# A msimg32.dll planted beside taverel.exe (as a browser drops files into the
# Downloads folder) must not be loaded when the user starts the program from
# there. Wine prefers its builtin DLLs; msimg32=n,b gives Windows' order, in
# which the program's own folder comes first for a DLL that is not a known
# DLL. Starts a copy of the program from that folder, closes it, and expects
# no marker from the fake DLL; then loads the fake on purpose to prove that a
# load would have left one.
# usage: planted_dll_test.sh PROGRAM.exe FAKE_MSIMG32.dll WINEPREFIX
set -u
program=$1 fake=$2 prefix=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../tools/winenv.sh"
winenv_prepare_prefix "$prefix"
winenv_export "$prefix"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;msimg32=n,b"
winenv_start_xvfb

downloads=$(mktemp -d /tmp/taverel-planted.XXXXXX)
cleanup() {
  if [ -n "${XVFB_PID:-}" ]; then "$WINE_SERVER" -k 2>/dev/null || true; fi
  winenv_stop_xvfb
  rm -rf "$downloads"
}
trap cleanup EXIT
cp "$program" "$downloads/taverel.exe"
cp "$fake" "$downloads/msimg32.dll"
cd "$downloads" || exit 1
fail() { echo "FAILED: $*"; exit 1; }

"$WINE_LOADER" taverel.exe &
app=$!
winenv_wait_for_window Taverel $app 120 0.25 ||
  { kill $app 2>/dev/null; fail "taverel.exe did not show its window"; }
"$WINE_LOADER" taskkill /im taverel.exe >/dev/null 2>&1
for _ in $(seq 1 80); do kill -0 $app 2>/dev/null || break; sleep 0.25; done
if kill -0 $app 2>/dev/null; then kill $app; fail "taverel.exe did not close"; fi
wait $app || fail "taverel.exe exited with status $?"
[ ! -e planted-dll-ran ] || fail "taverel.exe loaded the msimg32.dll planted beside it"
echo "taverel.exe started and closed without loading the planted msimg32.dll"

"$WINE_LOADER" rundll32.exe "$downloads/msimg32.dll",Load
[ -e planted-dll-ran ] || fail "the fake DLL left no marker when loaded on purpose: the check above proves nothing"
echo "loaded on purpose, the fake DLL leaves its marker"
