#!/usr/bin/env bash
# Builds everything for Windows (build/win32: the plug-in DLL, the stand-in host
# and the tests) and looks books up through them under Wine, printing each
# book's fields.
#   ./run.sh            the bundled sample site, offline (sample-site/codes.txt)
#   ./run.sh CODE...    those codes, from the bookstore site itself
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh

if [ -f build/win32/CMakeCache.txt ]; then
  cmake build/win32 >/dev/null
else
  cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build build/win32 -j"$(nproc)" >/dev/null

export BK_WINEPREFIX="$PWD/build/win32/wineprefix"
work="build/win32/lookup"
mkdir -p "$work"
win() { printf 'Z:%s' "$PWD/$1" | tr / '\\'; }

if [ $# -eq 0 ]; then
  set -- --pages "$(win sample-site)" "$(win build/win32/plugin/booklookup.dll)" "$(win "$work")" \
         --codes "$(win sample-site/codes.txt)"
else
  set -- "$(win build/win32/plugin/booklookup.dll)" "$(win "$work")" "$@"
fi
# Wine's and the virtual display's own chatter is not for the terminal.
tools/wine-run.sh build/win32/host/kuraloq.exe "$@" 2> >(grep -v -e '^X connection' -e 'setlocale' >&2)
