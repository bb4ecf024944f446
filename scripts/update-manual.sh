#!/usr/bin/env bash
# Refreshes the HTML and man pages shipped in docs/manual/html, which a build without python3-markdown
# uses: builds the manual (cmake --build build --target manual) and copies the result.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build --target manual
rm -rf docs/manual/html
mkdir -p docs/manual/html
cp -r build/help docs/manual/html/help
rm -rf docs/manual/html/help/pictures  # the build takes them from docs/manual/pictures
cp -r build/man docs/manual/html/man
rm -f docs/manual/html/man/*.gz  # made by every build from the pages beside them
echo "docs/manual/html refreshed"
