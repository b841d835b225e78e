#!/usr/bin/env bash
# Installs what is missing, builds Tavo for Windows and starts it under Wine, with the
# practice target window under the screen centre for it to find.
#
# On your display when DISPLAY works; otherwise on a virtual display, where screenshots
# are saved to build/screenshots/ and the programs end after RUN_SECONDS (default 20).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/win"
# shellcheck source=wine-env.sh
source "$root/scripts/wine-env.sh"

prepare() {
    "$root/scripts/install-deps.sh"
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
    cmake --build "$build" -j "$(nproc)" --target tavo practice_target
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

inner() {
    user_prefix
    trap 'wineserver -k 2>/dev/null || true' EXIT
    wine_server_start
    # Tavo looks for its Scripts in its own folder; give it one outside the build outputs.
    local app="$root/build/run"
    mkdir -p "$app"
    cp "$build/src/app/tavo.exe" "$app/"
    # Right of the main window, so that Tavo does not cover it, and over the screen centre.
    wine_run wine "$build/tests/e2e/practice_target.exe" --x 700 --y 240 --width 800 --height 600 \
        --log "$(wine_path "$app/practice_target.log")" &
    if [ -n "${RUN_VIRTUAL:-}" ]; then
        wine_run wine "$app/tavo.exe" &
        sleep 5
        screenshot tavo
        sleep "${RUN_SECONDS:-20}"
        screenshot tavo-later
    else
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
        echo "No usable DISPLAY: running on a virtual display; screenshots go to build/screenshots/."
        RUN_INNER=1 RUN_VIRTUAL=1 xvfb-run -a -s "$WINE_XVFB_SERVER_ARGS" bash "$0"
    fi
}

main "$@"
