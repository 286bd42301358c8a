#!/usr/bin/env bash
# Takes a picture of the wait window during a run: the stand-in host looks up
# three sample books slowly on a virtual display, and the window is captured
# from the display once it is up. Writes wait-window.png in the current folder.
#   wait_window_screenshot.sh HOST_EXE PLUGIN_DLL WINEPREFIX
set -euo pipefail
host_exe="$1" plugin="$2"
export BK_WINEPREFIX="$3"
root="$(cd "$(dirname "$0")/../.." && pwd)"
work="$(pwd)/screenshot"
rm -rf "$work" wait-window.png && mkdir -p "$work"
win() { printf 'Z:%s' "$1" | tr / '\\'; }
export host_exe root work plugin_win="$(win "$plugin")" work_win="$(win "$work")" pages_win="$(win "$root/sample-site")"

# shellcheck disable=SC2016
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  "$root/tools/wine-run.sh" "$host_exe" --delay 700 --pages "$pages_win" "$plugin_win" "$work_win" \
      9784991234507 9784991234606 9784991234705 >"$work/output.txt" 2>&1 &
  host=$!
  geometry=""
  for _ in $(seq 300); do
    # The client area of the window, as an X window of the host process.
    geometry=$(xwininfo -root -tree | awk "/\\(\"kuraloq.exe\"/ && / 219x98\\+/ {print \$(NF-1)}" | head -1)
    [ -n "$geometry" ] && break
    sleep 0.1
  done
  if [ -z "$geometry" ]; then echo "FAIL: no wait window appeared"; cat "$work/output.txt"; exit 1; fi
  sleep 2  # a code takes 1.4 s: this is the second one, the bar has moved
  # The window as the run draws it (the virtual display has no window
  # manager to add a frame).
  import -window root -crop "$geometry" +repage wait-window.png
  wait $host
'
[ -s wait-window.png ] || { echo "FAIL: no picture"; exit 1; }
echo "wait window picture: $(pwd)/wait-window.png ($(identify -format %wx%h wait-window.png))"
