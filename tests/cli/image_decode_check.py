#!/usr/bin/env python3
"""meridax-cli image of one position of every game of a file, as GIF, BMP and PNG, each read back by
Pillow: the three must show the same pixels (the GIF those of its colour table when the picture holds
more than 254 colours). Exits 77 (skipped) when Pillow is missing."""

import subprocess
import sys

try:
    from PIL import Image
except ImportError:
    print("Pillow (python3-pil) is not installed: the decoding check is skipped")
    sys.exit(77)


def pixels(path):
    with Image.open(path) as image:
        return image.size, list(image.convert("RGB").getdata())


def gif_expected(bmp_pixels):
    """The pixels a GIF of this picture must show: colours from the 255th most frequent on become the
    nearest of the first 254 (ties by first appearance, nearest by squared distance, first best wins)."""
    counts, first = {}, {}
    for i, p in enumerate(bmp_pixels):
        counts[p] = counts.get(p, 0) + 1
        first.setdefault(p, i)
    ordered = sorted(counts, key=lambda c: (-counts[c], first[c]))
    if len(ordered) < 255:
        return bmp_pixels
    kept = ordered[:254]
    mapped = {c: c for c in kept}
    for c in ordered[254:]:
        mapped[c] = min(kept, key=lambda k: sum((a - b) ** 2 for a, b in zip(c, k)))
    return [mapped[p] for p in bmp_pixels]


def main():
    cli, sgf, work, games = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
    failures = 0
    for game in range(1, games + 1):
        for extra in ([], ["--bw", "--square", "16"]):
            files = {}
            for ext in ("gif", "bmp", "png"):
                out = f"{work}/game{game}{'_bw' if extra else ''}.{ext}"
                subprocess.run([cli, "image", sgf, "--game", str(game), *extra, "-o", out], check=True)
                files[ext] = pixels(out)
            (bmp_size, bmp), (png_size, png), (gif_size, gif) = files["bmp"], files["png"], files["gif"]
            label = f"game {game} {' '.join(extra)}"
            if not (bmp_size == png_size == gif_size):
                print(f"{label}: sizes differ: BMP {bmp_size}, PNG {png_size}, GIF {gif_size}")
                failures += 1
                continue
            if bmp != png:
                print(f"{label}: BMP and PNG pixels differ")
                failures += 1
            if gif != gif_expected(bmp):
                print(f"{label}: GIF pixels differ from the picture's")
                failures += 1
            print(f"{label}: {bmp_size[0]}x{bmp_size[1]}, {len(set(bmp))} colours, same pixels")
    sys.exit(1 if failures else 0)


main()
