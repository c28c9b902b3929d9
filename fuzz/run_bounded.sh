#!/usr/bin/env bash
# Runs every fuzz target for a bounded time, starting from its seed corpus.
#   fuzz/run_bounded.sh [BUILD_DIR [SECONDS]]   (defaults: build-fuzz, 30)
# Any crash, leak, timeout, out-of-memory or sanitizer report makes it fail; the input that
# caused it is kept in BUILD_DIR/fuzz-artifacts/ and printed. The seed corpora are only read:
# new inputs go to a scratch folder that is removed afterwards.
set -uo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-fuzz}
seconds=${2:-30}
bin="$build/bin"
artifacts="$build/fuzz-artifacts"
mkdir -p "$artifacts"

# target name, then its seed folders
targets=(
    "fuzz_def_file:fuzz/corpus/def_file examples tests/data"
    "fuzz_parse_number:fuzz/corpus/parse_number"
    "fuzz_number_text:fuzz/corpus/number_text"
    "fuzz_report:fuzz/corpus/report"
)

passed=0
failed=0
for entry in "${targets[@]}"; do
    name=${entry%%:*}
    read -r -a seeds <<<"${entry#*:}"
    if [ ! -x "$bin/$name" ]; then
        echo "fuzz: $bin/$name is missing"
        failed=$((failed + 1))
        continue
    fi
    existing=()
    for s in "${seeds[@]}"; do [ -d "$s" ] && existing+=("$s"); done
    scratch=$(mktemp -d)
    log="$artifacts/$name.log"
    rm -f "$artifacts/$name"-*
    echo "fuzz: $name for ${seconds}s"
    ASAN_OPTIONS="detect_leaks=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}" \
        UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
        "$bin/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$artifacts/$name-" "$scratch" "${existing[@]}" >"$log" 2>&1
    status=$?
    rm -rf "$scratch"
    if [ $status -eq 0 ]; then
        passed=$((passed + 1))
        # The last status line holds the coverage (cov: edges, ft: features) and the corpus.
        grep -E '^#[0-9]+' "$log" | tail -1 | sed 's/^/  /'
        grep -E '^stat::number_of_executed_units' "$log" | sed 's/^/  /'
    else
        failed=$((failed + 1))
        echo "fuzz: $name FAILED (exit $status); the end of its log ($log):"
        tail -60 "$log"
        for a in "$artifacts/$name"-*; do
            [ -f "$a" ] || continue
            echo "  input $a:"
            od -A d -c "$a" | head -20
        done
    fi
done
echo "fuzz: $passed passed, $failed failed"
[ $failed -eq 0 ]
