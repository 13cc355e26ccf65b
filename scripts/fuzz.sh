#!/usr/bin/env bash
# Builds the libFuzzer targets in fuzz/ with clang and runs each for a bounded time, two at a time;
# fails on any finding (crash, sanitizer report, broken property, leak, hang).
# FUZZ_SECONDS sets the time per target (60 by default). Findings and logs: build/fuzz/findings/.
# A finding is replayed by running the target on its file: build/fuzz/fuzz_to_text FILE
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-60}"
bash scripts/setup.sh

cmake -S fuzz -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/fuzz -j "$(nproc)"

findings=build/fuzz/findings
mkdir -p "$findings"
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp"
export QT_QPA_PLATFORM=offscreen

# Each target: the name and its own options. The box's inputs are operation lists; long ones
# only repeat what short ones reach.
targets=(
    "fuzz_to_number"
    "fuzz_to_text"
    "fuzz_round_half_away"
    "fuzz_answer_filter"
    "fuzz_answer_box -max_len=256"
)

run() {
    local name="$1"
    shift
    # New inputs go to the build tree; the committed seeds are only read.
    mkdir -p "build/fuzz/corpus/$name"
    if "build/fuzz/$name" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$findings/$name-" "$@" "build/fuzz/corpus/$name" "fuzz/corpus/$name" \
        >"$findings/$name.log" 2>&1; then
        echo "fuzz: $name: $(grep -E '^Done' "$findings/$name.log" || echo done)"
    else
        echo "fuzz: $name: FINDING (log: $findings/$name.log)" >&2
        grep -E -A3 'property broken|ERROR:|runtime error' "$findings/$name.log" | head -20 >&2 || true
        return 1
    fi
}

parallel="$(nproc)"
failed=0
pids=()
for target in "${targets[@]}"; do
    # shellcheck disable=SC2086
    run $target &
    pids+=($!)
    if ((${#pids[@]} >= parallel)); then
        wait "${pids[0]}" || failed=1
        pids=("${pids[@]:1}")
    fi
done
for pid in "${pids[@]}"; do
    wait "$pid" || failed=1
done
if ((failed)); then
    echo "fuzz: findings in $findings" >&2
    exit 1
fi
echo "fuzz: no findings (${seconds}s per target)"
