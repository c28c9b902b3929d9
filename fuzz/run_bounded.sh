#!/usr/bin/env bash
# Runs every fuzz target for a bounded time, starting from its seed corpus.
#   fuzz/run_bounded.sh [BUILD_DIR [SECONDS]]   (defaults: build-fuzz, 30)
# Any crash, leak, timeout, out-of-memory or sanitizer report makes it fail; the input that
# caused it is kept in BUILD_DIR/fuzz-artifacts/ and printed as hex. The seed corpora are only
# read: new inputs go to a scratch folder.
set -euo pipefail
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

status=0
for entry in "${targets[@]}"; do
    name=${entry%%:*}
    read -r -a seeds <<<"${entry#*:}"
    if [ ! -x "$bin/$name" ]; then
        echo "fuzz: $bin/$name is missing" >&2
        status=1
        continue
    fi
    scratch=$(mktemp -d)
    existing=()
    for s in "${seeds[@]}"; do [ -d "$s" ] && existing+=("$s"); done
    log="$artifacts/$name.log"
    echo "fuzz: $name for ${seconds}s"
    if ASAN_OPTIONS="detect_leaks=1:${ASAN_OPTIONS:-}" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
        "$bin/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$artifacts/$name-" "$scratch" "${existing[@]}" >"$log" 2>&1; then
        grep -E '^stat::number_of_executed_units|^#[0-9]+ +DONE' "$log" | tail -2 | sed 's/^/  /'
    else
        echo "fuzz: $name FAILED; the end of its log:" >&2
        tail -40 "$log" >&2
        for a in "$artifacts/$name"-*; do
            [ -f "$a" ] && { echo "  input $a:"; od -A d -c "$a" | head -20; } >&2
        done
        status=1
    fi
    rm -rf "$scratch"
done
exit $status
