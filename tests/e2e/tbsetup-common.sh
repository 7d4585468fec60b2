# shellcheck shell=bash
# Shared by the TBSetup scenario scripts. Sourced, not run.
#
# Each script works in a WORK-DIR of its own: a fresh prefix (WORK-DIR/prefix) and a
# scratch copy of the distribution disk (WORK-DIR/disk), so tests never see each other's
# installations. The driver starts the installer; the scripts check from the host what
# the system then holds.
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine-env.sh"

tbs_fixtures=$(cd "$(dirname "${BASH_SOURCE[0]}")/../fixtures/setup" && pwd)
tbs_key='HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\TBK42'
tbs_program_files='Program Files'

tbs_fail() {
  echo "FAILED: $*" >&2
  tbs_failures=$((${tbs_failures:-0} + 1))
}
# Ends the script with the count of failed host checks.
tbs_result() {
  [ "${tbs_failures:-0}" -eq 0 ] || { echo "${tbs_failures} host check(s) failed" >&2; exit 1; }
  echo "all host checks passed"
}

# tbs_setup MODE WORK-DIR DIST-DIR: fresh prefix and disk copy; sets prefix, disk, exe
# (the copy's TBSetup.exe as a Windows path) and installed (the Unix path of the default
# install folder C:\Program Files\TBK42). On 64-bit Windows (a MODE ending in x64) the
# installer, an i686 program, installs into "Program Files (x86)" and its uninstall key
# is in the 32-bit view of the registry (Wow6432Node).
tbs_setup() {
  local mode=$1 dist=$3
  work=$2
  prefix=$work/prefix disk=$work/disk
  rm -rf "$work"
  mkdir -p "$work"
  trap 'tb_wine_stop "$prefix"' EXIT
  "$TB_TOOLS/make-prefix" "$prefix" "$mode"
  cp -r "$dist" "$disk"
  exe=$(tb_winpath "$disk/TBSetup.exe")
  if [[ $mode = *x64 ]]; then
    tbs_program_files='Program Files (x86)'
    tbs_key_64=$tbs_key
    tbs_key=${tbs_key/\\SOFTWARE\\/\\SOFTWARE\\Wow6432Node\\}
  fi
  installed="$prefix/drive_c/$tbs_program_files/TBK42"
}

# Runs one driver scenario: tbs_drive DRIVER-EXE SCENARIO ARGS...; a failed scenario
# counts as one failure. Its time-out is tbs_drive_seconds (default 50 s).
tbs_drive() {
  local driver=$1 scenario=$2
  shift 2
  echo "-- $scenario $(printf '%q ' "${@:2}")"
  "$TB_TOOLS/wine-run" -t "${tbs_drive_seconds:-50}" "$prefix" "$driver" "$scenario" "$@" ||
    tbs_fail "scenario $scenario"
}

# Writes the setup information of the disk copy from UTF-8 text on stdin (CP932, CRLF).
tbs_write_ini() {
  sed 's/$/\r/' | iconv -f UTF-8 -t CP932 >"${1:-$disk/TBSetup.ini}"
}

# The values of the uninstall key (or of KEY) as the system holds them, one line each as
# .reg text (UTF-8); nothing when the key is missing. Wine's registry keeps the values of
# a key sorted by name, so the order in which they were written cannot be seen here.
tbs_key_values() {
  local out=$prefix/drive_c/tb-key.reg
  rm -f "$out"
  tb_wine "$prefix" timeout 30 wine reg export "${1:-$tbs_key}" 'C:\tb-key.reg' /y >/dev/null 2>&1 ||
    return 0
  iconv -f UTF-16 -t UTF-8 "$out" | tr -d '\r' | grep '^"' || true
  rm -f "$out"
}

# Files and folders below DIR, relative, sorted; empty when DIR is missing.
tbs_tree() {
  [ -d "$1" ] || return 0
  (cd "$1" && find . -mindepth 1 | sed 's|^\./||' | LC_ALL=C sort)
}

# The title (TITLE_NAME, UTF-8) of the setup information file INI.
tbs_title() {
  iconv -f CP932 -t UTF-8 "$1" | tr -d '\r' | sed -n 's/^TITLE_NAME=//p'
}

# The install record of DIR as a sorted list of /-separated paths. Its first line names
# the product of DIR's setup information in brackets; any other first line is listed
# as "first line: ...", so the comparison with the expected paths fails.
tbs_record() {
  local head
  head=$(iconv -f CP932 -t UTF-8 "$1/TBSETUP.LST" | head -n 1 | tr -d '\r')
  [ "$head" = "[$(tbs_title "$1/TBSetup.ini")]" ] || echo "first line: $head"
  iconv -f CP932 -t UTF-8 "$1/TBSETUP.LST" | tail -n +2 | tr -d '\r' | tr '\\' '/' | LC_ALL=C sort
}

# An earlier installation's record in DIR naming the disk's product and nothing else.
tbs_own_record() {
  printf '[%s]\n' "$(tbs_title "$disk/TBSetup.ini")" | tbs_write_ini "$1/TBSETUP.LST"
}

# tbs_expect WHAT EXPECTED ACTUAL: a failure with both texts when they differ.
tbs_expect() {
  [ "$2" = "$3" ] && return 0
  tbs_fail "$1"
  diff <(printf '%s\n' "$2") <(printf '%s\n' "$3") | sed 's/^/    /' >&2 || true
}

# The installed folder after an installation from the disk copy: files and folders as
# listed (every other name is a failure), the record naming exactly them, the program
# expanded byte for byte, the copies of the installer and its setup information.
# tbs_check_installed ORIGINAL-TBK42 PROGRAM-PATH(relative) LISTING...
tbs_check_installed() {
  local original=$1 program=$2
  shift 2
  local listing
  listing=$(printf '%s\n' "$@" | LC_ALL=C sort)
  tbs_expect "installed files" "$listing" "$(tbs_tree "$installed")"
  tbs_expect "install record" "$listing" "$(tbs_record "$installed")"
  if grep -qv $'\r$' "$installed/TBSETUP.LST"; then tbs_fail "TBSETUP.LST: lines without CRLF"; fi
  cmp "$original" "$installed/$program" || tbs_fail "$program is not the original program"
  cmp "$disk/TBSetup.exe" "$installed/TBSetup.exe" || tbs_fail "TBSetup.exe differs"
  cmp "$disk/TBSetup.ini" "$installed/TBSetup.ini" || tbs_fail "TBSetup.ini differs"
}

# The four values (text, REG_SZ) of the uninstall key for the default install folder, in
# the registry's order; on 64-bit Windows nothing in the 64-bit view.
tbs_check_key() {
  local title=$1 folder="C:\\\\${tbs_program_files}\\\\TBK42"
  if [ -n "${tbs_key_64-}" ]; then
    tbs_expect "uninstall key in the 64-bit view" "" "$(tbs_key_values "$tbs_key_64")"
  fi
  tbs_expect "uninstall key values" "\"DisplayIcon\"=\"$folder\\\\Tbsetup.exe\"
\"DisplayName\"=\"$title\"
\"InstallPath\"=\"$folder\"
\"UninstallString\"=\"$folder\\\\Tbsetup.exe /M\"" "$(tbs_key_values)"
}

# The system's list of installed programs as Wine's uninstaller shows it ("KEY|||NAME"
# lines in the console's code page 932; both registry views on 64-bit Windows):
# tbs_check_listed yes|no TITLE.
tbs_check_listed() {
  local listing
  listing=$(tb_wine "$prefix" timeout 60 wine uninstaller --list 2>/dev/null |
    iconv -f CP932 -t UTF-8 | tr -d '\r' || true)
  if grep -qF "|||$2" <<<"$listing"; then
    [ "$1" = yes ] || tbs_fail "the program list still names $2"
  else
    [ "$1" = no ] || tbs_fail "the program list does not name $2: $listing"
  fi
}
