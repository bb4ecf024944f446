#!/usr/bin/env bash
# Builds everything and runs the program. Until the editor window exists this runs the benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"
./build/bench/meridax_bench "$@"
