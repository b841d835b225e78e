#!/usr/bin/env bash
# Runs the Windows unit tests (tavo_tests.exe), the tavo-cli tests (tavo_cli_tests.exe)
# and the end-to-end tests (tavo_e2e.exe) of a Windows build tree under Wine, on a virtual
# display, in a fresh Wine prefix.
#
#   scripts/e2e.sh BUILD_DIR [ARGS FOR tavo_e2e.exe, e.g. --gtest_filter=TavoRun.*]
#
# E2E_ONLY=1 skips the unit and tavo-cli tests; WINE_KEEP_PREFIX=1 keeps the prefix and
# work folder. Without tavo_e2e.exe arguments the locale cases also run under en_US.UTF-8.
# Exits non-zero when anything fails or a suite does not finish in time.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=wine-env.sh
source "$here/wine-env.sh"

UNIT_TIMEOUT=${UNIT_TIMEOUT:-120}
E2E_TIMEOUT=${E2E_TIMEOUT:-300}

usage() { echo "usage: $0 BUILD_DIR [tavo_e2e.exe arguments...]" >&2; exit 2; }

require_exes() {
    local missing=0 f
    for f in "$@"; do
        if [ ! -f "$f" ]; then
            echo "e2e: missing $f (build the Windows targets first)" >&2
            missing=1
        fi
    done
    return $missing
}

# Runs one gtest program with a time limit, keeping its output for the summary. The
# output goes to a file, not a pipe: a pipe would stay open as long as any Wine service
# that inherited it, and a reader would wait for that.
run_suite() {
    local name=$1 limit=$2 out=$3
    shift 3
    echo "=== $name ==="
    local status=0 pid
    : >"$out"  # tail may start before the suite opens it
    wine_run timeout -k 5 "$limit" wine "$@" >"$out" 2>&1 </dev/null &
    pid=$!
    tail -n +1 -f --pid="$pid" "$out"
    wait "$pid" || status=$?
    [ "$status" -eq 124 ] && echo "e2e: $name did not finish within ${limit}s" | tee -a "$out"
    return "$status"
}

summary_of() {
    local name=$1 out=$2
    echo "--- $name:"
    grep -E '^\[  (PASSED|FAILED|SKIPPED) +\]|tests? ran|did not finish' "$out" || echo "    (no gtest summary)"
}

inner() {
    local build=$1
    shift
    trap wine_cleanup EXIT
    trap 'exit 130' INT TERM
    wine_fresh_prefix "$build"
    wine_server_start

    # On the prefix's C: drive: seen through Z:, the prefix's own folder has no short
    # names, which Tavo falls back on for a folder the code page cannot spell.
    local work="$WINE_RUN_PREFIX/drive_c/e2e-work" work_windows='C:\e2e-work'
    mkdir -p "$work/app"
    # tavo.exe runs from a folder of its own: it looks there for the last Script and
    # writes files there, which must not leak from the build tree or between runs.
    cp "$build/src/app/tavo.exe" "$work/app/"
    export TAVO_EXE PRACTICE_TARGET_EXE TAVO_CLI_EXE E2E_WORKDIR
    TAVO_CLI_EXE=$(wine_path "$build/src/cli/tavo-cli.exe")
    TAVO_EXE="$work_windows\app\tavo.exe"
    PRACTICE_TARGET_EXE=$(wine_path "$build/tests/e2e/practice_target.exe")
    E2E_WORKDIR="$work_windows"

    local unit_status=0 e2e_status=0
    if [ -z "${E2E_ONLY:-}" ]; then
        run_suite "unit tests (Windows build)" "$UNIT_TIMEOUT" "$work/unit.out" \
            "$build/tests/unit/tavo_tests.exe" || unit_status=$?
        run_suite "tavo-cli tests (Windows build)" "$UNIT_TIMEOUT" "$work/cli.out" \
            "$build/tests/cli/tavo_cli_tests.exe" || unit_status=$?
    fi
    run_suite "end-to-end tests" "$E2E_TIMEOUT" "$work/e2e.out" \
        "$build/tests/e2e/tavo_e2e.exe" "$@" || e2e_status=$?
    # The locale cases once more where the system code page is 1252, not 936.
    local other_locale=0
    if [ $# -eq 0 ]; then
        other_locale=1
        local chinese=("${WINE_LOCALE_ENV[@]}")
        WINE_LOCALE_ENV=(LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8)
        run_suite "end-to-end tests under en_US.UTF-8" "$UNIT_TIMEOUT" "$work/e2e-en.out" \
            "$build/tests/e2e/tavo_e2e.exe" --gtest_filter='TavoLocale.*' || e2e_status=$?
        WINE_LOCALE_ENV=("${chinese[@]}")
    fi

    echo "=== summary ==="
    if [ -z "${E2E_ONLY:-}" ]; then
        summary_of "unit tests" "$work/unit.out"
        summary_of "tavo-cli tests" "$work/cli.out"
    fi
    summary_of "end-to-end tests" "$work/e2e.out"
    [ "$other_locale" -eq 0 ] || summary_of "end-to-end tests under en_US.UTF-8" "$work/e2e-en.out"
    if [ "$unit_status" -ne 0 ] || [ "$e2e_status" -ne 0 ]; then
        echo "e2e: FAILED (unit exit $unit_status, e2e exit $e2e_status)"
        return 1
    fi
    echo "e2e: all passed"
}

main() {
    [ $# -ge 1 ] || usage
    local build
    build=$(cd "$1" && pwd) || usage
    shift
    wine_env_setup
    require_exes "$build/tests/e2e/tavo_e2e.exe" "$build/tests/e2e/practice_target.exe" "$build/src/app/tavo.exe"
    [ -n "${E2E_ONLY:-}" ] || require_exes "$build/tests/unit/tavo_tests.exe" "$build/tests/cli/tavo_cli_tests.exe"
    if [ -z "${E2E_INNER:-}" ]; then
        E2E_INNER=1 wine_with_display bash "${BASH_SOURCE[0]}" "$build" "$@"
    else
        inner "$build" "$@"
    fi
}

main "$@"
