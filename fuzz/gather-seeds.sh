#!/usr/bin/env bash
# Gathers the seed corpora of the fuzz targets into OUT/sgf_reader and OUT/script_runner (nothing is kept
# in the repository): every SGF file of the shared corpus below 64 KiB, each behind a first byte that
# chooses the reader settings (cycled, so every setting meets every kind of file), then the files the
# tests read, and the scripts of tests/scripts and scripts/. Inputs kept under tests/fuzz are added too.
#   fuzz/gather-seeds.sh OUT [CORPUS]
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:?usage: fuzz/gather-seeds.sh OUT [CORPUS]}"
corpus="${2:-${MERIDAX_CORPUS_DIR:-../shared/corpus}}"
mkdir -p "$out/sgf_reader" "$out/script_runner"

n=0
while IFS= read -r -d '' file; do
  printf "\\$(printf '%03o' $((n % 64)))" > "$out/sgf_reader/seed_$n"
  cat "$file" >> "$out/sgf_reader/seed_$n"
  n=$((n + 1))
done < <(find "$corpus" tests/data tests/scripts/files -type f \( -iname '*.sgf' -o -iname '*.hgf' \) -size -64k -print0 | sort -z)

cp tests/fuzz/sgf_reader/* "$out/sgf_reader/" 2>/dev/null || true
for script in tests/scripts/*.script scripts/screenshots/*.script scripts/manual-pictures/*.script \
              tests/fuzz/script_runner/*; do
  [ -f "$script" ] && cp "$script" "$out/script_runner/$(basename "$(dirname "$script")")_$(basename "$script")"
done
echo "$n SGF seeds in $out/sgf_reader, $(ls "$out/script_runner" | wc -l) scripts in $out/script_runner"
