#!/usr/bin/env bash
# Builds the glyph generator with g++ and pkg-config and regenerates resources/glyphs/.
#   tools/glyphgen/build.sh [SHEET.png]
# With an argument, also writes a contact sheet of all glyphs four times enlarged.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# shellcheck disable=SC2046
g++ -std=c++20 -O1 -Wall -Wextra -fPIC $(pkg-config --cflags Qt6Gui) \
    "$here"/*.cpp -o "$out/glyphgen" $(pkg-config --libs Qt6Gui)

mkdir -p "$root/resources/glyphs"
if [ $# -ge 1 ]; then
    "$out/glyphgen" "$root/resources/glyphs" --sheet "$1"
else
    "$out/glyphgen" "$root/resources/glyphs"
fi
