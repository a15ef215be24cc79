#!/usr/bin/env bash
# Builds and runs every test: the normal build, then the sanitizer build.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
tolvarin_need_packages "${TOLVARIN_BUILD_PACKAGES[@]}"

for preset in default asan; do
  echo "=== $preset build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  echo "=== $preset tests"
  ctest --preset "$preset"
done
