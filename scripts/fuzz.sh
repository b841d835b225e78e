#!/usr/bin/env bash
# Builds the libFuzzer harnesses of tests/fuzz with clang and runs each on its seed
# corpus, two at a time, for SECONDS (default 15; 0 for no limit) or RUNS executions.
# Fails on any crash, sanitizer report, broken assertion, slow input or leak; the input
# is kept in build/fuzz/crashes/ (TAVO_FUZZ_BUILD names another build folder). New
# inputs go to a temporary corpus, never to the repository's seeds.
#   scripts/fuzz.sh [SECONDS] [RUNS]
# For the long runs: TAVO_FUZZ_ONLY="gmx_file key_text" picks harnesses, TAVO_FUZZ_JOBS=1
# leaves a core free, and TAVO_FUZZ_CORPUS=DIR keeps the new inputs in DIR, so that a run
# stopped part of the way can go on from where it was.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

seconds="${1:-15}"
runs="${2:--1}"
build="${TAVO_FUZZ_BUILD:-$root/build/fuzz}"
read -r -a harnesses <<<"${TAVO_FUZZ_ONLY:-gmx_file tag_text key_text json_script bmp_file skin_file}"
jobs_at_once="${TAVO_FUZZ_JOBS:-2}"

"$root/scripts/install-deps.sh"

cmake -S tests/fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j 2

# A smaller quarantine of freed memory than the default halves the cost of each input;
# use after free is still caught for all but the oldest frees.
export ASAN_OPTIONS="${ASAN_OPTIONS:-quarantine_size_mb=16:malloc_context_size=10}"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
corpus="${TAVO_FUZZ_CORPUS:-$work}"
mkdir -p "$build/crashes"

run_one() {
    local name="$1" status=0 start
    local options=(-max_total_time="$seconds" -runs="$runs" -timeout=10 -print_final_stats=1
                   -artifact_prefix="$build/crashes/$name-")
    [ -f "tests/fuzz/dict/$name.dict" ] && options+=(-dict="tests/fuzz/dict/$name.dict")
    # Longer inputs only repeat what these do, at a fraction of the speed: a header and six
    # records (the records beyond 230 are the unit tests' part); ten 50-byte text fields.
    case "$name" in
        gmx_file) options+=(-max_len=1024) ;;
        key_text) options+=(-max_len=512) ;;
    esac
    mkdir -p "$corpus/$name"
    start=$(date +%s)
    # The first corpus folder takes the new inputs.
    "$build/fuzz_$name" "${options[@]}" "$corpus/$name" "tests/fuzz/corpus/$name" \
        >"$corpus/$name.log" 2>&1 || status=$?
    echo "$status $(($(date +%s) - start))" >"$corpus/$name.result"
}

# Two at a time by default: the test machine has two cores.
for name in "${harnesses[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge "$jobs_at_once" ]; do wait -n || true; done
    run_one "$name" &
done
wait

failed=0
for name in "${harnesses[@]}"; do
    read -r status elapsed <"$corpus/$name.result"
    log="$corpus/$name.log"
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    last=$(grep -E '^#[0-9]+.*cov: ' "$log" | tail -1 || true)
    cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")
    ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")
    kept=$(sed -n 's/.* corp: \([0-9]*\).*/\1/p' <<<"$last")
    line=$(printf '%-12s %10s runs in %5s s, coverage %5s edges, %6s features, corpus %5s' \
        "$name" "${executions:-?}" "$elapsed" "${cov:-?}" "${ft:-?}" "${kept:-?}")
    if [ "$status" -eq 0 ]; then
        echo "$line: ok"
    else
        failed=1
        echo "$line: FAILED (exit $status)"
        { grep -E -A 40 'ERROR: |runtime error|broken: |deadly signal' "$log" || tail -20 "$log"; } |
            head -60
        grep -E 'Test unit written to' "$log" || true
    fi
done
exit "$failed"
