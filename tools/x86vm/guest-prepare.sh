# Runs once in the emulated machine while its image is built (root disk
# writable): creates the 32-bit Wine prefix with the project's prefix settings
# (tools/winenv.sh, carried in the payload at its path in the clone), and its
# siblings for the other DPIs the tests run at, so that no test run pays for
# Wine's first start.
set -u
. /payload/env
export WINE_LOADER=/usr/lib/wine/wine WINE_SERVER=/usr/lib/wine/wineserver32 WINE_ARCH=win32
[ -x "$WINE_LOADER" ] && [ -x "$WINE_SERVER" ] || { echo "guest: no 32-bit Wine"; exit 1; }
. "$TAVEREL_REPO/tools/winenv.sh"
echo "guest: $("$WINE_LOADER" --version)"
base=/opt/taverel/wineprefix
mkdir -p /opt/taverel
start=$(cut -d' ' -f1 /proc/uptime)
winenv_prepare_prefix "$base"
echo "prefix: created after $(cut -d' ' -f1 /proc/uptime) s (started at $start s)"
# The DPI siblings: copies of the base with LogPixels set (tests/dpi runs at
# these; winenv_prepare_prefix finds them ready and starts no wineboot).
for dpi in 120 144 192; do
  p=$(winenv_dpi_prefix "$base" "$dpi")
  rm -rf "$p"
  cp -a "$base" "$p"
  winenv_export "$p"
  "$WINE_LOADER" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
    >/dev/null 2>&1
  "$WINE_SERVER" -w
  echo "prefix: $dpi DPI ready after $(cut -d' ' -f1 /proc/uptime) s"
done
rm -f /opt/taverel/*.lock
ls /opt/taverel
[ -f "$base/.taverel-ready" ] && [ -f "$base/.taverel-marlett" ] && [ -f "$base/system.reg" ]
