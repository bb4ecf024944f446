#!/bin/sh
# meridax-cli rtf of a game with braces, backslashes and non-ASCII names, every diagram option on; LibreOffice
# opens the document and turns it into a PDF that must hold the game's texts and one picture per diagram.
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
  -o "$work/game.rtf"
diagrams=$(grep -o 'INCLUDEPICTURE' "$work/game.rtf" | wc -l)
HOME="$work" soffice --headless --convert-to pdf --outdir "$work" "$work/game.rtf" >/dev/null 2>&1
pdftotext -enc UTF-8 "$work/game.pdf" "$work/game.txt"
for text in 'René {Black}' 'Wei 韋\ White' 'Braces {and} back\slashes' 'Black opens {brace} here \ and there: café' \
            'Variation comment}{' 'Header {with} braces' 'Footer } text'; do
  if ! grep -qF "$text" "$work/game.txt"; then
    echo "the PDF lacks: $text"; exit 1
  fi
done
images=$(pdfimages -list "$work/game.pdf" | tail -n +3 | wc -l)
if [ "$images" -ne "$diagrams" ]; then
  echo "the PDF shows $images pictures for $diagrams diagrams"; exit 1
fi
echo "$diagrams diagrams, all shown; every text found"
