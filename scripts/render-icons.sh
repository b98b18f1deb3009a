#!/usr/bin/env bash
# Renders Norvane's icon, data/icons/com.tarnik.Norvane.svg, into the PNG files
# committed beside it, one a size. Run it after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh librsvg2-bin
svg=data/icons/com.tarnik.Norvane.svg
for size in 48 128 256; do
  mkdir -p "data/icons/$size"
  rsvg-convert --width "$size" --height "$size" "$svg" --output "data/icons/$size/com.tarnik.Norvane.png"
  echo "wrote data/icons/$size/com.tarnik.Norvane.png"
done
