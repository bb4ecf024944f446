#!/usr/bin/env bash
# Builds and runs every test: a plain build, then the same tests under ASan+UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."

# CI also runs the document tests, which need LibreOffice; elsewhere they are skipped with a message.
if [ -n "${CI:-}" ]; then bash scripts/install-deps.sh --with-docs; else bash scripts/install-deps.sh; fi

jobs=$(nproc)
# Rebuilds of an unchanged tree are near free where ccache is installed; nothing needs it.
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi

echo "== plain build =="
# scripts/run.sh configures the same tree without tests and benchmarks: turn them on again.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DMERIDAX_BENCH=ON "${launcher[@]}" >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

if [ "${MERIDAX_SKIP_SANITIZERS:-0}" != "1" ]; then
  echo "== sanitizer build (ASan+UBSan) =="
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DMERIDAX_SANITIZE=ON -DBUILD_TESTING=ON -DMERIDAX_BENCH=OFF \
    "${launcher[@]}" >/dev/null
  cmake --build build-asan -j "$jobs"
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs"
fi
