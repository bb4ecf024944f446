#!/usr/bin/env bash
# Builds everything and runs the program: `meridax-cli --help` (the front door until the desktop window
# lands), `scripts/run.sh bench [benchmark flags]` for the benchmarks, or `scripts/run.sh cli ARGS` for a command.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"

case "${1:-}" in
  bench) shift; exec ./build/bench/meridax_bench "$@" ;;
  cli) shift; exec ./build/src/cli/meridax-cli "$@" ;;
  *) exec ./build/src/cli/meridax-cli --help ;;
esac
