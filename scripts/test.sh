#!/usr/bin/env bash
# Every test: native unit tests (ASan + UBSan), the Windows build, its unit tests under
# Wine, and the end-to-end cases against the real tavo.exe in a virtual display.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

"$root/scripts/install-deps.sh"

jobs="$(nproc)"

echo "== native build and unit tests"
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAVO_SANITIZE=ON >/dev/null
cmake --build build/native -j "$jobs"
ctest --test-dir build/native --output-on-failure -j "$jobs"

echo "== Windows build"
cmake -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build build/win -j "$jobs"

echo "== unit tests and end-to-end tests under Wine"
"$root/scripts/e2e.sh" "$root/build/win"
