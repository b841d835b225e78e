#!/usr/bin/env bash
# Installs what is missing, builds Tavo for Windows and starts it under Wine with the
# practice target under the screen centre and the demo Script (demo/demo.json) loaded.
#
# On your display (DISPLAY works): choose 控制 → 运行脚本 in Tavo to run the demo.
# Otherwise, on a virtual display, the demo is run from outside (tavo_demo_drive.exe):
# screenshots before and after the run go to build/screenshots/, the practice target's
# input log is build/run/practice_target.log, and everything ends afterwards.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/win"
native="$root/build/native"
# shellcheck source=wine-env.sh
source "$root/scripts/wine-env.sh"

prepare() {
    "$root/scripts/install-deps.sh"
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
    cmake --build "$build" -j "$(nproc)" --target tavo practice_target tavo_demo_drive
    # tavo-cli turns the demo's JSON into a Script file.
    cmake -S "$root" -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
    cmake --build "$native" -j "$(nproc)" --target tavo-cli
}

# A prefix of the user's own that outlives the run: Tavo keeps its settings in it.
user_prefix() {
    local template prefix="$build/wine/user"
    template=$(wine_template "$build")
    [ -d "$prefix" ] || cp -a "$template" "$prefix"
    rm -f "$prefix/$WINE_TEMPLATE_STAMP"
    export WINEPREFIX="$prefix"
}

screenshot() {
    mkdir -p "$root/build/screenshots"
    import -window root "$root/build/screenshots/$1.png" && echo "screenshot: build/screenshots/$1.png"
}

# demo.gmx beside tavo.exe, named in the registry as the Script to open at start-up.
place_demo() {
    local gmx="$1/demo.gmx"
    # Made again only when the JSON changed: a demo.gmx saved from Tavo is kept.
    if [ ! -f "$gmx" ] || [ "$root/demo/demo.json" -nt "$gmx" ]; then
        "$native/src/cli/tavo-cli" convert "$root/demo/demo.json" "$gmx"
    fi
    wine_run wine reg add 'HKCU\Software\Tavo' /v FileName /d demo /f >/dev/null 2>&1
}

run_demo() {
    local log=$1 drive="$build/tests/e2e/tavo_demo_drive.exe"
    if ! wine_run wine "$drive" wait; then
        screenshot tavo-failed
        return 1
    fi
    screenshot tavo-before
    local status=0
    wine_run wine "$drive" run "$(wine_path "$log")" || status=$?
    # The target repaints its status line just after logging; give it a moment.
    sleep 1
    screenshot tavo-after
    echo "practice target's input log: build/run/practice_target.log"
    return "$status"
}

inner() {
    user_prefix
    trap 'wineserver -k 2>/dev/null || true' EXIT
    wine_server_start
    # Tavo looks for its Scripts in its own folder; give it one outside the build outputs.
    local app="$root/build/run"
    mkdir -p "$app"
    cp "$build/src/app/tavo.exe" "$app/"
    place_demo "$app"
    local log="$app/practice_target.log"
    : >"$log"
    # Right of the main window, so that Tavo does not cover it, and over the screen centre.
    wine_run wine "$build/tests/e2e/practice_target.exe" --x 700 --y 240 --width 800 --height 600 \
        --log "$(wine_path "$log")" &
    if [ -n "${RUN_VIRTUAL:-}" ]; then
        wine_run wine "$app/tavo.exe" &
        run_demo "$log"
    else
        echo "Tavo opens the demo Script (demo/demo.json). Choose 控制 → 运行脚本 to run it;"
        echo "the practice target shows what it receives in its bottom lines."
        wine_run wine "$app/tavo.exe"
    fi
}

main() {
    wine_env_setup
    if [ -n "${RUN_INNER:-}" ]; then
        inner
    elif wine_display_usable; then
        prepare
        RUN_INNER=1 bash "$0"
    else
        prepare
        echo "No usable DISPLAY: running the demo on a virtual display; screenshots go to build/screenshots/."
        RUN_INNER=1 RUN_VIRTUAL=1 xvfb-run -a -s "$WINE_XVFB_SERVER_ARGS" bash "$0"
    fi
}

main "$@"
