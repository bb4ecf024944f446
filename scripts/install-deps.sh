#!/usr/bin/env bash
# Installs with apt-get whatever the build needs and the machine lacks (Debian 12).
# With --with-docs it also installs LibreOffice Writer and poppler-utils, which the document tests use to
# open exported RTF files (they are skipped, with a message, where LibreOffice is missing).
set -euo pipefail

packages=(g++ cmake make libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev qt6-svg-dev libgif-dev
          libfmt-dev python3-pil fonts-liberation2 desktop-file-utils appstream
          python3-markdown man-db
          gnugo)  # the engine tests play against GNU Go, and the benchmarks compare with its loader
if [ "${1:-}" = "--with-docs" ]; then
  packages+=(libreoffice-writer-nogui poppler-utils python3)
fi
# With --with-fuzz it also installs clang and its libFuzzer runtime, for the fuzz targets (docs/fuzzing.md).
if [ "${1:-}" = "--with-fuzz" ]; then
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=""
if [ "$(id -u)" -ne 0 ]; then sudo_cmd="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo_cmd apt-get update -q
$sudo_cmd apt-get install -y -q --no-install-recommends "${missing[@]}"
