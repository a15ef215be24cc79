#!/usr/bin/env bash
# Builds the game and starts it in a window.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
tolvarin_need_packages "${TOLVARIN_BUILD_PACKAGES[@]}"

cmake --preset default >/dev/null
cmake --build --preset default --target Tolvarin23
exec build/default/bin/Tolvarin23
