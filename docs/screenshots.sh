#!/usr/bin/env bash
# Photographs the program for the user manuals and writes the pictures that
# the manuals show into docs/images/ (en_*.png, ja_*.png). The manuals are
# typeset from these committed pictures, so only this script needs Wine.
#   docs/screenshots.sh [WINDOWS_BUILD]        (default: build/windows)
# It runs docs/shots/manual.scn, a scenario of the end-to-end tests, in
# English and in Japanese, in a throwaway Wine session on a private virtual
# display, and cuts each picture down to the window (or dialog) it is about.
set -euo pipefail
docs=$(dirname "$(realpath "$0")")
root=$(dirname "$docs")
windows=$(realpath "${1:-$root/build/windows}")

if [ -z "${DROVU_SESSION_DIR:-}" ]; then
  exec env DROVU_PRIVATE_DISPLAY=1 "$root/tools/wine-session" "$0" "$windows"
fi

program=$windows/shell/DROVU_95.EXE
for f in "$program" "$windows/tests/e2e/probe.exe"; do
  [ -f "$f" ] || { echo "screenshots: $f is missing; run make windows first" >&2; exit 1; }
done
scratch=$DROVU_SESSION_DIR/scratch
raw=$DROVU_SESSION_DIR/raw
# lib.sh's steps: a failing one leaves its screen in $shots, and look
# compares with $golden.
shots=$root/build/e2e
golden=$root/tests/e2e/golden
mkdir -p "$scratch" "$raw" "$shots"
. "$root/tests/e2e/lib.sh"
open_probe "$windows"

# The top-level windows on the virtual desktop, largest first, one line each:
# WIDTH HEIGHT X Y (screen coordinates, frame and caption included).
visible_windows() {
  local id
  for id in $(xdotool search --onlyvisible --name '.*' 2>/dev/null); do
    xwininfo -id "$id" 2>/dev/null | awk '
      /Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
      /^  Width/ {w = $NF} /^  Height/ {h = $NF}
      END { if (w >= 100 && h >= 60 && w < 1024) print w, h, x, y }'
  done | sort -n -r -k1,1 -k2,2
}

# snap NAME: the screen as $raw/NAME.png, and beside it where the windows
# were. The mouse first moves onto the fields (from one pixel beside, so that
# the program sees a move even when it rests there already), which takes away
# a button's name left from the last command. For the toolbar picture it rests
# on "Solution" instead, so that this button's name is drawn under the strip:
# 128 px right of the client's left edge, and 30 px below the window's top,
# which lies inside the strip for any caption bar between 10 and 28 px high.
snap() {
  local file=$raw/$1.png w h x y
  read -r w h x y < <(visible_windows | head -n1)
  if [ "${file%toolbar.png}" != "$file" ]; then
    xdotool mousemove $((x + 3 + 128)) $((y + 30))
  else
    xdotool mousemove $((x + w / 2 + 1)) $((y + h - 20))
    sleep 0.2
    xdotool mousemove $((x + w / 2)) $((y + h - 20))
  fi
  sleep 1
  visible_windows > "${file%.png}.windows"
  import -window root "$file"
}

# The height of the caption bar (and top frame) of a window picture: the
# first row, going down the column 80 px left of the right edge (past the
# caption's text, short of its buttons), whose colour differs from the bar.
caption_height() {
  local picture=$1 column
  column=$(($(identify -format %w "$picture") - 80))
  convert "$picture" -crop "1x60+$column+0" +repage txt:- | awk -F'[ ,:]+' '
    NR == 1 { next }
    { colour[$2] = $NF }
    END { for (r = 5; r < 60; r++) if (colour[r] != colour[4]) { print r; exit } print 24 }'
}

# From the client's top down to just above the first row of fields: the
# first row, 25 px or more below the strip's top, that is not white in the
# column 10 px from the left, where only the fields' borders are.
strip_height() {
  local picture=$1 top=$2
  convert "$picture" -crop "1x120+10+$((top + 25))" +repage txt:- | awk -F'[ ,:]+' '
    NR == 1 || found { next }
    $0 !~ /#FFFFFF/ { found = 25 + $2 - 1 }
    END { print found ? found : 56 }'
}

# The thickness of the window's frame: the rows at the bottom, below the
# white client area, in the middle column.
frame_width() {
  local picture=$1 w h
  read -r w h < <(identify -format '%w %h\n' "$picture")
  convert "$picture" -crop "1x12+$((w / 2))+$((h - 12))" +repage txt:- | awk -F'[ ,:]+' '
    NR == 1 { next }
    /#FFFFFF/ { last = $2 }
    END { print 12 - 1 - last }'
}

# The nine command buttons, each as its own picture (button_1.png ..
# button_9.png, the same in both languages): 32 x 20 px at x = 16 + 32 (k - 1)
# and y = 1 in the client area, enlarged twice. "Save Data" and "Error" are
# taken from the solution view, where they are usable, the others from the
# input view.
cut_buttons() {
  local input=$1 solution=$2 top frame k picture
  top=$(caption_height "$input")
  frame=$(frame_width "$input")
  for k in 1 2 3 4 5 6 7 8 9; do
    picture=$input
    [ $k -eq 5 ] || [ $k -eq 6 ] && picture=$solution
    convert "$picture" -crop "32x20+$((frame + 16 + 32 * (k - 1)))+$((top + 1))" +repage \
      -filter point -resize 200% -strip "$images/button_$k.png"
  done
}

run_case "$docs/shots/manual.scn" ||
  { echo "screenshots: the scenario failed; pictures left as they were" >&2; exit 1; }

# Cut a picture to a window: crop FILE OUT INDEX (0 = largest window).
crop() {
  local file=$1 out=$2 index=$3 w h x y
  read -r w h x y < <(sed -n "$((index + 1))p" "${file%.png}.windows")
  convert "$file" -crop "${w}x${h}+${x}+${y}" +repage -strip "$out"
}

images=$docs/images
for lang in en ja; do
  for view in start input solution errors; do
    crop "$raw/$lang-$view.png" "$images/${lang}_$view.png" 0
  done
  # The settings dialog lies over the main window: the second largest.
  crop "$raw/$lang-settings.png" "$images/${lang}_settings.png" 1
  # The left part of the strip with the name box under it, enlarged twice
  # with whole pixels so that the bitmaps stay sharp.
  crop "$raw/$lang-toolbar.png" "$raw/$lang-toolbar-window.png" 0
  top=$(caption_height "$raw/$lang-toolbar-window.png")
  height=$(strip_height "$raw/$lang-toolbar-window.png" "$top")
  convert "$raw/$lang-toolbar-window.png" -crop "320x$height+0+$top" +repage \
    -filter point -resize 200% -strip "$images/${lang}_toolbar.png"
done
cut_buttons "$images/en_input.png" "$images/en_solution.png"
ls -l "$images"/*.png
