#!/usr/bin/env bash
# Makes docs/screenshot.png: Norvane's window under a virtual X server.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh xvfb xauth
cmake --build build --target norvane-screenshot
mkdir -p docs
XDG_CONFIG_HOME="$(mktemp -d)" xvfb-run -a -s "-screen 0 1000x520x24" ./build/scripts/screenshot/norvane-screenshot docs/screenshot.png
echo "wrote docs/screenshot.png"
