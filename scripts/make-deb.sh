#!/usr/bin/env bash
# Builds the Debian package norvane_<version>_<arch>.deb with the Debian tools
# (dpkg-buildpackage, debhelper and CMake) and checks it with lintian, which
# must find no error and no warning. The build runs on a copy of the sources
# in the output folder, so that nothing is written beside the source tree.
# Usage: make-deb.sh [output folder]
# DEB_BUILD_OPTIONS=nocheck leaves the tests out of the package build.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/deb}")
bash scripts/install-deps.sh debhelper lintian

rm -rf "$out"
mkdir -p "$out/norvane"
# The tracked files and the new ones not yet added, as they are now.
git ls-files -z --cached --others --exclude-standard |
  tar --null -T - --ignore-failed-read -cf - 2>/dev/null | tar -xf - -C "$out/norvane"

echo "Building the package in $out (log: $out/build.log)"
# A package build of its own, without the compiler cache of the working tree.
if ! (cd "$out/norvane" &&
  env -u CMAKE_CXX_COMPILER_LAUNCHER -u CMAKE_C_COMPILER_LAUNCHER \
    dpkg-buildpackage --build=binary --no-sign --jobs-try=auto) >"$out/build.log" 2>&1; then
  tail -n 40 "$out/build.log"
  echo "make-deb: the package build failed; see $out/build.log" >&2
  exit 1
fi

deb=$(ls "$out"/norvane_*.deb)
# The package holds what `cmake --install` installs below /usr (manual pages
# compressed), and Debian's copyright and changelog.
expected=$({
  grep -v '^#' data/installed-files.txt | sed '/^$/d; s|^|usr/|; s|^\(usr/share/man/.*\)$|\1.gz|'
  printf 'usr/share/doc/norvane/%s\n' changelog.gz copyright
} | sort)
actual=$(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' | sort)
if [ "$expected" != "$actual" ]; then
  diff <(echo "$expected") <(echo "$actual") | sed -n 's/^< /missing: /p; s/^> /not listed: /p'
  echo "make-deb: the package does not hold the files of data/installed-files.txt" >&2
  exit 1
fi

changes=$(ls "$out"/norvane_*.changes)
echo "lintian $(basename "$changes"):"
lintian --info --display-info --fail-on error,warning "$changes"
echo "$deb"
