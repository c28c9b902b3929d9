#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test stage:
#   dev   the whole suite in the release tree (build/)
#   asan  the whole suite again under AddressSanitizer + UndefinedBehaviorSanitizer (build-asan/)
#   fuzz  each libFuzzer target for a bounded time, ZAN_FUZZ_SECONDS each (30) (build-fuzz/)
#   web   the web page (build-wasm/web/) and its one-file form in headless Chromium (and the
#         one-file page in Firefox) against the native zan-report and zan-design, and the
#         WebAssembly engine's speed beside the native benchmark's
#   windows  zan-report.exe cross-built with MinGW-w64 (build-windows/) and run under Wine:
#         the golden reports, the examples in every mode against the native zan-report, the
#         Windows file cases, 300 random designs in one summary against the native zan-report
#         and 16 of them against tests/reference in every mode, and the bundle
#         (scripts/bundle-windows.sh) unzipped and run from another folder; each part prints
#         how many times it started the program (about 190 in all)
#   release  the build a distribution makes (Release, Debian's hardening flags, warnings not
#         errors) in build-release/, the whole suite on it, and the .deb packed from it with
#         the one-file web page (build-wasm/web/zan-design.html) and checked by lintian (an
#         error fails the stage); then the plain build of the README with CMake's default
#         generator (build-plain/); run only when named (scripts/test.sh release), as it
#         more than doubles the dev stage's time
# With no argument dev, asan, fuzz, web and windows run, in that order; name stages to run only those
# (scripts/test.sh asan). Any failing stage fails the script; the time of each is printed.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen

stages=("$@")
[ ${#stages[@]} -eq 0 ] && stages=(dev asan fuzz web windows)
fuzz_seconds=${ZAN_FUZZ_SECONDS:-30}
fuzz_targets=(fuzz_def_file fuzz_parse_number fuzz_number_text fuzz_report)

scripts/install-deps.sh

# Wine's prefix lives in the build folder; one wineserver stays up for the whole stage, so
# that each of the ~2,000 runs only starts a process instead of a server and its services.
windows_stage() {
    scripts/install-deps.sh windows
    cmake --preset dev >/dev/null
    cmake --build --preset dev --target zan-report
    scripts/bundle-windows.sh
    export WINEDEBUG=-all WINEPREFIX=$PWD/build-windows/wine
    # The server first, kept up (-p) until the stage ends; then the first run makes the prefix
    # (about 10 s), which it may report with a failing status. It also starts Wine's own
    # services, which keep whatever output they inherit open as long as the server lives: they
    # get /dev/null, so that no later run's pipe waits for them.
    mkdir -p "$WINEPREFIX"
    wineserver -k 2>/dev/null || true
    wineserver -p
    trap 'wineserver -k 2>/dev/null || true' EXIT
    wine cmd /c exit >/dev/null 2>&1 </dev/null || true
    local exe=build-windows/bin/zan-report.exe
    wine $exe --version
    /usr/bin/python3 tests/windows/windows_checks.py --exe $exe --native build/bin/zan-report
    # Each Wine start is a chance for Wine itself to fail, so the 300 random designs go through
    # one --summary against the native program (which the dev stage compares with the reference
    # in full), and the whole reports and details of 16 of them against the reference. Each
    # script counts its starts and names a start that never ran the program as such.
    /usr/bin/python3 tests/reference/compare_reports.py --zan-report $exe --run-with wine \
        --count 300 --whole 16 --summary-with build/bin/zan-report --jobs 4
    /usr/bin/python3 tests/reference/compare_details.py --zan-report $exe --run-with wine \
        --count 300 --whole 16 --jobs 4
    local unzipped
    unzipped=$(mktemp -d)
    unzip -q build-windows/zan-thickness-design-*-windows-x64.zip -d "$unzipped"
    local bundle=("$unzipped"/zan-thickness-design-*-windows-x64)
    # From the bundle's own folder, and from any other: the same report as the native program.
    (cd "$bundle" && wine zan-report.exe examples/heavy.DEF) | cmp - <(build/bin/zan-report examples/heavy.DEF)
    (cd / && wine "$bundle/zan-report.exe" "$bundle/examples/light.DEF") |
        cmp - <(build/bin/zan-report examples/light.DEF)
    ls "$bundle" "$bundle/examples"
    rm -rf "$unzipped"
}

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
            # Errors fail the stage; warnings and infos are listed.
            scripts/install-deps.sh release
            lintian --pedantic --display-info --fail-on error build-release/zan-thickness-design_*.deb
            # What a newcomer types (README): no preset, CMake's default generator (Unix
            # Makefiles), which makes fewer folders for the build than Ninja does.
            env -u CMAKE_GENERATOR cmake -B build-plain -DCMAKE_BUILD_TYPE=Release >/dev/null
            cmake --build build-plain --parallel 2
            ;;
        fuzz)
            cmake --preset fuzz >/dev/null
            cmake --build --preset fuzz --target "${fuzz_targets[@]}"
            fuzz/run_bounded.sh build-fuzz "$fuzz_seconds"
            ;;
        web)
            scripts/install-deps.sh web
            cmake --preset dev >/dev/null
            cmake --build --preset dev --target zan-report zan-design zan_bench zan_memo_json
            scripts/build-web.sh
            (cd tests/web && npm ci --no-audit --no-fund --silent)
            echo "native analysis: $(build/bin/zan_bench --benchmark_filter=analysisBothParts \
                --benchmark_format=csv 2>/dev/null | awk -F, '/analysisBothParts/ {printf "%.0f ns", $4}')"
            node tests/web/bench.js build-wasm/web/engine.js
            /usr/bin/python3 tests/web/page_test.py --page build-wasm/web/index.html \
                --one-file build-wasm/web/zan-design.html --zan-report build/bin/zan-report \
                --zan-design build/bin/zan-design --firefox /usr/bin/firefox-esr \
                --memo-json build/bin/zan_memo_json --engine build-wasm/web/engine.js \
                --axe tests/web/node_modules/axe-core/axe.min.js
            ;;
        windows)
            windows_stage
            ;;
        *)
            echo "unknown stage $name (dev, asan, fuzz, web, windows, release)" >&2
            return 2
            ;;
    esac
    timings+=("$name $((SECONDS - start))s")
    echo "=== stage $name took $((SECONDS - start)) s"
}

for stage in "${stages[@]}"; do
    run_stage "$stage"
done
echo "=== stage times: ${timings[*]}"
