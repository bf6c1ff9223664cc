#!/usr/bin/env bash
# Regenerates the README screenshots in docs/screenshots/: each one window,
# cut from the screen along its edges (so no black screen margin), under Wine
# on a private 24-bit Xvfb screen at 96 DPI, and the main, explanation and
# gallery windows again at 144 and 192 DPI (the balloons and the plain
# dialog at 144), with the x64 build.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/winenv.sh
tools/install-deps.sh
[ -f build/windows-x64/build.ninja ] || cmake --preset windows-x64 >/dev/null
cmake --build --preset windows-x64 --target taverel taverel-skin-gallery skin_screens >/dev/null
bin=$PWD/build/windows-x64
out=$PWD/docs/screenshots
unset DISPLAY

start_session() {  # start_session DPI: that DPI's prefix on a screen of its own
  local prefix
  prefix=$(winenv_dpi_prefix "$bin/wineprefix" "$1")
  winenv_prepare_prefix "$prefix" "$1"
  winenv_export "$prefix"
  winenv_start_xvfb "$1"
}
end_session() {
  "$WINE_SERVER" -k 2>/dev/null || true
  winenv_stop_xvfb
  unset DISPLAY
}
trap end_session EXIT

window_id() {  # window_id TITLE: waits for the top-level window of that title
  local id
  for _ in $(seq 1 80); do
    id=$(xwininfo -root -children | awk -v t="\"$1\":" 'index($0, t) {print $1; exit}')
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.25
  done
  echo "error: no window \"$1\"" >&2
  return 1
}

grab() {  # grab TITLE NAME: saves that window as docs/screenshots/NAME.png
  # Cut from the screen, not read from the window: a message box or a
  # dropped-down list over it is a window of its own.
  local x y w h
  read -r x y w h < <(xwininfo -id "$(window_id "$1")" | awk '
    /Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
    /Width:/ {w = $NF} /Height:/ {h = $NF} END {print x, y, w, h}')
  import -window root -crop "${w}x${h}+${x}+${y}" +repage "$out/$2.png"
  echo "  docs/screenshots/$2.png"
}

grab_all() {  # grab_all NAME: every window on screen together, as NAME.png
  # The box around them all; the black screen left in it (beside a window,
  # at a balloon's rounded corners) becomes transparent, flooded from the
  # box's corners. No window edge is pure black, so the flood stops there.
  local box
  box=$(xwininfo -root -children | awk '/^ +0x/ && / [0-9]+x[0-9]+\+/ {
      for (i = 1; i <= NF; i++) if ($i ~ /^[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+$/) g = $i
      split(g, a, /[x+]/); if (a[1] <= 1 || a[2] <= 1) next
      if (!n++ || a[3] < x0) x0 = a[3]; if (n == 1 || a[4] < y0) y0 = a[4]
      if (a[3] + a[1] > x1) x1 = a[3] + a[1]; if (a[4] + a[2] > y1) y1 = a[4] + a[2]
    } END { printf "%dx%d+%d+%d", x1 - x0, y1 - y0, x0, y0 }')
  import -window root -crop "$box" +repage "$out/$1.png"
  local w h fills=()
  read -r w h < <(identify -format '%w %h\n' "$out/$1.png")
  for corner in "0,0" "$((w - 1)),0" "0,$((h - 1))" "$((w - 1)),$((h - 1))"; do
    if [ "$(convert "$out/$1.png" -format "%[pixel:p{$corner}]" info:)" = "srgb(0,0,0)" ]; then
      fills+=(-draw "color $corner floodfill")
    fi
  done
  if [ ${#fills[@]} -gt 0 ]; then
    convert "$out/$1.png" -alpha set -fill none -fuzz 0 "${fills[@]}" "$out/$1.png"
  fi
  echo "  docs/screenshots/$1.png"
}

finish() {  # ends every program of this Wine session
  "$WINE_SERVER" -k 2>/dev/null || true
  "$WINE_SERVER" -w 2>/dev/null || true
}

main_title='Taverel    Morvane专用版'
gallery_title='Taverel skin gallery'

windows() {  # windows SUFFIX: the explanation, main and gallery windows
  "$WINE_LOADER" "$bin/app/ui/taverel.exe" --explain &
  window_id '原理说明' >/dev/null
  sleep 2
  grab '原理说明' "explanation-window$1"
  finish
  "$WINE_LOADER" "$bin/app/ui/taverel.exe" &
  window_id "$main_title" >/dev/null
  sleep 2
  grab "$main_title" "main-window$1"
  finish
  "$WINE_LOADER" "$bin/tools/gallery/taverel-skin-gallery.exe" &
  window_id "$gallery_title" >/dev/null
  xdotool mousemove 1 1
  sleep 2
  grab "$gallery_title" "gallery$1"
  finish
}

balloon() {  # balloon NAME DPI [G]: G (4) typed into the size box, Enter; the window and its balloon
  "$WINE_LOADER" "$bin/app/ui/taverel.exe" &
  local id
  id=$(window_id "$main_title")
  sleep 1
  # A point within the size box, given within the main window at 96 DPI.
  xdotool mousemove --window "$id" $((220 * $2 / 96)) $((75 * $2 / 96)) click 1
  sleep 0.5
  xdotool type "${3:-4}"
  xdotool key Return
  xdotool mousemove 1 1
  sleep 2
  grab_all "$1"
  finish
}

dialog_title='Taverel plain dialog'
dialogs() {  # dialogs SUFFIX: the plain dialog, skinned and plain
  for look in ":plain-dialog" "--plain:plain-dialog-plain"; do
    "$WINE_LOADER" "$bin/tools/gallery/taverel-skin-gallery.exe" --dialog ${look%%:*} &
    window_id "$dialog_title" >/dev/null
    xdotool mousemove 1 1
    sleep 2
    grab "$dialog_title" "${look#*:}$1"
    finish
  done
}

for dpi in 144 192; do
  start_session $dpi
  windows "-${dpi}dpi"
  if [ $dpi = 144 ]; then
    balloon balloon-144dpi $dpi
    balloon balloon-exfat-144dpi $dpi 64
    dialogs "-${dpi}dpi"
  fi
  end_session
done

start_session 96
windows ""
dialogs ""

balloon balloon 96
balloon balloon-exfat 96 64

# skin_screens holds one look of the main window and prints "ready" when the
# picture stands.
for look in hover:skin-main-hover msgbox:skin-input-error; do
  coproc screens { "$WINE_LOADER" "$bin/bench/skin/skin_screens.exe" "${look%%:*}"; }
  grep -q -m1 ready <&"${screens[0]}"
  sleep 0.5
  grab "$main_title" "${look#*:}"
  finish
done

"$WINE_LOADER" "$bin/tools/gallery/taverel-skin-gallery.exe" --plain &
window_id "$gallery_title" >/dev/null
sleep 2
grab "$gallery_title" gallery-plain
finish

"$WINE_LOADER" "$bin/tools/gallery/taverel-skin-gallery.exe" &
id=$(window_id "$gallery_title")
xdotool mousemove 1 1
sleep 2
# Points within the gallery window (frame included) at 96 DPI: the header's
# middle item and the left column's drop-down list arrow.
xdotool mousemove --window "$id" 160 305
sleep 1.5
grab "$gallery_title" gallery-header-hover
xdotool mousemove --window "$id" 357 183 click 1
sleep 1.5
grab "$gallery_title" gallery-dropped-list
finish
