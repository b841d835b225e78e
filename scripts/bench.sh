#!/usr/bin/env bash
# Benchmarks (not part of the test command): builds the Windows tree and runs the
# benchmark programs under Wine on a virtual display, printing medians and the ratios
# that hold on any machine.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
"$root/scripts/install-deps.sh"

# The core's own costs, natively and optimised (the test build carries sanitizers).
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/bench -j "$(nproc)" --target core_bench
echo "== the core: load + rebuild + save of 230 Instructions, one run step, 50 bytes of key commands"
build/bench/bench/core_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

cmake -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build build/win -j "$(nproc)" --target recognition_bench practice_target

# shellcheck source=wine-env.sh
source "$root/scripts/wine-env.sh"
export PRACTICE_TARGET_EXE
PRACTICE_TARGET_EXE="$(wine_path "$root/build/win/tests/e2e/practice_target.exe")"
echo "== recognition: one picture's block and fingerprint against the practice target"
"$root/scripts/wine-env.sh" "$root/build/win" wine "$root/build/win/bench/recognition_bench.exe"
