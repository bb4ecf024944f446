#!/bin/sh
# meridax-cli rtf of a game with braces, backslashes and non-ASCII names, every diagram option on; LibreOffice
# opens the document: its PDF must hold the game's texts, and the document it stores (ODT) one picture per
# diagram, each the GIF file the diagram names, at its full size. (LibreOffice 7.4 without a display draws
# linked GIF and BMP pictures into a PDF as empty 6 x 6 placeholders, so those pictures are checked in the ODT;
# the same document with the default diagrams, PNG, must show every diagram in the PDF.)
# Exits 77 (skipped) when LibreOffice (soffice) or poppler-utils are missing: scripts/install-deps.sh --with-docs.
set -eu
cli="$1"; data="$2"; work="$3"
for tool in soffice pdftotext pdfimages; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool is not installed (scripts/install-deps.sh --with-docs): the document check is skipped"
    exit 77
  fi
done
rm -rf "$work" && mkdir -p "$work/images"
"$cli" rtf "$data/cli_rtf_awkward.sgf" --options "$data/cli_rtf_all_diagrams.ini" --images "$work/images" \
  --diagrams gif -o "$work/game.rtf"
diagrams=$(grep -o 'INCLUDEPICTURE' "$work/game.rtf" | wc -l)
HOME="$work" soffice --headless --convert-to pdf --outdir "$work" "$work/game.rtf" >/dev/null 2>&1
pdftotext -enc UTF-8 "$work/game.pdf" "$work/game.txt"
for text in 'René {Black}' 'Wei 韋\ White' 'Braces {and} back\slashes' 'Black opens {brace} here \ and there: café' \
            'Variation comment}{' 'Header {with} braces' 'Footer } text'; do
  if ! grep -qF "$text" "$work/game.txt"; then
    echo "the PDF lacks: $text"; exit 1
  fi
done
HOME="$work" soffice --headless --convert-to odt --outdir "$work" "$work/game.rtf" >/dev/null 2>&1
python3 - "$work/game.odt" "$work/images" "$diagrams" <<'PY'
import os, re, sys, zipfile
odt, images, diagrams = sys.argv[1], sys.argv[2], int(sys.argv[3])
with zipfile.ZipFile(odt) as z:
    content = z.read("content.xml").decode("utf-8")
    shown = re.findall(r'<draw:image xlink:href="([^"]+)"', content)
    if len(shown) != diagrams:
        sys.exit(f"the document shows {len(shown)} pictures for {diagrams} diagrams")
    ours = {open(os.path.join(images, f), "rb").read() for f in os.listdir(images)}
    for name in shown:
        data = z.read(name)
        if data not in ours or data[:6] != b"GIF89a":
            sys.exit(f"{name} is not one of the diagram files")
PY
# With the default diagrams, PNG, LibreOffice draws the linked pictures into the PDF itself, each at its full size.
rm -rf "$work/png" && mkdir -p "$work/png/images"
"$cli" rtf "$data/cli_rtf_awkward.sgf" --options "$data/cli_rtf_all_diagrams.ini" --images "$work/png/images" \
  -o "$work/png/game.rtf" >/dev/null
HOME="$work" soffice --headless --convert-to pdf --outdir "$work/png" "$work/png/game.rtf" >/dev/null 2>&1
drawn=$(pdfimages -list "$work/png/game.pdf" | awk 'NR > 2 && $3 == "image" && $4 >= 100 && $5 >= 100' | wc -l)
if [ "$drawn" -ne "$diagrams" ]; then
  echo "the PDF of the PNG document draws $drawn of $diagrams diagrams"; exit 1
fi
echo "$diagrams diagrams, all shown; every text found; the PNG document's PDF draws them all"
