#!/usr/bin/env bash
# Runs a Windows program under 32-bit Wine with the ANSI code page 932.
# The prefix lives in the build tree (BK_WINEPREFIX, else ./wineprefix of the
# current directory, which CTest sets to the build tree). Without an X display
# a virtual one is started, so dialogs and windows are real.
set -euo pipefail
export WINEPREFIX="${BK_WINEPREFIX:-${WINEPREFIX:-$PWD/wineprefix}}"
# Wine needs the Unix locale itself for code page 932 file names: built once beside the prefix.
export LOCPATH="$WINEPREFIX-locale"; [ -d "$LOCPATH/ja_JP.SJIS" ] || { mkdir -p "$LOCPATH"; localedef -i ja_JP -f SHIFT_JIS "$LOCPATH/ja_JP.SJIS" 2>/dev/null || true; }
export WINEARCH=win32 WINEDEBUG=-all
# The locale is set only for Wine (through env), not for this shell, which
# would warn that it cannot use it.
locale=(env LANG=ja_JP.SJIS LC_ALL=ja_JP.SJIS)
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "${locale[@]}" wine "$@"
fi
exec "${locale[@]}" wine "$@"
