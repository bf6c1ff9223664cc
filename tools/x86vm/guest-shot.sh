# Runs in the emulated machine for ./run --x86: starts the x86 taverel.exe on
# a 24-bit Xvfb screen, waits until its window is up and painted, and saves a
# screenshot of the screen (xwd) to /results/main.xwd.
set -u
. /payload/env
export WINE_LOADER=/usr/lib/wine/wine WINE_SERVER=/usr/lib/wine/wineserver32 WINE_ARCH=win32
. "$TAVEREL_REPO/tools/winenv.sh"
winenv_export /opt/taverel/wineprefix
winenv_start_xvfb
"$WINE_LOADER" "$TAVEREL_REPO/build/windows-x86/app/ui/taverel.exe" &
app=$!
if ! winenv_wait_for_window Taverel $app 240 0.5; then
  echo "guest: taverel.exe showed no window"
  exit 1
fi
echo "guest: the main window is up after $(cut -d' ' -f1 /proc/uptime) s"
sleep 8
xwd -root -silent -out /results/main.xwd
"$WINE_SERVER" -k 2>/dev/null
winenv_stop_xvfb
