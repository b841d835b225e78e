#!/usr/bin/env bash
# Every test: native unit and tavo-cli tests (ASan + UBSan), a short pass of the fuzz
# harnesses, the Windows build, its unit and tavo-cli tests under Wine, and the end-to-end
# cases against the real tavo.exe in a virtual display.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

"$root/scripts/install-deps.sh"

jobs="$(nproc)"

echo "== native build and unit tests"
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAVO_SANITIZE=ON >/dev/null
cmake --build build/native -j "$jobs"
ctest --test-dir build/native --output-on-failure --no-tests=error -j "$jobs" | tee build/native-tests.log

echo "== fuzzing: each harness for 15 seconds, so that a new crash fails the tests"
"$root/scripts/fuzz.sh" 15

echo "== Windows build"
cmake -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build build/win -j "$jobs"

echo "== unit tests and end-to-end tests under Wine"
# Into a file, not a pipe: Wine's background services would hold a pipe open.
status=0
"$root/scripts/e2e.sh" "$root/build/win" >build/wine-tests.log 2>&1 || status=$?
cat build/wine-tests.log
[ "$status" -eq 0 ] || exit "$status"

native=$(grep -oE 'tests failed out of [0-9]+' build/native-tests.log | grep -oE '[0-9]+$')
# Counted from the closing summary only: the suites' own output repeats the same lines.
wine=$(awk '/^=== summary ===/ { s = 1 } s && /^\[  PASSED  \] [0-9]+ test/ { n += $4 } END { print n + 0 }' build/wine-tests.log)
echo "all: $((native + wine)) passed, 0 failed"
