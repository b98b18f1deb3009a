#!/usr/bin/env bash
# Makes the README's pictures of Norvane's window under a virtual X server:
# docs/screenshot.png (the page "Rename"), docs/screenshot-inputfolders.png,
# and the page "Rename" in German, docs/screenshot-de.png.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh xvfb xauth
cmake --build build --target norvane-screenshot
mkdir -p docs
# The screen is as large as the window, so that a tool tip stays in the picture.
# The third argument is the language the window speaks.
shoot() {
  env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG="$3" XDG_CONFIG_HOME="$(mktemp -d)" \
    xvfb-run -a -s "-screen 0 851x462x24" \
    ./build/scripts/screenshot/norvane-screenshot "$1" "$2"
  echo "wrote $1"
}
shoot docs/screenshot.png 1 C.UTF-8
shoot docs/screenshot-inputfolders.png 0 C.UTF-8
shoot docs/screenshot-de.png 1 de_DE.UTF-8
