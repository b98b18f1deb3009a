#!/usr/bin/env bash
# Installs Norvane into a temporary prefix and checks what arrived there:
# exactly the files of data/installed-files.txt; a desktop entry, AppStream
# metadata and icons that validate and fit together; manual pages that format
# without a warning; a manual page and a bash completion that know every
# option of --help; one version everywhere; and installed programs that run.
# Usage: install-check.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
bash scripts/install-deps.sh desktop-file-utils appstream bash-completion man-db groff-base

cmake --build "$build" --target norvane norvane-cli
root=$(mktemp -d /tmp/norvane-install-check.XXXXXX)
trap 'rm -rf "$root"' EXIT
prefix=$root/usr
cmake --install "$build" --prefix "$prefix" >/dev/null

app_id=$(sed -n 's/^set(NORVANE_APP_ID \(.*\))$/\1/p' CMakeLists.txt)
version=$(sed -n 's/^project(Norvane VERSION \([^ ]*\) .*/\1/p' CMakeLists.txt)
passed=0
failed=0
check() {
  local what=$1
  shift
  local output
  if output=$("$@" 2>&1); then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "install-check: FAILED: $what" >&2
    [ -z "$output" ] || printf '%s\n' "$output" | sed 's/^/    /' >&2
  fi
}

# The programs run without a display, with settings of their own.
export XDG_CONFIG_HOME=$root/config XDG_RUNTIME_DIR=$root/runtime LC_ALL=C.UTF-8
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

files_as_listed() {
  local expected actual
  expected=$(grep -v '^#' data/installed-files.txt | sed '/^$/d' | sort)
  actual=$(cd "$prefix" && find . \( -type f -o -type l \) | sed 's|^\./||' | sort)
  if [ "$expected" != "$actual" ]; then
    diff <(echo "$expected") <(echo "$actual") | sed -n 's/^< /missing: /p; s/^> /not listed: /p'
    return 1
  fi
}

programs_executable() {
  local program
  for program in norvane norvane-cli; do
    [ -x "$prefix/bin/$program" ] || { echo "$program is not executable"; return 1; }
  done
}

# Errors and warnings fail; hints (such as two main categories) do not.
desktop_entry_valid() {
  local out
  out=$(desktop-file-validate "$prefix/share/applications/$app_id.desktop") || { echo "$out"; return 1; }
  if grep -E ': (error|warning): ' <<<"$out"; then return 1; fi
}

desktop_entry_fits() {
  local entry=$prefix/share/applications/$app_id.desktop
  grep -qx 'Exec=norvane %F' "$entry" || { echo "Exec is not 'norvane %F'"; return 1; }
  grep -qx "Icon=$app_id" "$entry" || { echo "Icon is not $app_id"; return 1; }
  grep -qx 'MimeType=inode/directory;' "$entry" || { echo "no MimeType inode/directory"; return 1; }
  grep -Eq '^Categories=(.*;)?Audio;' "$entry" || { echo "not in category Audio"; return 1; }
  grep -Eq '^Categories=(.*;)?Utility;' "$entry" || { echo "not in category Utility"; return 1; }
}

metainfo_valid() {
  appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml"
  # The whole tree: the metadata's desktop entry and icon must be there too.
  appstreamcli validate-tree --no-net "$root"
}

metainfo_fits() {
  local info=$prefix/share/metainfo/$app_id.metainfo.xml
  grep -q "<id>$app_id</id>" "$info" || { echo "id is not $app_id"; return 1; }
  grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$info" ||
    { echo "launchable is not $app_id.desktop"; return 1; }
  grep -Eq '<image>https?://[^<]*/docs/screenshot\.png</image>' "$info" ||
    { echo "no screenshot docs/screenshot.png"; return 1; }
  [ -f docs/screenshot.png ] || { echo "docs/screenshot.png is missing"; return 1; }
}

# Width and height from a PNG's header.
png_size() {
  od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
}

icons_sized() {
  local dir size
  for dir in "$prefix"/share/icons/hicolor/*x*/apps; do
    size=$(basename "$(dirname "$dir")")
    [ "$(png_size "$dir/$app_id.png")" = "$size" ] ||
      { echo "$dir/$app_id.png is $(png_size "$dir/$app_id.png"), not $size"; return 1; }
  done
  grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/$app_id.svg"
}

# man --warnings shows what groff and man-db find wrong, as lintian does.
man_pages_clean() {
  local page out
  for page in "$prefix"/share/man/man1/*.1; do
    out=$(MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    [ -z "$out" ] || { echo "$page: $out"; return 1; }
  done
}

# The long options a program's --help lists, one a line.
help_options() {
  "$prefix/bin/$1" --help | grep -E '^ +-' | grep -oE -- '--[a-z][a-z-]*' | sort -u
}

# Every option of --help has its .Opt line in the manual page (and in the bash
# completion, for norvane-cli), so that neither falls behind the program.
man_pages_know_every_option() {
  local program option missing=0
  for program in norvane norvane-cli; do
    for option in $(help_options "$program"); do
      # An .Opt line names each option, writing each "-" as "\-".
      grep '^\.Opt ' "$prefix/share/man/man1/$program.1" | grep -qF -- "${option//-/\\-}\"" ||
        { echo "$program.1 has no .Opt line for $option"; missing=1; }
    done
  done
  return $missing
}

completion_works() {
  local script
  script=$(
    cat <<EOF
source /usr/share/bash-completion/bash_completion
source "$prefix/share/bash-completion/completions/norvane-cli"
complete_line() {
  COMP_WORDS=("\$@"); COMP_CWORD=\$((\${#COMP_WORDS[@]} - 1))
  COMP_LINE="\$*"; COMP_POINT=\${#COMP_LINE}; COMPREPLY=()
  _norvane_cli norvane-cli
  printf '%s\n' "\${COMPREPLY[@]}"
}
failed=0
offered=\$(complete_line norvane-cli --)
for option in $(help_options norvane-cli | tr '\n' ' '); do
  grep -qx -- "\$option" <<<"\$offered" || { echo "no completion for \$option"; failed=1; }
done
[ "\$(complete_line norvane-cli --format '' | tr '\n' ' ')" = "table tsv json " ] ||
  { echo "--format does not offer table tsv json"; failed=1; }
[ "\$(complete_line norvane-cli --format=j)" = json ] || { echo "--format=j gives no json"; failed=1; }
exit \$failed
EOF
  )
  bash -c "$script"
}

# The version the build gives is the one of the metadata, the manual pages
# and the Debian changelog.
one_version() {
  local bad=0
  grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$app_id.metainfo.xml" ||
    { echo "metainfo's releases lack $version"; bad=1; }
  [ "$(grep -m1 -o '<release version="[^"]*"' "$prefix/share/metainfo/$app_id.metainfo.xml")" = "<release version=\"$version\"" ] ||
    { echo "metainfo's newest release is not $version"; bad=1; }
  local page
  for page in "$prefix"/share/man/man1/*.1; do
    grep -q "^\.TH .* \"Norvane $version\"" "$page" || { echo "$page is not of version $version"; bad=1; }
  done
  [ "$(sed -n '1s/^norvane (\([^)]*\)).*/\1/p' debian/changelog)" = "$version" ] ||
    { echo "debian/changelog is not at $version"; bad=1; }
  return $bad
}

versions_run() {
  [ "$("$prefix/bin/norvane-cli" --version)" = "norvane-cli $version" ] || return 1
  [ "$("$prefix/bin/norvane" --version)" = "norvane $version" ] || return 1
}

# A dry run of the installed norvane-cli on a small folder proposes a name.
cli_dry_run() {
  mkdir -p "$root/music/Album"
  : >"$root/music/Album/01 - Intro.mp3"
  local out
  out=$("$prefix/bin/norvane-cli" --defaults -i "Track# - Trackname" -o "Trackname - Track#" -f tsv "$root/music")
  grep -qF "$(printf '01 - Intro.mp3\tIntro - 01.mp3\trename pending\t%s' "$root/music/Album")" <<<"$out" ||
    { echo "$out"; return 1; }
  [ -f "$root/music/Album/01 - Intro.mp3" ]
}

check "the installed files are those of data/installed-files.txt" files_as_listed
check "the programs are executable" programs_executable
check "desktop-file-validate passes" desktop_entry_valid
check "the desktop entry starts norvane with folders, shows its icon, opens folders" desktop_entry_fits
check "appstreamcli validate --no-net passes" metainfo_valid
check "the AppStream metadata names the desktop entry and the screenshot" metainfo_fits
check "every PNG icon has the size of its folder" icons_sized
check "the manual pages format without a warning" man_pages_clean
check "the manual pages name every option of --help" man_pages_know_every_option
check "the bash completion offers every option and the output formats" completion_works
check "metadata, manual pages and changelog are of version $version" one_version
check "the installed norvane-cli --version and norvane --version run" versions_run
check "the installed norvane-cli proposes a new name" cli_dry_run

echo "install-check: $passed of $((passed + failed)) checks passed"
[ "$failed" -eq 0 ]
