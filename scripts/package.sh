#!/usr/bin/env bash
# Builds a Release and makes the Debian package build/pixmint_VERSION_ARCH.deb.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
# Debian's hardening flags (stack protector, fortified functions, read-only relocations,
# immediate binding), as Debian's own packages are built with.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DPIXMINT_TESTS=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build build --target pixmint pixmint-cli pixmint_compressed_docs
(cd build && cpack -G DEB >/dev/null)
ls build/pixmint_*.deb
