#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, and only those that are missing.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev libgl-dev
    libfmt-dev libfast-float-dev  # the core's number texts, header-only
    qt6-svg-dev  # QSvgGenerator: the damage chart window saves its charts as SVG drawings
    qt6-l10n-tools  # lrelease and lupdate: the translation catalogues translations/zan_*.ts
    qt6-translations-l10n  # Qt's own texts (standard buttons, file and print dialogs) translated
    xvfb xauth fonts-dejavu-core
    poppler-utils  # pdftotext, pdfdetach, pdftoppm: the tests read the memo's text, attachment and page 1
    libqpdf-dev  # zan-design and zan-report read the input data file a design memo carries
    qpdf  # the tests re-save a memo as another PDF program would
    libqrcodegencpp-dev  # the QR code on the memo's first page
    zbar-tools  # zbarimg: the tests scan the memo's QR code back
    python3
    clang libclang-rt-14-dev
    dpkg-dev  # dpkg-shlibdeps: the Debian package depends on the libraries the programs load
    clang-format-14  # format_check: the committed .clang-format is clang-format 14's
    pmccabe  # function_length: no function in src/ longer than 60 lines
    man-db groff-base  # man and lexgrog: the manual pages render without a warning
    desktop-file-utils  # desktop-file-validate: the desktop entry
    appstream  # appstreamcli validate: the AppStream metadata
    shared-mime-info  # update-mime-database: the MIME type of the input data files
)

# `install-deps.sh web` adds what the web edition's build and browser tests need.
if [ "${1:-}" = web ]; then
    packages+=(
        emscripten  # the core in WebAssembly
        libfmt-dev libfast-float-dev  # the core's floating-point conversions, header-only
        chromium chromium-driver python3-selenium  # the page in a real browser, headless
        firefox-esr python3-websocket  # the one-file page in Firefox too, over WebDriver BiDi
    )
    # axe-core comes from npm; a node and npm installed some other way will do.
    command -v npm >/dev/null || packages+=(nodejs npm)
fi

# `install-deps.sh windows` adds the cross compiler for zan-report.exe, Wine to run it, and what
# the Windows bundle is made with.
if [ "${1:-}" = windows ]; then
    packages+=(
        g++-mingw-w64-x86-64-posix  # MinGW-w64, the posix flavour (std::thread, random_device)
        wine wine64  # runs zan-report.exe in the tests
        python3-markdown zip unzip  # the bundle: the user guide as HTML, the zip
    )
fi

# `install-deps.sh release` adds lintian, which checks the Debian package.
if [ "${1:-}" = release ]; then
    packages+=(lintian)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
