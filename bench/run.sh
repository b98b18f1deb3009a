#!/usr/bin/env bash
# `make bench`: Norvane against the renamers people use today, on synthetic
# music libraries of 10,000, 100,000 and 1,000,000 tracks.
#
# Phases, each timed over several runs on a fresh copy of the library:
#   1. scan     the engine's scan (norvane-bench-scan) against find -printf
#   2. preview  norvane-cli's dry run against mmv -n and Perl rename -n
#   3. execute  norvane-cli --execute against mmv, Perl rename and the bare
#               renameat2 loop (norvane-bench-renameloop), the loop over the
#               renames of norvane-cli's options and over those of its
#               default options (the window's)
#   4. check    the check before execute over every row, on its own
#               (norvane-bench-check)
#   5. window   the main window under the offscreen platform
#   6. exfat    norvane-cli --execute against mmv on an exFAT image mounted
#               through FUSE (bench/exfat.sh); only as root with /dev/fuse and
#               a free loop device, skipped with the reason otherwise
# Writes bench/results/report.md, bench/results/bench.png and the raw times
# bench/results/raw.tsv. The libraries live outside the repository, under
# BENCH_WORK: each size is made once and reused by later runs, and made anew
# only when the generator changed or the library is not as it was made.
#
# Settings (environment):
#   BUILD_DIR            build folder (build)
#   BENCH_SIZES          library sizes in tracks ("10000 100000 1000000")
#   BENCH_RUNS           runs of each phase (5)
#   BENCH_SMALL_RUNS     runs below 50,000 tracks, whose short times suffer
#                        most from other work on the machine (15)
#   BENCH_MILLION_RUNS   runs from 500,000 tracks on, where one run of the
#                        execute phase takes minutes (2)
#   BENCH_WINDOW_RUNS    runs of the window (3)
#   BENCH_MILLION_WINDOW_RUNS  runs of the window from 500,000 tracks on (2)
#   BENCH_EXFAT_TRACKS   tracks of the exFAT library, 0 to leave it out (5000)
#   BENCH_EXFAT_RUNS     runs of each tool on the exFAT image (3)
#   BENCH_WORK           where the libraries and copies live
#                        ($TMPDIR/norvane-bench)
# A whole run with the defaults takes about half an hour on two cores once
# the libraries are made (making them adds about three minutes), most of it
# the million tracks: mmv alone needs over three minutes a run there, and
# each fresh copy of them most of a minute. BENCH_MILLION_RUNS=1 saves about
# ten minutes.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-build}
case $BUILD_DIR in /*) ;; *) BUILD_DIR=$ROOT/$BUILD_DIR ;; esac
SIZES=${BENCH_SIZES:-"10000 100000 1000000"}
LARGE_RUNS=${BENCH_RUNS:-5}
SMALL_RUNS=${BENCH_SMALL_RUNS:-15}
MILLION_RUNS=${BENCH_MILLION_RUNS:-2}
WINDOW_RUNS=${BENCH_WINDOW_RUNS:-3}
MILLION_WINDOW_RUNS=${BENCH_MILLION_WINDOW_RUNS:-2}
EXFAT_TRACKS=${BENCH_EXFAT_TRACKS:-5000}
EXFAT_RUNS=${BENCH_EXFAT_RUNS:-3}
WORK=${BENCH_WORK:-${TMPDIR:-/tmp}/norvane-bench}
RESULTS=$ROOT/bench/results
BIN=$BUILD_DIR/bench
CLI=$BUILD_DIR/cli/norvane-cli

# The schemes of the benchmark, and the same transformation for the peers:
# "Artist - Album - Track# - Trackname" becomes "Album - Artist - Track# - Trackname".
IN_SCHEME="Artist - Album - Track# - Trackname"
OUT_SCHEME="Album - Artist - Track# - Trackname"
MMV_FROM=';* - * - * - *.[mM][pP]3'
MMV_TO='#1#3 - #2 - #4 - #5.#6#7\3'
PERL_EXPR='s{/([^/]*?) - ([^/]*?) - ([^/]*?) - ([^/]*)(\.mp3)\z}{/$2 - $1 - $3 - $4$5}i'

bash "$ROOT/scripts/install-deps.sh" mmv rename gnuplot-nox
[ -f "$BUILD_DIR/build.ninja" ] || cmake --preset default -B "$BUILD_DIR"
cmake --build "$BUILD_DIR" --target norvane-bench

# Every tool sees UTF-8 names the same way; nothing reads or writes the
# user's own configuration.
export LC_ALL=C.UTF-8
mkdir -p "$WORK/config" "$RESULTS"
export XDG_CONFIG_HOME=$WORK/config
RUN_DIR=$WORK/run
LOG=$WORK/bench.log
RAW=$RESULTS/raw.tsv
DURATIONS=$WORK/durations.tsv
: >"$LOG"
# What an earlier, interrupted run left behind; the libraries stay.
rm -rf "$RUN_DIR" "$WORK"/old.*
rm -f "$WORK"/trees.tsv.* "$WORK"/library.tsv "$WORK"/exfat.* "$DURATIONS"
printf 'size\tphase\ttool\trun\tseconds\n' >"$RAW"
started=$EPOCHREALTIME

say() { printf '%s\n' "$*" >&2; }
# Seconds since START (an $EPOCHREALTIME), whole.
seconds_since() { echo $(((${EPOCHREALTIME/./} - ${1/./}) / 1000000)); }

# A fresh copy of the library at the one path every tool works on, so that
# the rename loop's list (made from a dry run there) names the copy's files.
# Hard links copy the tree of names, which is what the tools change.
# The last copy is moved aside and removed while the new one is made: at a
# million tracks each takes many seconds, and the two together take less
# than one after the other. Both end, and the copy and the last job's
# changes are written out, before anything is timed, so that no tool runs
# while the disk is still busy with what came before it.
fresh_copy() {
  local old="" remover=""
  if [ -e "$RUN_DIR" ]; then
    old=$(mktemp -u "$WORK/old.XXXXXX")
    mv "$RUN_DIR" "$old"
    rm -rf "$old" &
    remover=$!
  fi
  cp -al "$WORK/lib-$1" "$RUN_DIR"
  [ -z "$remover" ] || wait "$remover"
  sync
}

# The generator and the size a library was made by, and its names and sizes,
# so that a library is reused only while both still hold.
generator_stamp() {
  printf 'generator %s\nsize %s\n' "$(sha256sum <"$BIN/norvane-bench-library" | cut -d' ' -f1)" "$1"
}
contents_sum() { (cd "$1" && find . -printf '%P %s\n' | LC_ALL=C sort | md5sum | cut -d' ' -f1); }

# Makes WORK/lib-SIZE unless it is there as the current generator made it.
# A library is made under another name first, so that an interrupted run
# never leaves one that looks whole.
library() {
  local size=$1 lib=$WORK/lib-$1 stamp=$WORK/lib-$1.stamp wanted
  wanted="$(generator_stamp "$size")"
  if [ -d "$lib" ] && [ -f "$stamp" ] && [ -f "$lib.txt" ] &&
    [ "$(cat "$stamp")" = "$wanted"$'\n'"contents $(contents_sum "$lib")" ]; then
    say "   library reused ($lib)"
    return
  fi
  say "   library made ($lib)"
  rm -rf "$stamp" "$lib" "$lib.new"
  "$BIN/norvane-bench-library" "$lib.new" "$size" >"$lib.txt"
  mv "$lib.new" "$lib"
  printf '%s\ncontents %s\n' "$wanted" "$(contents_sum "$lib")" >"$stamp"
}

# timed SIZE PHASE TOOL RUN OUT COMMAND...: runs COMMAND with its output in
# OUT, fails the benchmark when it fails, records its wall time.
timed() {
  local size=$1 phase=$2 tool=$3 run=$4 out=$5
  shift 5
  local start=$EPOCHREALTIME status=0
  "$@" >"$out" 2>>"$LOG" </dev/null || status=$?
  local end=$EPOCHREALTIME
  if [ "$status" -ne 0 ]; then
    say "FAILED ($status): $tool, $phase, $size files; see $LOG"
    exit 1
  fi
  local us=$((${end/./} - ${start/./}))
  printf '%s\t%s\t%s\t%s\t%d.%06d\n' "$size" "$phase" "$tool" "$run" \
    $((us / 1000000)) $((us % 1000000)) >>"$RAW"
}

cli_same() { "$CLI" --defaults -i "$IN_SCHEME" -o "$OUT_SCHEME" --keep-underscores \
  --keep-extension-case -f tsv "$@" "$RUN_DIR"; }
cli_default() { "$CLI" --defaults -i "$IN_SCHEME" -o "$OUT_SCHEME" -f tsv "$@" "$RUN_DIR"; }
find_list() { find "$RUN_DIR" -type f -iname '*.mp3' -printf '%s %p\n'; }
mmv_job() { (cd "$RUN_DIR" && mmv "$@" "$MMV_FROM" "$MMV_TO"); }
rename_job() { find "$RUN_DIR" -type f -iname '*.mp3' -print0 | rename -0 "$@" "$PERL_EXPR"; }
loop_job() { "$BIN/norvane-bench-renameloop" "$1"; }
# The names of the tree after a job, to check that every tool did the same.
tree_sum() { (cd "$RUN_DIR" && find . -printf '%P\n' | LC_ALL=C sort | md5sum | cut -c1-12); }

for size in $SIZES; do
  say "== $size tracks"
  size_started=$EPOCHREALTIME
  RUNS=$LARGE_RUNS
  SIZE_WINDOW_RUNS=$WINDOW_RUNS
  if [ "$size" -lt 50000 ]; then
    RUNS=$SMALL_RUNS
  elif [ "$size" -ge 500000 ]; then
    RUNS=$MILLION_RUNS
    SIZE_WINDOW_RUNS=$MILLION_WINDOW_RUNS
  fi
  library "$size"
  printf '%s\t%s\n' "$size" "$(cat "$WORK/lib-$size.txt")" >>"$WORK/library.tsv"
  fresh_copy "$size"
  # Warm the caches once, untimed, as a user's library would be.
  find "$RUN_DIR" -printf '%s' >/dev/null

  # Norvane's own scan, dry run and check only read, and take seconds even
  # at a million tracks: they run at least BENCH_RUNS times at every size,
  # for a median that one slow run does not move; the peers RUNS times.
  OWN_RUNS=$((RUNS > LARGE_RUNS ? RUNS : LARGE_RUNS))

  say "   scan"
  for run in $(seq "$OWN_RUNS"); do
    if [ "$run" -le "$RUNS" ]; then
      timed "$size" scan find "$run" /dev/null find_list
    fi
    timed "$size" scan norvane "$run" /dev/null "$BIN/norvane-bench-scan" "$RUN_DIR"
  done

  say "   preview"
  for run in $(seq "$OWN_RUNS"); do
    timed "$size" preview norvane "$run" /dev/null cli_same
    timed "$size" preview norvane-default "$run" /dev/null cli_default
    if [ "$run" -le "$RUNS" ]; then
      timed "$size" preview mmv "$run" /dev/null mmv_job -n
      timed "$size" preview rename "$run" /dev/null rename_job -n
    fi
  done

  say "   execute"
  # The rename loop renames what norvane-cli proposes, listed by a dry run;
  # loop-default what it proposes with its default options, which are the
  # window's, so that the window's Execute All has the same renames to match.
  cli_same >"$WORK/list.tsv" 2>>"$LOG"
  cli_default >"$WORK/list-default.tsv" 2>>"$LOG"
  declare -A sums=()
  for run in $(seq "$RUNS"); do
    # Each run starts with the next tool, so that none always goes first.
    tools=(norvane norvane-default mmv rename loop loop-default)
    for k in "${!tools[@]}"; do
      tool=${tools[$(((k + run) % ${#tools[@]}))]}
      fresh_copy "$size"
      case $tool in
        norvane) timed "$size" execute "$tool" "$run" /dev/null cli_same -x ;;
        norvane-default) timed "$size" execute "$tool" "$run" /dev/null cli_default -x ;;
        mmv) timed "$size" execute "$tool" "$run" /dev/null mmv_job -g ;;
        rename) timed "$size" execute "$tool" "$run" /dev/null rename_job ;;
        loop) timed "$size" execute "$tool" "$run" /dev/null loop_job "$WORK/list.tsv" ;;
        loop-default) timed "$size" execute "$tool" "$run" /dev/null loop_job "$WORK/list-default.tsv" ;;
      esac
      [ "$run" -eq 1 ] && sums[$tool]=$(tree_sum)
    done
  done
  for tool in "${!sums[@]}"; do
    printf '%s\t%s\t%s\n' "$size" "$tool" "${sums[$tool]}" >>"$WORK/trees.tsv.$size"
  done
  unset sums

  say "   check"
  # The check only reads the disk: one copy serves every run, and the
  # program times the check itself, without its scan and process run.
  fresh_copy "$size"
  "$BIN/norvane-bench-check" "$RUN_DIR" "$OWN_RUNS" >"$WORK/check.out" 2>>"$LOG" || {
    say "FAILED: the check, $size files; see $LOG"
    exit 1
  }
  run=0
  while read -r key value; do
    case $key in
      check_s)
        run=$((run + 1))
        printf '%s\tcheck\tnorvane\t%s\t%s\n' "$size" "$run" "$value" >>"$RAW"
        ;;
      *) printf '%s\tcheck\t%s\t1\t%s\n' "$size" "$key" "$value" >>"$RAW" ;;
    esac
  done <"$WORK/check.out"

  say "   window"
  for run in $(seq "$SIZE_WINDOW_RUNS"); do
    fresh_copy "$size"
    QT_QPA_PLATFORM=offscreen "$BIN/norvane-bench-window" "$RUN_DIR" >"$WORK/window.out" 2>>"$LOG" || {
      say "FAILED: the window run, $size files; see $LOG"
      exit 1
    }
    while read -r key value; do
      printf '%s\twindow\t%s\t%s\t%s\n' "$size" "$key" "$run" "$value" >>"$RAW"
    done <"$WORK/window.out"
  done
  printf '%s tracks\t%s\n' "$size" "$(seconds_since "$size_started")" >>"$DURATIONS"
done
rm -rf "$RUN_DIR"

# shellcheck source=bench/exfat.sh
source "$ROOT/bench/exfat.sh"
exfat_started=$EPOCHREALTIME
exfat_case
printf 'exFAT\t%s\n' "$(seconds_since "$exfat_started")" >>"$DURATIONS"

BENCH_ELAPSED=$(seconds_since "$started")
export BENCH_ELAPSED BENCH_CLI=$CLI
bash "$ROOT/bench/report.sh" "$RAW" "$WORK" "$RESULTS"
say "Report: $RESULTS/report.md, plot: $RESULTS/bench.png ($BENCH_ELAPSED s)"
