#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test stage:
#   dev   the whole suite in the release tree (build/)
#   asan  the whole suite again under AddressSanitizer + UndefinedBehaviorSanitizer (build-asan/)
#   fuzz  each libFuzzer target for a bounded time, ZAN_FUZZ_SECONDS each (30) (build-fuzz/)
#   web   the web page (build-wasm/web/) and its one-file form in headless Chromium (and the
#         one-file page in Firefox) against the native zan-report and zan-design, and the
#         WebAssembly engine's speed beside the native benchmark's
#   release  the build a distribution makes (Release, Debian's hardening flags, warnings not
#         errors) in build-release/, the whole suite on it, and the .deb packed from it with
#         the one-file web page (build-wasm/web/zan-design.html); run
#         only when named (scripts/test.sh release), as it doubles the dev stage's time
# With no argument dev, asan, fuzz and web run, in that order; name stages to run only those
# (scripts/test.sh asan). Any failing stage fails the script; the time of each is printed.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen

stages=("$@")
[ ${#stages[@]} -eq 0 ] && stages=(dev asan fuzz web)
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
            # The package carries the one-file web page, which only the wasm preset makes.
            scripts/install-deps.sh web
            scripts/build-web.sh
            cmake --preset release -DZAN_WEB_PAGE="$PWD/build-wasm/web/zan-design.html" >/dev/null
            cmake --build --preset release
            ctest --preset release -j2
            (cd build-release && cpack -G DEB)
            ;;
        fuzz)
            cmake --preset fuzz >/dev/null
            cmake --build --preset fuzz --target "${fuzz_targets[@]}"
            fuzz/run_bounded.sh build-fuzz "$fuzz_seconds"
            ;;
        web)
            scripts/install-deps.sh web
            cmake --preset dev >/dev/null
            cmake --build --preset dev --target zan-report zan-design zan_bench
            scripts/build-web.sh
            (cd tests/web && npm ci --no-audit --no-fund --silent)
            echo "native analysis: $(build/bin/zan_bench --benchmark_filter=analysisBothParts \
                --benchmark_format=csv 2>/dev/null | awk -F, '/analysisBothParts/ {printf "%.0f ns", $4}')"
            node tests/web/bench.js build-wasm/web/engine.js
            /usr/bin/python3 tests/web/page_test.py --page build-wasm/web/index.html \
                --one-file build-wasm/web/zan-design.html --zan-report build/bin/zan-report \
                --zan-design build/bin/zan-design --firefox /usr/bin/firefox-esr \
                --axe tests/web/node_modules/axe-core/axe.min.js
            ;;
        *)
            echo "unknown stage $name (dev, asan, fuzz, web, release)" >&2
            return 2
            ;;
    esac
    timings+=("$name $((SECONDS - start))s")
}

for stage in "${stages[@]}"; do
    run_stage "$stage"
done
echo "=== stage times: ${timings[*]}"
