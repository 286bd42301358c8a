#!/usr/bin/env bash
# Builds everything and runs every test: the portable core natively under
# AddressSanitizer and UndefinedBehaviorSanitizer, the DLL, the stand-in host
# and the cross-built tests under Wine, and a short fuzzing run.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh

jobs=$(nproc)
cmake -S . -B build/native -DBK_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/native -j"$jobs"
ctest --test-dir build/native --output-on-failure -j"$jobs"

cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win32 -j"$jobs"
BK_WINEPREFIX="$PWD/build/win32/wineprefix" tools/wine-run.sh wineboot -i >/dev/null 2>&1 || true
ctest --test-dir build/win32 --output-on-failure -j"$jobs"

CC=clang CXX=clang++ cmake -S . -B build/fuzz -DBK_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/fuzz -j"$jobs"
ctest --test-dir build/fuzz --output-on-failure
