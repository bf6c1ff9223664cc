# Shared by ./run, ./test and tools/wine-exec: how we run Windows programs on
# this Linux machine (Wine 64-bit on a 24-bit Xvfb screen). Source it.

WINE_LOADER=${WINE_LOADER:-/usr/lib/wine/wine64}
WINE_SERVER=${WINE_SERVER:-/usr/lib/wine/wineserver64}
# The emulated x86 machine (tools/x86vm) sets the 32-bit loader and win32.
WINE_ARCH=${WINE_ARCH:-win64}

winenv_export() {  # winenv_export PREFIX
  export WINEPREFIX="$1"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEARCH="$WINE_ARCH"
  export WINESERVER="$WINE_SERVER"
}

# The prefix for a screen of DPI dots per inch: the base prefix itself at
# Wine's default 96, a sibling of its own otherwise (the setting is read when
# a prefix starts, so each DPI needs its own prefix).
winenv_dpi_prefix() {  # winenv_dpi_prefix BASE DPI
  if [ "$2" = 96 ]; then echo "$1"; else echo "$1-dpi$2"; fi
}

# Creates the prefix once (wineboot takes about 10 s) and writes the settings
# our screenshots and colour tests depend on; with DPI, also the screen's
# dots per inch. Safe to call from parallel tests.
winenv_prepare_prefix() {  # winenv_prepare_prefix PREFIX [DPI]
  local prefix="$1" dpi="${2:-}"
  mkdir -p "$(dirname "$prefix")"
  (
    flock 9
    if [ ! -f "$prefix/.taverel-ready" ]; then
      winenv_export "$prefix"
      "$WINE_LOADER" wineboot -i >/dev/null 2>&1 || true
      "$WINE_SERVER" -w
      # No window manager under Xvfb: let Wine draw real title bars itself.
      "$WINE_LOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
      "$WINE_LOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
      # Wine's own title bars and dialogs need a CJK font linked behind Tahoma.
      "$WINE_LOADER" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
        /v Tahoma /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1
      # The windows ask for 宋体 (SimSun), which Wine does not ship: map it to
      # the CJK font the machine has, so the Chinese texts render.
      local sub='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
      LANG=C.UTF-8 "$WINE_LOADER" reg add "$sub" /v '宋体' /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1
      "$WINE_LOADER" reg add "$sub" /v SimSun /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1
      if [ -n "$dpi" ]; then
        "$WINE_LOADER" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" \
          /f >/dev/null 2>&1
      fi
      "$WINE_SERVER" -w
      touch "$prefix/.taverel-ready"
    fi
    # Debian's Wine does not pick up the fonts-wine TrueType fonts by itself:
    # without Marlett the caption buttons show letters ("r" for the close
    # box's cross). Registered here, also in prefixes made before this step.
    if [ ! -f "$prefix/.taverel-marlett" ]; then
      winenv_export "$prefix"
      "$WINE_LOADER" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts' \
        /v 'Marlett (TrueType)' /d 'Z:\usr\share\wine\fonts\marlett.ttf' /f >/dev/null 2>&1
      "$WINE_SERVER" -w
      touch "$prefix/.taverel-marlett"
    fi
  ) 9>"$prefix.lock"
}

# Starts a private Xvfb (24 bits: the default 8 bits breaks every colour test)
# unless DISPLAY is already set; sets DISPLAY and XVFB_PID. With DPI above 96
# the screen grows in proportion, as a high-DPI screen has more pixels.
winenv_start_xvfb() {  # winenv_start_xvfb [DPI]
  local dpi="${1:-96}"
  XVFB_PID=
  if [ -n "${DISPLAY:-}" ]; then return 0; fi
  local fifo
  fifo=$(mktemp -u /tmp/taverel-xvfb.XXXXXX)
  mkfifo "$fifo"
  local width=$((1280 * dpi / 96)) height=$((1024 * dpi / 96))
  [ "$dpi" -gt 96 ] || { width=1280; height=1024; }
  Xvfb -displayfd 3 -screen 0 "${width}x${height}x24" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  local num
  read -r num <"$fifo"
  rm -f "$fifo"
  export DISPLAY=":$num"
}

winenv_stop_xvfb() {
  if [ -n "${XVFB_PID:-}" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=
  fi
}

# Waits until a window whose title begins with TITLE is on the screen,
# looking TRIES times, INTERVAL seconds apart; gives up at once when process
# PID has ended (a program that failed to start shows nothing). True when the
# window came.
winenv_wait_for_window() {  # winenv_wait_for_window TITLE PID TRIES INTERVAL
  local _
  for _ in $(seq 1 "$3"); do
    if xwininfo -root -children 2>/dev/null | grep -qF "\"$1"; then return 0; fi
    kill -0 "$2" 2>/dev/null || return 1
    sleep "$4"
  done
  return 1
}
