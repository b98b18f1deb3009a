#!/usr/bin/env bash
# Proves debian/control's Build-Depends and the package's Depends in a clean
# tree: makes a fresh Debian 12 chroot with debootstrap, installs only
# build-essential and the Build-Depends there, builds the package, then
# installs the .deb in a second fresh chroot with apt (so only its Depends
# come along), runs both programs from /usr/bin and removes the package.
# Needs root. Usage: deb-chroot.sh [work folder]
# DEB_BUILD_OPTIONS=nocheck leaves the tests out of the package build.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(realpath -m "${1:-/tmp/norvane-deb-chroot}")
[ "$(id -u)" -eq 0 ] || { echo "deb-chroot: needs root (debootstrap, chroot, mount)" >&2; exit 1; }
bash scripts/install-deps.sh debootstrap

mounted=()
cleanup() {
  local i
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[i]}" 2>/dev/null || true; done
}
trap cleanup EXIT

# Removes a chroot folder, but never while anything is mounted below it: the
# bind mounts lead to the machine's own /dev, /proc and /sys.
remove_chroot() {
  local dir=$1
  if awk -v d="$dir/" 'index($2 "/", d) == 1 { found = 1 } END { exit !found }' /proc/mounts; then
    echo "deb-chroot: something is still mounted below $dir; it stays" >&2
    exit 1
  fi
  rm -rf "$dir"
}

# A minimal Debian 12 system, its package lists fetched from the default mirror.
make_chroot() {
  local dir=$1
  remove_chroot "$dir"
  debootstrap --variant=minbase bookworm "$dir" >"$dir.log" 2>&1 ||
    { tail -n 20 "$dir.log"; echo "deb-chroot: debootstrap failed" >&2; exit 1; }
  local point
  for point in proc sys dev dev/pts; do
    mount --bind "/$point" "$dir/$point"
    mounted+=("$dir/$point")
  done
}

in_chroot() {
  local dir=$1
  shift
  chroot "$dir" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LC_ALL=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:-}" "$@"
}

mkdir -p "$work"
build_root=$work/build-root
echo "deb-chroot: making the build chroot $build_root"
make_chroot "$build_root"
mkdir -p "$build_root/build/norvane"
git ls-files -z --cached --others --exclude-standard |
  tar --null -T - --ignore-failed-read -cf - 2>/dev/null | tar -xf - -C "$build_root/build/norvane"

echo "deb-chroot: installing build-essential and the Build-Depends"
in_chroot "$build_root" apt-get install -y -q --no-install-recommends build-essential \
  >"$work/build-deps.log" 2>&1
in_chroot "$build_root" apt-get build-dep -y -q --no-install-recommends /build/norvane \
  >>"$work/build-deps.log" 2>&1 || { tail -n 20 "$work/build-deps.log"; exit 1; }
grep -E '^(Inst|Setting up) ' "$work/build-deps.log" | wc -l | xargs echo "  packages set up:"

echo "deb-chroot: building (log: $work/build.log)"
if ! in_chroot "$build_root" sh -c 'cd /build/norvane && dpkg-buildpackage --build=binary --no-sign --jobs-try=auto' \
  >"$work/build.log" 2>&1; then
  tail -n 40 "$work/build.log"
  echo "deb-chroot: the package build failed" >&2
  exit 1
fi
grep -E 'tests passed|tests failed' "$work/build.log" || true
deb=$(ls "$build_root"/build/norvane_*.deb)
cp "$deb" "$work/"
deb=$work/$(basename "$deb")
echo "deb-chroot: built $deb"

run_root=$work/run-root
echo "deb-chroot: making the run chroot $run_root"
cleanup
mounted=()
make_chroot "$run_root"
cp "$deb" "$run_root/tmp/"
in_chroot "$run_root" apt-get install -y -q --no-install-recommends "./tmp/$(basename "$deb")" \
  >"$work/install.log" 2>&1 || { tail -n 20 "$work/install.log"; exit 1; }
echo "deb-chroot: installed with its Depends; the programs say:"
in_chroot "$run_root" /usr/bin/norvane-cli --version
in_chroot "$run_root" /usr/bin/norvane --version
in_chroot "$run_root" apt-get purge -y -q norvane >"$work/purge.log" 2>&1
in_chroot "$run_root" sh -c '! dpkg -s norvane >/dev/null 2>&1 && ! test -e /usr/bin/norvane' ||
  { echo "deb-chroot: the package did not go" >&2; exit 1; }
echo "deb-chroot: removed again; Build-Depends and Depends hold"
cleanup
mounted=()
remove_chroot "$build_root"
remove_chroot "$run_root"
