#!/usr/bin/env bash
# Builds the editor and starts it on a real collection from the corpus; without a display it writes a
# screenshot of the window instead and says where. `scripts/run.sh bench [benchmark flags]` runs the benchmarks,
# `scripts/run.sh ratios [runs]` the speed and memory ratios on a large collection,
# `scripts/run.sh cli ARGS` runs meridax-cli. Only what is run is built: the tests are scripts/test.sh's.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = "ratios" ]; then bash scripts/install-deps.sh --with-bench; else bash scripts/install-deps.sh; fi
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
case "${1:-}" in
  bench | ratios) bench=ON; targets=(all) ;;  # the programs and the benchmarks, without the tests
  *) bench=OFF; targets=(meridax meridax-cli manual) ;;  # the manual is what F1 opens
esac
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DMERIDAX_BENCH="$bench" \
  "${launcher[@]}" >/dev/null
cmake --build build -j "$(nproc)" --target "${targets[@]}"

corpus="${MERIDAX_CORPUS_DIR:-../shared/corpus}"
collection="$corpus/go-collections/jtauber-sgf/meijin.sgf"
[ -f "$collection" ] || collection=""

case "${1:-}" in
  bench)
    shift
    ./build/bench/meridax_bench "$@"
    [ ! -x ./build/bench/meridax_view_bench ] || ./build/bench/meridax_view_bench "$@"
    exit 0 ;;
  ratios) shift; exec ./build/bench/speed_ratios "$@" ;;
  cli) shift; exec ./build/src/cli/meridax-cli "$@" ;;
esac

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec ./build/src/view/meridax ${collection:+"$collection"}
fi
shot="build/meridax-screenshot.png"
./build/src/view/meridax --screenshot "$shot" ${collection:+"$collection"} >/dev/null
echo "No display: the window was drawn into $(pwd)/$shot"
