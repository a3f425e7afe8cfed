#!/usr/bin/env bash
# Installs the Debian 12 packages Pixmint needs to build, run and test, when any is missing.
# Runs apt-get as root, or through sudo.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    libfreetype-dev libfontconfig-dev
    qt6-base-dev qt6-base-dev-tools qt6-image-formats-plugins qt6-qpa-plugins
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation2 fonts-dejavu-core
    xvfb xauth imagemagick time
    appstream desktop-file-utils
    # The checks of scripts/test.sh: formatting, clang-tidy, gcc's ThreadSanitizer runtime
    # for the window tests, and the fuzz targets (clang with libFuzzer's runtime).
    clang clang-format clang-tidy libtsan2 libclang-rt-dev
    # The compilers and fonts the tests build and read the tool's output with (sdcc for
    # the 8051 and PIC C, gpasm for the PIC assembler, avr-gcc for the Arduino sketches, the
    # X11 bitmap fonts); the tests that need them skip when they are missing.
    sdcc gputils gcc-avr avr-libc binutils-avr xfonts-base
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "pixmint: Debian paketleri kuruluyor: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null 2>&1; then
    sudo=(sudo)
else
    echo "pixmint: paket kurmak için root ya da sudo gerekli: ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
