#!/usr/bin/env bash
# Builds a Release and makes the Debian package build/pixmint_VERSION_ARCH.deb.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DPIXMINT_TESTS=OFF >/dev/null
cmake --build build --target pixmint pixmint-cli
(cd build && cpack -G DEB >/dev/null)
ls build/pixmint_*.deb
