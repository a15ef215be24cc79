#!/usr/bin/env bash
# Builds the game and starts it in a window.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
tolvarin_need_packages "${TOLVARIN_BUILD_PACKAGES[@]}"

# A plain configure: warnings of a newer compiler do not stop the build here.
cmake -S . -B build/play -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/play --target Tolvarin23
exec build/play/bin/Tolvarin23
