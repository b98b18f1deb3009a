#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Norvane need.
# Does nothing when they are all present. Usage: install-deps.sh [extra-package...]
set -euo pipefail

packages=(
  build-essential cmake ninja-build clang-format
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev-tools libgl-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  qt6-qpa-plugins libxkbcommon-dev
  exfat-fuse exfatprogs fuse3
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
