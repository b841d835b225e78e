#!/usr/bin/env bash
# Wine environment for running Tavo's Windows builds on Linux.
#
# Source it to get the functions below, or run it:
#   scripts/wine-env.sh BUILD_DIR COMMAND [ARGS...]
# which runs COMMAND with a fresh Wine prefix (a copy of BUILD_DIR/wine/template, made
# once per build tree), a running wineserver and a display, and cleans up afterwards.
#
#   wine_env_setup          quiet Wine, no .NET/HTML engines
#   wine_run CMD...         run CMD with Wine's locale (ANSI code page 936)
#   wine_template BUILD_DIR make the prefix template if missing (prints its path)
#   wine_fresh_prefix BUILD_DIR   copy the template to a new prefix, export WINEPREFIX
#   wine_server_start       keep wineserver up between programs (-p 60)
#   wine_with_display CMD   run CMD on $DISPLAY if usable, else in a new Xvfb 1920x1080
#   wine_cleanup            end everything in the prefix and remove the prefix copy

WINE_XVFB_SERVER_ARGS="-screen 0 1920x1080x24 -nolisten tcp"
WINE_TEMPLATE_STAMP=".tavo-template-complete"

# zh_CN.UTF-8 gives Windows programs code page 936. The glibc locale need not exist, but
# then bash warns on every command while it is set, so only Wine's commands get it.
WINE_LOCALE_ENV=(LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8)

wine_env_setup() {
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    export WINEARCH=win64
}

wine_run() { env "${WINE_LOCALE_ENV[@]}" "$@"; }

wine_log() { echo "[wine-env] $*" >&2; }

# A bounded wait for every wineserver of a prefix to end.
wine_server_wait() {
    local prefix=$1
    WINEPREFIX="$prefix" timeout 30 wineserver -w 2>/dev/null || {
        WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
    }
}

wine_make_template() {
    local dir=$1 tmp
    tmp="$dir.tmp.$$"
    rm -rf "$tmp"
    wine_log "creating Wine prefix template (once per build tree, ~10 s)"
    WINEPREFIX="$tmp" wine_run timeout 120 wineboot -i >/dev/null 2>&1 ||
        { wine_log "wineboot failed"; rm -rf "$tmp"; return 1; }
    # Without a window manager every hide or destroy stalls 2 s unless windows are unmanaged.
    WINEPREFIX="$tmp" wine_run timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 ||
        { wine_log "registry setting failed"; rm -rf "$tmp"; return 1; }
    wine_server_wait "$tmp"
    touch "$tmp/$WINE_TEMPLATE_STAMP"
    rm -rf "$dir"
    mv "$tmp" "$dir"
}

wine_template() {
    local build_dir=$1 dir
    dir="$(cd "$build_dir" && pwd)/wine/template"
    mkdir -p "$(dirname "$dir")"
    (
        # Two runs on one build tree must not build the template at the same time.
        flock -w 180 9 || { wine_log "timed out waiting for the template lock"; exit 1; }
        [ -f "$dir/$WINE_TEMPLATE_STAMP" ] || wine_make_template "$dir"
    ) 9>"$(dirname "$dir")/.template.lock" || return 1
    echo "$dir"
}

wine_fresh_prefix() {
    local build_dir=$1 template root
    template=$(wine_template "$build_dir") || return 1
    root="$(dirname "$template")"
    WINE_RUN_PREFIX=$(mktemp -d "$root/run.XXXXXX") || return 1
    cp -a "$template/." "$WINE_RUN_PREFIX/" || return 1
    rm -f "$WINE_RUN_PREFIX/$WINE_TEMPLATE_STAMP"
    export WINEPREFIX="$WINE_RUN_PREFIX"
    export WINE_RUN_PREFIX
}

# Starts the server and Wine's own services up front, detached from our output: a
# service started by a test program would inherit its stdout and outlive it.
wine_server_start() {
    wine_run wineserver -p 60
    wine_run timeout 60 wine cmd /c exit 0 </dev/null >/dev/null 2>&1 || wine_log "warm-up failed"
}

wine_display_usable() {
    [ -n "${DISPLAY:-}" ] && timeout 5 xdpyinfo >/dev/null 2>&1
}

wine_with_display() {
    if wine_display_usable; then
        "$@"
    else
        xvfb-run -a -s "$WINE_XVFB_SERVER_ARGS" "$@"
    fi
}

wine_cleanup() {
    if [ -n "${WINEPREFIX:-}" ]; then
        wineserver -k 2>/dev/null || true
        wine_server_wait "$WINEPREFIX"
    fi
    if [ -n "${WINE_RUN_PREFIX:-}" ] && [ -z "${WINE_KEEP_PREFIX:-}" ]; then
        rm -rf "$WINE_RUN_PREFIX"
    elif [ -n "${WINE_RUN_PREFIX:-}" ]; then
        wine_log "kept prefix $WINE_RUN_PREFIX"
    fi
    WINE_RUN_PREFIX=""
}

# Linux path to the Windows path Wine's Z: drive gives it.
wine_path() {
    local p
    p=$(realpath -m "$1")
    printf 'Z:%s\n' "${p//\//\\}"
}

wine_env_main() {
    set -euo pipefail
    if [ $# -lt 2 ]; then
        echo "usage: $0 BUILD_DIR COMMAND [ARGS...]" >&2
        exit 2
    fi
    local build_dir=$1
    shift
    wine_env_setup
    if [ -z "${WINE_ENV_INNER:-}" ]; then
        # Re-enter on a display, so that Wine and its server share it from the start.
        WINE_ENV_INNER=1 wine_with_display bash "${BASH_SOURCE[0]}" "$build_dir" "$@"
        return
    fi
    trap wine_cleanup EXIT
    trap 'exit 130' INT TERM
    wine_fresh_prefix "$build_dir"
    wine_server_start
    wine_run "$@"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    wine_env_main "$@"
fi
