#!/usr/bin/env bash
# Turns the raw times of bench/run.sh into bench/results/report.md and the
# plot bench/results/bench.png. Usage: report.sh RAW.tsv WORK RESULTS
set -euo pipefail

RAW=$1
WORK=$2
RESULTS=$3
MEDIANS=$WORK/medians.tsv
REPORT=$RESULTS/report.md

# size phase tool -> median, min, max, runs
tail -n +2 "$RAW" | LC_ALL=C sort -t $'\t' -k1,1n -k2,2 -k3,3 -k5,5g | awk -F '\t' '
  function flush() {
    if (n == 0) return
    m = n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
    printf "%s\t%s\t%s\t%.6f\t%.6f\t%.6f\t%d\n", s, p, t, m, v[1], v[n], n
  }
  { key = $1 FS $2 FS $3
    if (key != last) { flush(); n = 0; s = $1; p = $2; t = $3; last = key }
    v[++n] = $5 }
  END { flush() }' >"$MEDIANS"

# The library sizes of the main runs; the exFAT case has its own section.
sizes=$(awk -F '\t' '$2 != "exfat" { print $1 }' "$MEDIANS" | sort -nu)
small=$(head -1 <<<"$sizes")
large=$(tail -1 <<<"$sizes")
# The sizes the goals of the window are stated for, measured or not.
goal_sizes=$(printf '%s\n' "$sizes" 100000 1000000 | sort -nu)
# The earlier goals of the engine and the window hold at 100,000 tracks.
ref=100000
grep -qx "$ref" <<<"$sizes" || ref=$large

# stat SIZE PHASE TOOL [COLUMN]: the median (or min 5, max 6) of a measurement.
stat() {
  awk -F '\t' -v s="$1" -v p="$2" -v t="$3" -v c="${4:-4}" \
    '$1 == s && $2 == p && $3 == t { print $c; found = 1 } END { if (!found) print "nan" }' "$MEDIANS"
}
# A figure this run does not have reads "nan": it prints as "-", and a goal
# that needs it is not measured rather than met.
calc() {
  case $1 in *nan*) echo "-" ;; *) awk "BEGIN { printf \"${2:-%.2f}\", $1 }" ;; esac
}
verdict() {
  case $1 in *nan*) echo "not measured" ;; *) awk "BEGIN { print ($1) ? \"met\" : \"**missed**\" }" ;; esac
}
secs() { calc "$1" "%.3f"; }

# The exFAT case: its size, and whether norvane and mmv left the same tree.
exfat_size=$(awk -F '\t' '$2 == "exfat" { print $1; exit }' "$MEDIANS")
exfat_same=0
exfat_trees="no trees recorded"
if [ -f "$WORK/exfat.trees" ]; then
  if [ "$(cut -f3 "$WORK/exfat.trees" | sort -u | wc -l)" -eq 1 ]; then
    exfat_same=1
    exfat_trees="the same tree"
  else
    exfat_trees="**different trees**"
  fi
fi

version() { dpkg-query -W -f='${Version}' "$1" 2>/dev/null || echo unknown; }
cpu=$(awk -F ': ' '/model name/ { print $2; exit }' /proc/cpuinfo)
memory=$(awk '/MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo)
filesystem=$(df -T "$WORK" | awk 'NR == 2 { print $2 }')

{
  echo "# Norvane benchmarks at library scale"
  echo
  echo "Made by \`make bench\` (bench/run.sh) on $(date -u '+%Y-%m-%d %H:%M UTC'), in ${BENCH_ELAPSED:-?} s."
  echo "Every time is the median wall time of the runs shown (warm cache, a fresh"
  echo "hard-linked copy of the library for every execute run, written out with sync"
  echo "before the tool starts; each execute run starts with the next tool). A ratio"
  echo "is Norvane's time divided by the other tool's, measured in the same run: below"
  echo "1 is faster."
  echo
  echo "## Machine"
  echo
  echo "| | |"
  echo "|---|---|"
  echo "| CPU | $cpu, $(nproc) cores |"
  echo "| memory | $memory |"
  echo "| system | Debian $(cat /etc/debian_version), Linux $(uname -r) |"
  echo "| file system of the libraries | $filesystem |"
  echo "| Norvane | $("${BENCH_CLI:-norvane-cli}" --version 2>/dev/null || echo unknown), Qt $(version libqt6core6) |"
  echo "| peers | find $(version findutils), mmv $(version mmv), Perl rename $(version rename), Perl $(version perl) |"
  [ -f "$WORK/exfat.skipped" ] ||
    echo "| exFAT | exfatprogs $(version exfatprogs), exfat-fuse $(version exfat-fuse) |"
  echo
  echo "## Libraries"
  echo
  echo "Made by \`norvane-bench-library\` (same seed, same tree): artist folders holding"
  echo "album folders of 8 to 25 tracks named \"Artist - Album - 07 - Title.mp3\", one"
  echo "album in seven with underscores for blanks, one track in ten with \".MP3\","
  echo "letters beyond ASCII, one name in ten that does not fit the scheme, and"
  echo "covers, playlists and notes making about a fifth of all files."
  echo
  echo "| tracks | made |"
  echo "|---|---|"
  while IFS=$'\t' read -r size text; do echo "| $size | $text |"; done <"$WORK/library.tsv"
  echo
  echo "## What is compared"
  echo
  echo "The transformation is \"Artist - Album - Track# - Trackname\" to \"Album - Artist -"
  echo "Track# - Trackname\" on every track whose extension is .mp3 in any letter case,"
  echo "the files Norvane's extension filter \".mp3\" takes. So that every tool does the"
  echo "same work, \`norvane\` runs with --keep-underscores --keep-extension-case and the"
  echo "peers match the extension without regard to case; after the execute phase the"
  echo "trees left by norvane, mmv, rename and the loop are compared name by name."
  echo "\`norvane-default\` is norvane-cli with its default options, which also turn"
  echo "underscores into blanks and lower-case the extensions, and so rename more files."
  echo
  echo "| phase | tool | command |"
  echo "|---|---|---|"
  echo "| scan | find | \`find LIB -type f -iname '*.mp3' -printf '%s %p\\\\n'\` |"
  echo "| scan | norvane | \`norvane-bench-scan LIB\`: the engine's scan as the window runs it, listing and sizing each file it takes (norvane-cli skips the sizes, which it does not show) |"
  echo "| preview | norvane | \`norvane-cli --defaults -i IN -o OUT --keep-underscores --keep-extension-case -f tsv LIB\` |"
  echo "| preview | mmv | \`mmv -n ';* - * - * - *.[mM][pP]3' '#1#3 - #2 - #4 - #5.#6#7\\\\3'\` in LIB |"
  echo "| preview | rename | \`find LIB -type f -iname '*.mp3' -print0 \\| rename -0 -n 's{/([^/]*?) - ([^/]*?) - ([^/]*?) - ([^/]*)(\\\\.mp3)\\\\z}{/\$2 - \$1 - \$3 - \$4\$5}i'\` |"
  echo "| execute | norvane | the preview command with -x (scan, process, execute) |"
  echo "| execute | mmv, rename | the preview commands without -n (mmv with -g) |"
  echo "| execute | loop | \`norvane-bench-renameloop LIST\`: one renameat2(RENAME_NOREPLACE) per rename norvane-cli proposes |"
  echo "| execute | loop-default | the loop over the renames norvane-cli proposes with its default options, the window's: the limit for the window's Execute All |"
  echo "| execute | limit | find's listing plus the loop: the machine's limit for the whole job |"
  echo "| check | norvane | \`norvane-bench-check LIB\`: the check before execute over every row after \"Process All\" (the window's default options), timed alone; it reads each folder's listing and changes nothing |"
  echo

  for size in $sizes; do
    find_scan=$(stat "$size" scan find)
    loop=$(stat "$size" execute loop)
    limit=$(calc "$find_scan + $loop" "%.6f")
    echo "## $size tracks"
    echo
    echo "| phase | tool | median s | min s | max s | runs | Norvane's ratio to it |"
    echo "|---|---|---|---|---|---|---|"
    for phase in scan preview execute check; do
      norvane=$(stat "$size" "$phase" norvane)
      for tool in norvane norvane-default find mmv rename loop loop-default; do
        median=$(stat "$size" "$phase" "$tool")
        [ "$median" = nan ] && continue
        ratio="-"
        case $tool in norvane | norvane-default) ;; *) ratio=$(calc "$norvane / $median") ;; esac
        echo "| $phase | $tool | $(secs "$median") | $(secs "$(stat "$size" "$phase" "$tool" 5)") |" \
          "$(secs "$(stat "$size" "$phase" "$tool" 6)") | $(stat "$size" "$phase" "$tool" 7) | $ratio |"
      done
    done
    echo "| execute | limit (find + loop) | $(secs "$limit") | | | | $(calc "$(stat "$size" execute norvane) / $limit") |"
    echo
    echo "The check looked at $(calc "$(stat "$size" check proposals)" "%.0f") proposals of $(calc "$(stat "$size" check rows)" "%.0f") rows and expects $(calc "$(stat "$size" check will_fail)" "%.0f") to fail."
    echo
    if [ -f "$WORK/trees.tsv.$size" ]; then
      echo "Trees after the execute phase (first digits of a digest of all names):"
      echo
      echo "| tool | tree |"
      echo "|---|---|"
      LC_ALL=C sort -k2 "$WORK/trees.tsv.$size" | while IFS=$'\t' read -r _ tool sum; do
        echo "| $tool | \`$sum\` |"
      done
      echo
      same=$(awk -F '\t' '$2 !~ /-default$/ { print $3 }' "$WORK/trees.tsv.$size" | sort -u | wc -l)
      if [ "$same" -eq 1 ]; then
        echo "norvane, mmv, rename and the loop left the same tree."
      else
        echo "**norvane, mmv, rename and the loop left different trees.**"
      fi
      same=$(awk -F '\t' '$2 ~ /-default$/ { print $3 }' "$WORK/trees.tsv.$size" | sort -u | wc -l)
      if [ "$same" -eq 1 ]; then
        echo "norvane-default and loop-default left the same tree."
      elif grep -q 'loop-default' "$WORK/trees.tsv.$size"; then
        echo "**norvane-default and loop-default left different trees.**"
      fi
      echo
    fi
  done

  echo "## The window"
  echo
  echo "\`norvane-bench-window LIB\` under QT_QPA_PLATFORM=offscreen, window 1280 x 900: the"
  echo "library dropped on the input folder list, scanned and shown in LVResults;"
  echo "\"Process All\"; all rows selected; \"Execute All\"; the list scrolled from top to"
  echo "bottom as by dragging the scroll bar's thumb, 200 positions each painted. Each"
  echo "step includes painting the list. Medians of the runs, except the longest frame"
  echo "and the peak memory, which are the worst run's."
  echo
  echo "| tracks | runs | rows | renamed | scanned and shown s | Process All s | select all s | Execute All s | scroll s | frame ms: median / 99% / longest | peak resident MiB |"
  echo "|---|---|---|---|---|---|---|---|---|---|---|"
  frames() {
    echo "$(calc "$(stat "$1" window "${2}_median_frame_ms")" "%.1f") / $(calc "$(stat "$1" window "${2}_p99_frame_ms")" "%.1f") / $(calc "$(stat "$1" window "${2}_max_frame_ms" 6)" "%.1f")"
  }
  for size in $sizes; do
    echo "| $size | $(calc "$(stat "$size" window scan_show_s 7)" "%.0f") | $(calc "$(stat "$size" window rows)" "%.0f") |" \
      "$(calc "$(stat "$size" window renamed)" "%.0f") | $(secs "$(stat "$size" window scan_show_s)") | $(secs "$(stat "$size" window process_s)") |" \
      "$(secs "$(stat "$size" window select_all_s)") | $(secs "$(stat "$size" window execute_s)") |" \
      "$(secs "$(stat "$size" window scroll_s)") | $(frames "$size" scroll) |" \
      "$(calc "$(stat "$size" window peak_rss_mib 6)" "%.0f") |"
  done
  echo

  nv() { stat "$1" "$2" norvane; }
  ratio_goal() { # size phase peer bound: Norvane's time against a peer's
    local r
    r=$(calc "$(nv "$1" "$2") / $(stat "$1" "$2" "$3")")
    echo "${r}x $(verdict "$(nv "$1" "$2") < $4 * $(stat "$1" "$2" "$3")" | sed 's/^/(/; s/$/)/')"
  }
  limit_of() { calc "$(stat "$1" scan find) + $(stat "$1" execute loop)" "%.6f"; }
  echo "## Goals"
  echo
  echo "Ratios of Norvane's median to the other tool's, from this run, at each library size."
  echo
  header="| goal |"
  rule="|---|"
  for size in $sizes; do header+=" $size tracks |"; rule+="---|"; done
  echo "$header"
  echo "$rule"
  row() { # title, then a command printing the cell for a size
    local line="| $1 |"
    shift
    for size in $sizes; do line+=" $("$@" "$size") |"; done
    echo "$line"
  }
  scan_goal() { ratio_goal "$1" scan find 1.5; }
  preview_mmv() { ratio_goal "$1" preview mmv 1; }
  preview_rename() { ratio_goal "$1" preview rename 1; }
  execute_mmv() { ratio_goal "$1" execute mmv 1; }
  execute_rename() { ratio_goal "$1" execute rename 1; }
  limit_goal() {
    local limit
    limit=$(limit_of "$1")
    echo "$(calc "$(nv "$1" execute) / $limit")x ($(verdict "$(nv "$1" execute) <= 2 * $limit"))"
  }
  row "scan within 1.5x of find" scan_goal
  row "preview faster than mmv -n" preview_mmv
  row "preview faster than rename -n" preview_rename
  row "execute job faster than mmv's" execute_mmv
  row "execute job faster than rename's" execute_rename
  row "execute job within 2x of find + loop" limit_goal
  echo
  # The earlier goals: growth between neighbouring sizes (a tenfold library
  # at most 12x the time; the step from 100,000 to 1,000,000 has its own goal
  # below), and the window and the check at 100,000 tracks.
  R=$ref
  echo "| goal | measured | |"
  echo "|---|---|---|"
  S=""
  for L in $sizes; do
    if [ -n "$S" ] && ! { [ "$S" = 100000 ] && [ "$L" = 1000000 ]; }; then
      bound=$(calc "1.2 * $L / $S" "%.1f")
      for phase in scan preview execute check; do
        echo "| $phase grows linearly: $L tracks at most ${bound}x $S tracks | $(calc "$(nv "$L" "$phase") / $(nv "$S" "$phase")")x | $(verdict "$(nv "$L" "$phase") <= $bound * $(nv "$S" "$phase")") |"
      done
      for key in scan_show_s process_s select_all_s execute_s; do
        echo "| window $key grows linearly: $L tracks at most ${bound}x $S tracks | $(calc "$(stat "$L" window "$key") / $(stat "$S" window "$key")")x | $(verdict "$(stat "$L" window "$key") <= $bound * $(stat "$S" window "$key")") |"
      done
    fi
    S=$L
  done
  echo "| check before execute, all rows, well under 0.5 s (at most 0.25 s), $R tracks | $(secs "$(nv "$R" check)") s | $(verdict "$(nv "$R" check) <= 0.25") |"
  echo "| window: scanned and shown within 3 s, $R tracks | $(secs "$(stat "$R" window scan_show_s)") s | $(verdict "$(stat "$R" window scan_show_s) <= 3") |"
  echo "| window: Process All within 1 s, $R tracks | $(secs "$(stat "$R" window process_s)") s | $(verdict "$(stat "$R" window process_s) <= 1") |"
  echo "| window: scrolling without stalls (no frame over 50 ms), $R tracks | longest $(calc "$(stat "$R" window scroll_max_frame_ms 6)" "%.1f") ms | $(verdict "$(stat "$R" window scroll_max_frame_ms 6) <= 50") |"
  echo "| window: peak memory under 200 MB, $R tracks | $(calc "$(stat "$R" window peak_rss_mib 6) * 1.048576" "%.0f") MB | $(verdict "$(stat "$R" window peak_rss_mib 6) * 1.048576 < 200") |"
  echo

  # The goals of the window within reach of the engine. A goal passes only
  # on figures of this run; one whose figures are missing is not measured.
  echo "### The window within reach of the engine"
  echo
  echo "Each goal a ratio or a figure measured in this run. A goal whose size was not"
  echo "run, or whose figures are missing, reads \"not measured\" and does not pass."
  echo
  echo "| goal | tracks | measured | result |"
  echo "|---|---|---|---|"
  # unmeasured SIZE: why a goal at SIZE has no figures, or nothing.
  unmeasured() {
    grep -qx "$1" <<<"$sizes" || { echo "not measured: $1 tracks not in BENCH_SIZES"; return; }
  }
  # have SIZE PHASE TOOL [COLUMN]: whether this run has that figure.
  have() { [ "$(stat "$@")" != nan ]; }
  pass() { awk "BEGIN { print ($1) ? \"pass\" : \"**fail**\" }"; }
  # goal TITLE SIZE FIGURE VERDICT
  goal() { echo "| $1 | $2 | $3 | $4 |"; }
  missing() { goal "$1" "$2" "${3:-not measured: no figures from this run}" "not measured"; }
  # ratio_cell TITLE SIZE PHASE TOOL PEER_PHASE PEER_TOOL BOUND NAME PEER_NAME
  ratio_cell() {
    local why
    why=$(unmeasured "$2")
    if [ -n "$why" ]; then missing "$1" "$2" "$why"; return; fi
    if ! have "$2" "$3" "$4" || ! have "$2" "$5" "$6"; then missing "$1" "$2"; return; fi
    local a b
    a=$(stat "$2" "$3" "$4")
    b=$(stat "$2" "$5" "$6")
    goal "$1" "$2" "$8 $(secs "$a") s / $9 $(secs "$b") s = $(calc "$a / $b")x" "$(pass "$a <= $7 * $b")"
  }
  for size in $goal_sizes; do
    [ "$size" -ge 100000 ] || continue
    ratio_cell "window scanned and shown at most 1.5x norvane-cli's dry run" "$size" \
      window scan_show_s preview norvane 1.5 window norvane-cli
  done
  for size in $goal_sizes; do
    ratio_cell "window Execute All at most 1.3x the bare renameat2 loop over the same renames" "$size" \
      window execute_s execute loop-default 1.3 window loop-default
  done
  title="window peak memory at most 500 MiB"
  why=$(unmeasured 1000000)
  if [ -n "$why" ]; then
    missing "$title" 1000000 "$why"
  elif ! have 1000000 window peak_rss_mib 6; then
    missing "$title" 1000000
  else
    peak=$(stat 1000000 window peak_rss_mib 6)
    goal "$title" 1000000 "$(calc "$peak" "%.0f") MiB (worst run)" "$(pass "$peak <= 500")"
  fi
  for size in $goal_sizes; do
    title="window scrolling: every frame under 16 ms"
    why=$(unmeasured "$size")
    if [ -n "$why" ]; then
      missing "$title" "$size" "$why"
    elif ! have "$size" window scroll_max_frame_ms 6; then
      missing "$title" "$size"
    else
      longest=$(stat "$size" window scroll_max_frame_ms 6)
      goal "$title" "$size" "longest $(calc "$longest" "%.1f") ms, 99% $(calc "$(stat "$size" window scroll_p99_frame_ms)" "%.1f") ms" \
        "$(pass "$longest < 16")"
    fi
  done
  growth() { # TITLE PHASE TOOL
    local why
    why=$(unmeasured 100000)
    [ -n "$why" ] || why=$(unmeasured 1000000)
    if [ -n "$why" ]; then missing "$1" "1000000 / 100000" "$why"; return; fi
    if ! have 1000000 "$2" "$3" || ! have 100000 "$2" "$3"; then missing "$1" "1000000 / 100000"; return; fi
    local a b
    a=$(stat 1000000 "$2" "$3")
    b=$(stat 100000 "$2" "$3")
    goal "$1" "1000000 / 100000" "$(secs "$a") s / $(secs "$b") s = $(calc "$a / $b")x" "$(pass "$a <= 11 * $b")"
  }
  for phase in scan preview execute check; do
    growth "$phase (norvane) at 1,000,000 at most 11x at 100,000" "$phase" norvane
  done
  for key in scan_show_s process_s select_all_s execute_s scroll_s; do
    growth "window $key at 1,000,000 at most 11x at 100,000" window "$key"
  done
  title="exFAT image: the execute job at most 1.4x mmv's, same tree"
  if [ -f "$WORK/exfat.skipped" ]; then
    missing "$title" "${BENCH_EXFAT_TRACKS:-5000}" "not measured: the exFAT case was skipped: $(cat "$WORK/exfat.skipped")"
  elif [ -z "$exfat_size" ] || ! have "$exfat_size" exfat norvane || ! have "$exfat_size" exfat mmv; then
    missing "$title" "${exfat_size:-${BENCH_EXFAT_TRACKS:-5000}}"
  else
    a=$(stat "$exfat_size" exfat norvane)
    b=$(stat "$exfat_size" exfat mmv)
    goal "$title" "$exfat_size" "norvane $(secs "$a") s / mmv $(secs "$b") s = $(calc "$a / $b")x, $exfat_trees" \
      "$(pass "$a <= 1.4 * $b && $exfat_same")"
  fi
  echo

  echo "## exFAT through FUSE"
  echo
  if [ -f "$WORK/exfat.skipped" ]; then
    echo "Skipped in this run: $(cat "$WORK/exfat.skipped")."
  elif [ -z "$exfat_size" ]; then
    echo "Not run: no figures from this run."
  else
    echo "An exFAT image file attached to a loop device and mounted with mount.exfat-fuse,"
    echo "the file system of a USB stick, where the rename that never overwrites cannot"
    echo "ask the kernel and Norvane reserves each new name first. Library: $(cat "$WORK/exfat.library" 2>/dev/null || echo "$exfat_size tracks"),"
    echo "empty files (exFAT has no sparse files); each run renames a fresh copy on the"
    echo "image, the two tools in turns. Commands as in the execute phase."
    echo
    echo "| tool | median s | min s | max s | runs | files renamed | tree | Norvane's ratio to it |"
    echo "|---|---|---|---|---|---|---|---|"
    for tool in norvane mmv; do
      ratio="-"
      [ "$tool" = norvane ] || ratio=$(calc "$(stat "$exfat_size" exfat norvane) / $(stat "$exfat_size" exfat "$tool")")
      echo "| $tool | $(secs "$(stat "$exfat_size" exfat "$tool")") | $(secs "$(stat "$exfat_size" exfat "$tool" 5)") |" \
        "$(secs "$(stat "$exfat_size" exfat "$tool" 6)") | $(stat "$exfat_size" exfat "$tool" 7) |" \
        "$(awk -F '\t' -v t="$tool" '$2 == t { print $4 }' "$WORK/exfat.trees") |" \
        "\`$(awk -F '\t' -v t="$tool" '$2 == t { print $3 }' "$WORK/exfat.trees")\` | $ratio |"
    done
    echo
    echo "norvane and mmv left $exfat_trees."
  fi
  echo

  echo "## Time of this run"
  echo
  echo "| part | s |"
  echo "|---|---|"
  if [ -f "$WORK/durations.tsv" ]; then
    while IFS=$'\t' read -r part took; do echo "| $part | $took |"; done <"$WORK/durations.tsv"
  fi
  echo "| the whole run (building the programs not counted) | ${BENCH_ELAPSED:-?} |"
  echo
  echo "![Time against library size](bench.png)"
  echo
  echo "Raw times: [raw.tsv](raw.tsv). What the benchmark found and what was changed:"
  echo "[fixes.md](fixes.md)."
} >"$REPORT"

# The plot: time against library size, one panel a phase, log scales.
data=$WORK/plot
rm -rf "$data"
mkdir -p "$data"
# Medians, and for the peak memory the worst run, as in the tables.
awk -F '\t' -v dir="$data" '$2 != "exfat" {
    print $1, ($3 == "peak_rss_mib" ? $6 : $4) > (dir "/" $2 "-" $3 ".dat") }' "$MEDIANS"
for size in $sizes; do
  limit=$(calc "$(stat "$size" scan find) + $(stat "$size" execute loop)" "%.6f")
  [ "$limit" = - ] || echo "$size $limit" >>"$data/execute-limit.dat"
done
plot() { # title, then pairs of file and label
  local title=$1 line="" sep=""
  shift
  while [ $# -gt 0 ]; do
    [ -f "$data/$1.dat" ] && line+="$sep'$data/$1.dat' using 1:2 with linespoints title '$2'" && sep=", "
    shift 2
  done
  if [ -n "$line" ]; then
    echo "set title '$title'; plot $line"
  else
    echo "set title '$title'; set label 1 'no figures in this run' at graph 0.5, 0.5 center"
    echo "set yrange [0.1:10]; plot 1/0 notitle; unset label 1; set autoscale y"
  fi
}
gnuplot <<EOF
set terminal pngcairo size 1500,900 font ',10'
set output '$RESULTS/bench.png'
set multiplot layout 2,3 title 'Norvane against its peers: median wall time against library size (tracks)'
set logscale xy
set xlabel 'tracks'
set ylabel 'seconds'
set key top left
set grid
set xtics ($(awk '{ printf "%s\"%s\" %s", (NR > 1 ? ", " : ""), $1, $1 }' <<<"$sizes"))
set xrange [$small / 1.5:$large * 1.5]
$(plot 'Scan' scan-norvane 'norvane' scan-find 'find')
$(plot 'Preview (dry run)' preview-norvane 'norvane' preview-norvane-default 'norvane, default options' preview-mmv 'mmv -n' preview-rename 'rename -n')
$(plot 'Execute (whole job)' execute-norvane 'norvane' execute-norvane-default 'norvane, default options' execute-mmv 'mmv' execute-rename 'rename' execute-limit 'find + renameat2 loop')
$(plot 'The window' window-scan_show_s 'scanned and shown' window-process_s 'Process All' window-select_all_s 'select all' window-execute_s 'Execute All' window-scroll_s 'scroll, 200 frames' preview-norvane 'norvane-cli dry run' execute-loop-default 'renameat2 loop, same renames')
$(plot 'The check before execute, all rows' check-norvane 'check before execute')
set ylabel 'MiB'
$(plot 'The window: peak resident memory (worst run)' window-peak_rss_mib 'peak resident memory')$([ -f "$data/window-peak_rss_mib.dat" ] && echo ", 500 with lines dashtype 2 title 'goal at 1,000,000 tracks: 500 MiB'")
unset multiplot
EOF
