#!/usr/bin/env bash
# Sets up, builds the test build (AddressSanitizer and UndefinedBehaviorSanitizer, warnings
# as errors) and runs every test with ctest on Qt's offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DPIXMINT_SANITIZE=ON -DPIXMINT_WERROR=ON -DPIXMINT_TESTS=ON >/dev/null
cmake --build build-test
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-test --output-on-failure -j"$(nproc)" "$@"
