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

sizes=$(cut -f1 "$MEDIANS" | sort -nu)
small=$(head -1 <<<"$sizes")
large=$(tail -1 <<<"$sizes")

# stat SIZE PHASE TOOL [COLUMN]: the median (or min 5, max 6) of a measurement.
stat() {
  awk -F '\t' -v s="$1" -v p="$2" -v t="$3" -v c="${4:-4}" \
    '$1 == s && $2 == p && $3 == t { print $c; found = 1 } END { if (!found) print "nan" }' "$MEDIANS"
}
calc() { awk "BEGIN { x = $1; if (x != x) print \"-\"; else printf \"${2:-%.2f}\", x }"; }
verdict() { awk "BEGIN { print ($1) ? \"met\" : \"**missed**\" }"; }
secs() { calc "$1" "%.3f"; }

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
      for tool in norvane norvane-default find mmv rename loop; do
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
      same=$(awk -F '\t' '$2 != "norvane-default" { print $3 }' "$WORK/trees.tsv.$size" | sort -u | wc -l)
      if [ "$same" -eq 1 ]; then
        echo "norvane, mmv, rename and the loop left the same tree."
      else
        echo "**norvane, mmv, rename and the loop left different trees.**"
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
  echo "| tracks | scanned and shown s | Process All s | select all s | Execute All s | scroll s | frame ms: median / 99% / longest | peak resident MiB |"
  echo "|---|---|---|---|---|---|---|---|"
  frames() {
    echo "$(calc "$(stat "$1" window "${2}_median_frame_ms")" "%.1f") / $(calc "$(stat "$1" window "${2}_p99_frame_ms")" "%.1f") / $(calc "$(stat "$1" window "${2}_max_frame_ms" 6)" "%.1f")"
  }
  for size in $sizes; do
    echo "| $size | $(secs "$(stat "$size" window scan_show_s)") | $(secs "$(stat "$size" window process_s)") |" \
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
  L=$large
  S=$small
  echo "| goal ($L tracks) | measured | |"
  echo "|---|---|---|"
  for phase in scan preview execute check; do
    echo "| $phase grows linearly: $L tracks at most 12x $S tracks | $(calc "$(nv "$L" "$phase") / $(nv "$S" "$phase")")x | $(verdict "$(nv "$L" "$phase") <= 12 * $(nv "$S" "$phase")") |"
  done
  for key in scan_show_s process_s select_all_s execute_s; do
    echo "| window $key grows linearly: at most 12x | $(calc "$(stat "$L" window "$key") / $(stat "$S" window "$key")")x | $(verdict "$(stat "$L" window "$key") <= 12 * $(stat "$S" window "$key")") |"
  done
  echo "| check before execute, all rows, well under 0.5 s (at most 0.25 s) | $(secs "$(nv "$L" check)") s | $(verdict "$(nv "$L" check) <= 0.25") |"
  echo "| window: scanned and shown within 3 s | $(secs "$(stat "$L" window scan_show_s)") s | $(verdict "$(stat "$L" window scan_show_s) <= 3") |"
  echo "| window: Process All within 1 s | $(secs "$(stat "$L" window process_s)") s | $(verdict "$(stat "$L" window process_s) <= 1") |"
  echo "| window: scrolling without stalls (no frame over 50 ms) | longest $(calc "$(stat "$L" window scroll_max_frame_ms 6)" "%.1f") ms | $(verdict "$(stat "$L" window scroll_max_frame_ms 6) <= 50") |"
  echo "| window: peak memory under 200 MB | $(calc "$(stat "$L" window peak_rss_mib 6) * 1.048576" "%.0f") MB | $(verdict "$(stat "$L" window peak_rss_mib 6) * 1.048576 < 200") |"
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
awk -F '\t' -v dir="$data" '{ print $1, $4 > (dir "/" $2 "-" $3 ".dat") }' "$MEDIANS"
for size in $sizes; do
  echo "$size $(calc "$(stat "$size" scan find) + $(stat "$size" execute loop)" "%.6f")" >>"$data/execute-limit.dat"
done
plot() { # title, then pairs of file and label
  local title=$1 line="" sep=""
  shift
  while [ $# -gt 0 ]; do
    [ -f "$data/$1.dat" ] && line+="$sep'$data/$1.dat' using 1:2 with linespoints title '$2'" && sep=", "
    shift 2
  done
  echo "set title '$title'; plot $line"
}
gnuplot <<EOF
set terminal pngcairo size 1200,900 font ',10'
set output '$RESULTS/bench.png'
set multiplot layout 2,2 title 'Norvane against its peers: median wall time against library size (tracks)'
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
$(plot 'The window, and the check' window-scan_show_s 'scanned and shown' window-process_s 'Process All' window-select_all_s 'select all' window-execute_s 'Execute All' window-scroll_s 'scroll, 200 frames' check-norvane 'check before execute')
unset multiplot
EOF
