#!/usr/bin/env bash
# Runs every fuzz target at length under libFuzzer, ASan and UBSan, all at once and niced:
#   bash bench/fuzz.sh [SECONDS [TARGET...]]        (default 600 s, every target)
# Builds build/fuzz with clang first. Each target keeps its corpus in build/fuzz/corpus/NAME,
# seeded from tests/fuzz/seeds/NAME; a finding is written as build/fuzz/crash-NAME-*, and
# the script ends non-zero. Without clang's libFuzzer the GCC mutation driver of the asan
# preset runs instead (build/asan/bin/fuzz_NAME -seconds=SECONDS).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
# Every entry point in tests/fuzz is a target.
mapfile -t targets < <(cd tests/fuzz && ls ./*.cpp | sed 's|^\./||; s|\.cpp$||')
if [ $# -gt 1 ]; then targets=("${@:2}"); fi

if command -v clang++ >/dev/null && ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
  CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTOLVARIN_SANITIZE=ON -DTOLVARIN_LIBFUZZER=ON -DTOLVARIN_WERROR=OFF >/dev/null
  nice cmake --build build/fuzz --target "${targets[@]/#/fuzz_}"
  run() {
    local corpus=build/fuzz/corpus/$1
    mkdir -p "$corpus"
    nice build/fuzz/bin/fuzz_$1 -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 \
      -artifact_prefix=build/fuzz/crash-$1- -print_final_stats=1 "$corpus" tests/fuzz/seeds/$1 \
      >build/fuzz/$1.log 2>&1
  }
else
  cmake --preset asan >/dev/null && nice cmake --build --preset asan --target "${targets[@]/#/fuzz_}"
  run() { nice build/asan/bin/fuzz_$1 -seconds="$seconds" tests/fuzz/seeds/$1 >build/asan/fuzz-$1.log 2>&1; }
fi

pids=()
for t in "${targets[@]}"; do run "$t" & pids+=($!); done
status=0
for i in "${!targets[@]}"; do
  if wait "${pids[$i]}"; then echo "${targets[$i]}: no finding in ${seconds} s"; else echo "${targets[$i]}: FINDING"; status=1; fi
done
exit $status
