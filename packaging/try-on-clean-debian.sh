#!/usr/bin/env bash
# Installs the package on a clean Debian 12 made with debootstrap and draws the window there, to show that the
# package declares every library it needs. Needs root and the network. Usage:
#   packaging/try-on-clean-debian.sh build/meridax_18.5_amd64.deb [ROOT]   (ROOT defaults to build/debian12-root)
set -euo pipefail
deb=$(realpath "$1")
root="${2:-build/debian12-root}"
here="$(cd "$(dirname "$0")/.." && pwd)"
corpus="${MERIDAX_CORPUS_DIR:-$here/../shared/corpus}"

command -v debootstrap >/dev/null || apt-get install -y -q debootstrap
[ -x "$root/usr/bin/apt-get" ] || debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian
cp "$deb" "$root/tmp/meridax.deb"
cp "$corpus/go-collections/jtauber-sgf/meijin.sgf" "$root/tmp/"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
trap 'umount "$root/proc"' EXIT
chroot "$root" /bin/bash -c '
  export DEBIAN_FRONTEND=noninteractive
  dpkg -i /tmp/meridax.deb || { apt-get update -q && apt-get install -y -q -f; }
  cd /tmp && QT_QPA_PLATFORM=offscreen meridax --screenshot /tmp/meridax-window.png meijin.sgf
  meridax-cli info meijin.sgf | head -3'
echo "the window drawn on a clean Debian 12: $root/tmp/meridax-window.png"
