#!/usr/bin/env python3
"""Compares the manual's shipped pictures with pictures drawn afresh by scripts/manual-pictures.sh.

    compare_pictures.py SHIPPED_DIR FRESH_DIR

Each PNG drawn afresh must have a shipped twin of the same size whose pixels agree: at most 0.5 % of the
pixels may differ by more than 48 in a colour channel (font hinting and antialiasing move a few). Exit
status 1 names the stale pictures and the command that refreshes them.
"""
import sys
from pathlib import Path

from PIL import Image, ImageChops

TOLERANCE = 48
MOST_DIFFERING = 0.005


def difference(shipped, fresh):
    """None when the two pictures agree, else what differs."""
    a, b = Image.open(shipped).convert("RGB"), Image.open(fresh).convert("RGB")
    if a.size != b.size:
        return f"size {a.size[0]}x{a.size[1]}, drawn now {b.size[0]}x{b.size[1]}"
    r, g, b_ = ImageChops.difference(a, b).split()
    largest = ImageChops.lighter(ImageChops.lighter(r, g), b_)
    far = sum(largest.point(lambda v: 255 if v > TOLERANCE else 0).histogram()[255:])
    share = far / (a.size[0] * a.size[1])
    return None if share <= MOST_DIFFERING else f"{share:.1%} of the pixels differ"


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    shipped_dir, fresh_dir = Path(sys.argv[1]), Path(sys.argv[2])
    fresh = sorted(fresh_dir.glob("*.png"))
    if not fresh:
        print(f"compare_pictures.py: no pictures were drawn in {fresh_dir}")
        return 1
    stale = []
    for picture in fresh:
        shipped = shipped_dir / picture.name
        why = "not shipped" if not shipped.exists() else difference(shipped, picture)
        if why:
            stale.append(f"{picture.name}: {why}")
    if stale:
        print("Stale pictures in the manual:\n  " + "\n  ".join(stale) +
              "\nRefresh them with: scripts/manual-pictures.sh (from a built tree), then commit docs/manual/pictures.")
        return 1
    print(f"{len(fresh)} pictures of the manual match the program")
    return 0


if __name__ == "__main__":
    sys.exit(main())
