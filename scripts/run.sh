#!/usr/bin/env bash
# Sets up, builds (Release) and starts Pixmint. Arguments are ignored by the program.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DPIXMINT_TESTS=OFF >/dev/null
cmake --build build --target pixmint pixmint-cli
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "pixmint: ekran bulunamadı (DISPLAY boş); pencereli bir oturumda çalıştırın ya da: xvfb-run -a scripts/run.sh" >&2
    exit 1
fi
exec build/src/app/pixmint "$@"
