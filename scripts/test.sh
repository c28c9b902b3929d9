#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test stage:
#   dev   the whole suite in the release tree (build/)
#   asan  the whole suite again under AddressSanitizer + UndefinedBehaviorSanitizer (build-asan/)
#   fuzz  each libFuzzer target for a bounded time, ZAN_FUZZ_SECONDS each (30) (build-fuzz/)
#   release  the build a distribution makes (Release, Debian's hardening flags, warnings not
#         errors) in build-release/, the whole suite on it, and the .deb packed from it; run
#         only when named (scripts/test.sh release), as it doubles the dev stage's time
# With no argument dev, asan and fuzz run, in that order; name stages to run only those
# (scripts/test.sh asan). Any failing stage fails the script; the time of each is printed.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen

stages=("$@")
[ ${#stages[@]} -eq 0 ] && stages=(dev asan fuzz)
fuzz_seconds=${ZAN_FUZZ_SECONDS:-30}
fuzz_targets=(fuzz_def_file fuzz_parse_number fuzz_number_text fuzz_report)

scripts/install-deps.sh

timings=()
run_stage() {
    local name=$1
    local start=$SECONDS
    echo "=== stage $name"
    case $name in
        dev)
            scripts/build.sh
            ctest --preset dev -j2
            ;;
        asan)
            cmake --preset asan >/dev/null
            cmake --build --preset asan
            ctest --preset asan -j2
            ;;
        release)
            cmake --preset release >/dev/null
            cmake --build --preset release
            ctest --preset release -j2
            (cd build-release && cpack -G DEB)
            ;;
        fuzz)
            cmake --preset fuzz >/dev/null
            cmake --build --preset fuzz --target "${fuzz_targets[@]}"
            fuzz/run_bounded.sh build-fuzz "$fuzz_seconds"
            ;;
        *)
            echo "unknown stage $name (dev, asan, fuzz, release)" >&2
            return 2
            ;;
    esac
    timings+=("$name $((SECONDS - start))s")
}

for stage in "${stages[@]}"; do
    run_stage "$stage"
done
echo "=== stage times: ${timings[*]}"
