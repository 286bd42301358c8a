#!/usr/bin/env bash
# Looks the sample books up through WinINet from a loopback HTTP server:
# the stand-in host sends the page host's requests to 127.0.0.1.
#   loopback_lookup.sh HOST_EXE PLUGIN_DLL WINEPREFIX
set -euo pipefail
host_exe="$1" plugin="$2"
export BK_WINEPREFIX="$3"
root="$(cd "$(dirname "$0")/../.." && pwd)"
work="$(pwd)/loopback"
rm -rf "$work" && mkdir -p "$work"
win() { printf 'Z:%s' "$1" | tr / '\\'; }

python3 "$root/tools/serve-sample-site.py" "$root/sample-site" --port-file "$work/port" \
  --idle 60 2>"$work/server.log" &
server=$!
trap 'kill $server 2>/dev/null || true' EXIT
for _ in $(seq 100); do [ -s "$work/port" ] && break; sleep 0.1; done
port=$(cat "$work/port")

codes="9784991234507 9784991234606 9784991234903"  # the last has no page
# shellcheck disable=SC2086
"$root/tools/wine-run.sh" "$host_exe" --trace --redirect "http://127.0.0.1:$port" \
  "$(win "$plugin")" "$(win "$work")" $codes >"$work/output.txt" 2>"$work/trace.txt" || true

fail() { echo "FAIL: $*"; echo "--- output"; cat "$work/output.txt"; echo "--- trace"; cat "$work/trace.txt";
         echo "--- server"; cat "$work/server.log"; exit 1; }
# Every page request reached the server: two for each page, one for the missing one.
[ "$(grep -c 'GET /bec/SA/Forward?button=btnKodawari&mode=kodawari&isbn=9784991234507 ' "$work/server.log")" = 2 ] ||
  fail "the first page was not fetched twice"
[ "$(grep -c 'isbn=9784991234903 HTTP/1.1" 404' "$work/server.log")" = 1 ] || fail "the missing page was not asked once"
grep -q 'result.txt: 2 book(s)' "$work/output.txt" || fail "not two books"
grep -q 'Title             月夜の図書館' "$work/output.txt" || fail "first book's title"
grep -q 'Title             港町の天気図' "$work/output.txt" || fail "second book's title"
# The missing last page left no page file, not the previous book's.
[ ! -e "$work/Temp.html" ] || fail "the missing page left a page file behind"
echo "loopback lookup: 2 books through WinINet from 127.0.0.1:$port"
