#!/usr/bin/env bash
# The soak (not part of the test command; docs/SOAK.md): builds what it needs, then lets
# Tavo run a recognising, clicking and typing Script for MINUTES against practice targets
# that appear, move and close at random, in a fresh Wine prefix on a virtual display,
# sampling Tavo's process every 10 s. Prints the figures and the verdict; exits non-zero
# when a measure grew by more than 5 % after the second minute or Tavo stopped answering.
#
#   scripts/soak.sh MINUTES [--seed N] [--interval SECONDS] [--targets N]
#
# In build/soak/: soak.log (this output), soak.csv (the samples), soak.csv.events.txt (the
# targets' changes), soak-early.png and soak-late.png (the screen at 2:30 and near the end).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/win"
out="$root/build/soak"
# shellcheck source=wine-env.sh
source "$root/scripts/wine-env.sh"

usage() { echo "usage: $0 MINUTES [--seed N] [--interval SECONDS] [--targets N]" >&2; exit 2; }

prepare() {
    "$root/scripts/install-deps.sh"
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
    cmake --build "$build" -j "${SOAK_JOBS:-2}" --target tavo practice_target tavo-cli tavo_soak
}

# Where and with what the figures were made, for the docs.
describe_machine() {
    local cpu memory screen
    cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
    memory=$(awk '/MemTotal/ { printf "%.1f GB", $2 / 1048576 }' /proc/meminfo)
    screen=$(xdpyinfo | sed -n 's/^ *dimensions: *\([0-9x]*\).*/\1/p' | head -n 1)
    echo "date: $(date '+%Y-%m-%d %H:%M %Z')"
    echo "machine: $(nproc) cores of $cpu, $memory"
    echo "wine: $(wine --version 2>/dev/null), display $screen"
}

screenshot_at() {
    local seconds=$1 name=$2
    sleep "$seconds"
    import -window root "$out/$name.png" 2>/dev/null &&
        echo "screenshot: build/soak/$name.png" >>"$out/shots.txt"
}

inner() {
    local minutes=$1
    trap wine_cleanup EXIT
    trap 'exit 130' INT TERM
    wine_fresh_prefix "$build"
    wine_server_start

    # Tavo reads and writes beside itself: a folder of its own on the prefix's C: drive.
    local work="$WINE_RUN_PREFIX/drive_c/soak" work_windows='C:\soak'
    mkdir -p "$work/app"
    cp "$build/src/app/tavo.exe" "$work/app/"
    wine_run wine "$build/src/cli/tavo-cli.exe" convert \
        "$(wine_path "$root/tests/soak/soak.json")" "$work_windows\\app\\soak.gmx" >/dev/null
    export TAVO_EXE PRACTICE_TARGET_EXE E2E_WORKDIR
    TAVO_EXE="$work_windows\\app\\tavo.exe"
    PRACTICE_TARGET_EXE=$(wine_path "$build/tests/e2e/practice_target.exe")
    E2E_WORKDIR="$work_windows"

    rm -f "$out"/soak-*.png "$out/shots.txt"
    local shots=()
    screenshot_at 150 soak-early &
    shots+=($!)
    screenshot_at "$(awk -v m="$minutes" 'BEGIN { print int(m * 60 - 20) }')" soak-late &
    shots+=($!)

    # Into a file, not a pipe: Wine's services would hold a pipe open after the end.
    local log="$out/soak.log" status=0 pid
    describe_machine >"$log"
    wine_run wine "$build/tests/soak/tavo_soak.exe" "$minutes" "$work_windows\\app\\soak.gmx" \
        "$(wine_path "$out/soak.csv")" "${@:2}" >>"$log" 2>&1 </dev/null &
    pid=$!
    tail -n +1 -f --pid="$pid" "$log"
    wait "$pid" || status=$?
    kill "${shots[@]}" 2>/dev/null || true
    cat "$out/shots.txt" 2>/dev/null || true
    return "$status"
}

main() {
    [ $# -ge 1 ] || usage
    [[ $1 =~ ^[0-9]+([.][0-9]+)?$ ]] || usage
    wine_env_setup
    if [ -z "${SOAK_INNER:-}" ]; then
        prepare
        mkdir -p "$out"
        SOAK_INNER=1 wine_with_display bash "$0" "$@"
    else
        inner "$@"
    fi
}

main "$@"
