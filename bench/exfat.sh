# shellcheck shell=bash
# The exFAT case of `make bench`, sourced by bench/run.sh: norvane-cli
# --execute against mmv on the file system of a USB stick. An exFAT image
# file under BENCH_WORK is attached to a loop device and mounted through FUSE
# (mount.exfat-fuse), a library of BENCH_EXFAT_TRACKS tracks is made on it,
# and each tool renames a fresh copy of that library on the image, in turns.
# The trees the two leave are compared as on the main file system.
#
# Needs root (the loop device and the mount), /dev/fuse and the exFAT tools;
# without them it says why it skipped, and the report says so too. The image
# is unmounted, detached and removed when the case ends, however it ends.
#
# Uses run.sh's WORK, BIN, LOG, EXFAT_TRACKS, EXFAT_RUNS and its helpers
# say, timed, cli_same, mmv_job and tree_sum.

EXFAT_DIR=$WORK/exfat
EXFAT_IMAGE=$EXFAT_DIR/exfat.img
EXFAT_MOUNT=$EXFAT_DIR/mnt
EXFAT_LOOP=""
EXFAT_MOUNTED=""

# Why the exFAT case cannot run here; nothing when it can.
exfat_unavailable() {
  if [ "$EXFAT_TRACKS" -le 0 ]; then
    echo "BENCH_EXFAT_TRACKS is 0"
  elif [ "$(id -u)" -ne 0 ]; then
    echo "it needs root to attach a loop device and mount the image"
  elif [ ! -c /dev/fuse ]; then
    echo "there is no /dev/fuse"
  else
    local tool
    for tool in losetup mkfs.exfat mount.exfat-fuse mountpoint umount; do
      if ! command -v "$tool" >/dev/null; then
        echo "$tool is missing (packages exfatprogs, exfat-fuse, util-linux)"
        return
      fi
    done
  fi
}

# Unmounts and detaches the image and removes it; safe to call at any point.
exfat_release() {
  if [ -n "$EXFAT_MOUNTED" ]; then
    # The FUSE daemon may hold the mount for a moment after the last use.
    for _ in $(seq 50); do
      if umount "$EXFAT_MOUNT" 2>>"$LOG"; then
        EXFAT_MOUNTED=""
        break
      fi
      sleep 0.2
    done
  fi
  if [ -n "$EXFAT_MOUNTED" ]; then
    say "exFAT: could not unmount $EXFAT_MOUNT; the image $EXFAT_IMAGE stays"
    return 0
  fi
  if [ -n "$EXFAT_LOOP" ]; then
    losetup -d "$EXFAT_LOOP" 2>>"$LOG" || say "exFAT: could not detach $EXFAT_LOOP"
    EXFAT_LOOP=""
  fi
  rm -rf "$EXFAT_DIR"
}

exfat_skip() {
  say "== exFAT: skipped, $1"
  printf '%s\n' "$1" >"$WORK/exfat.skipped"
}

# A fresh copy of the image's library at RUN_DIR, on the image: exFAT has no
# hard links, so the (empty) files are copied. Written out before the timing.
exfat_copy() {
  rm -rf "$RUN_DIR"
  cp -r "$EXFAT_MOUNT/lib" "$RUN_DIR"
  sync
}

# Files whose names a job changed: names in the library missing after it.
exfat_renamed() {
  LC_ALL=C comm -23 \
    <(cd "$EXFAT_MOUNT/lib" && find . -type f -printf '%P\n' | LC_ALL=C sort) \
    <(cd "$RUN_DIR" && find . -type f -printf '%P\n' | LC_ALL=C sort) | wc -l
}

exfat_case() {
  local reason
  reason=$(exfat_unavailable)
  if [ -n "$reason" ]; then
    exfat_skip "$reason"
    return 0
  fi
  say "== exFAT image, $EXFAT_TRACKS tracks"
  trap exfat_release EXIT
  trap 'exit 130' INT TERM
  # What a run stopped hard may have left: its mount and its loop device.
  if mountpoint -q "$EXFAT_MOUNT" 2>/dev/null; then
    EXFAT_MOUNTED=$EXFAT_MOUNT
    exfat_release
    [ -z "$EXFAT_MOUNTED" ] || { exfat_skip "an earlier image is still mounted at $EXFAT_MOUNT"; return 0; }
  fi
  if [ -f "$EXFAT_IMAGE" ]; then
    local stale
    for stale in $(losetup -n -O NAME -j "$EXFAT_IMAGE" 2>/dev/null); do
      losetup -d "$stale" 2>>"$LOG" || true
    done
  fi
  rm -rf "$EXFAT_DIR"
  mkdir -p "$EXFAT_MOUNT"
  # Sparse: it takes on disk only what the file system writes.
  truncate -s 1G "$EXFAT_IMAGE"
  if ! EXFAT_LOOP=$(losetup -f --show "$EXFAT_IMAGE" 2>>"$LOG"); then
    EXFAT_LOOP=""
    exfat_release
    exfat_skip "no free loop device for the image"
    return 0
  fi
  mkfs.exfat "$EXFAT_LOOP" >>"$LOG" 2>&1
  if ! mount.exfat-fuse "$EXFAT_LOOP" "$EXFAT_MOUNT" >>"$LOG" 2>&1; then
    exfat_release
    exfat_skip "mount.exfat-fuse could not mount the image (see $LOG)"
    return 0
  fi
  EXFAT_MOUNTED=$EXFAT_MOUNT
  local type
  type=$(stat -f -c %T "$EXFAT_MOUNT")
  case $type in fuse*) ;; *)
    exfat_release
    exfat_skip "the image did not mount through FUSE ($type)"
    return 0
    ;;
  esac
  "$BIN/norvane-bench-library" --empty "$EXFAT_MOUNT/lib" "$EXFAT_TRACKS" >"$WORK/exfat.library"
  sync

  local RUN_DIR=$EXFAT_MOUNT/run run k tool
  local -A sums=() renamed=()
  local tools=(norvane mmv)
  for run in $(seq "$EXFAT_RUNS"); do
    # Each run starts with the other tool, so that neither always goes first.
    for k in "${!tools[@]}"; do
      tool=${tools[$(((k + run) % ${#tools[@]}))]}
      exfat_copy
      case $tool in
        norvane) timed "$EXFAT_TRACKS" exfat norvane "$run" /dev/null cli_same -x ;;
        mmv) timed "$EXFAT_TRACKS" exfat mmv "$run" /dev/null mmv_job -g ;;
      esac
      if [ "$run" -eq 1 ]; then
        sums[$tool]=$(tree_sum)
        renamed[$tool]=$(exfat_renamed)
      fi
    done
  done
  for tool in "${tools[@]}"; do
    printf 'exfat\t%s\t%s\t%s\n' "$tool" "${sums[$tool]}" "${renamed[$tool]}" >>"$WORK/exfat.trees"
  done
  rm -rf "$RUN_DIR"
  exfat_release
  trap - EXIT INT TERM
  if [ -n "$EXFAT_MOUNTED" ]; then
    say "FAILED: the exFAT image stays mounted at $EXFAT_MOUNT"
    exit 1
  fi
  return 0
}
