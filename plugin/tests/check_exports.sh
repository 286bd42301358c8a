#!/usr/bin/env bash
# The DLL exports exactly funcGetInfo and DownlaodFunc, undecorated, and
# imports only DLLs that every Windows system has (the runtime is static).
set -euo pipefail
dll="$1"
dump=$(i686-w64-mingw32-objdump -p "$dll")

exports=$(printf '%s\n' "$dump" | awk '/\[Ordinal\/Name Pointer\] Table/{on=1; next} on && /^[ \t]*\[/{print $NF; next} on{on=0}' | sort)
expected=$(printf 'DownlaodFunc\nfuncGetInfo\n')
if [ "$exports" != "$expected" ]; then
  echo "exports are not exactly funcGetInfo and DownlaodFunc:"; echo "$exports"; exit 1
fi

imports=$(printf '%s\n' "$dump" | awk '/DLL Name:/{print tolower($3)}' | sort -u)
allowed='^(kernel32|user32|gdi32|comctl32|msvcrt|advapi32|shell32|ole32)\.dll$'
bad=$(printf '%s\n' "$imports" | grep -Ev "$allowed" || true)
if [ -n "$bad" ]; then
  echo "imports DLLs beyond the system's:"; echo "$bad"; exit 1
fi
echo "exports: $(echo $exports); imports: $(echo $imports)"
