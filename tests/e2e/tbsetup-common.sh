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
# install folder C:\Program Files\TBK42).
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
  installed="$prefix/drive_c/Program Files/TBK42"
}

# Runs one driver scenario: tbs_drive DRIVER-EXE SCENARIO ARGS...; a failed scenario
# counts as one failure.
tbs_drive() {
  local driver=$1 scenario=$2
  shift 2
  echo "-- $scenario $(printf '%q ' "${@:2}")"
  "$TB_TOOLS/wine-run" -t 50 "$prefix" "$driver" "$scenario" "$@" || tbs_fail "scenario $scenario"
}

# Writes the setup information of the disk copy from UTF-8 text on stdin (CP932, CRLF).
tbs_write_ini() {
  sed 's/$/\r/' | iconv -f UTF-8 -t CP932 >"${1:-$disk/TBSetup.ini}"
}

# The values of the uninstall key as the system holds them, in their order, one line
# each as .reg text (UTF-8); nothing when the key is missing.
tbs_key_values() {
  local out=$prefix/drive_c/tb-key.reg
  rm -f "$out"
  tb_wine "$prefix" timeout 30 wine reg export "$tbs_key" 'C:\tb-key.reg' /y >/dev/null 2>&1 ||
    return 0
  iconv -f UTF-16 -t UTF-8 "$out" | tr -d '\r' | grep '^"'
  rm -f "$out"
}

# Files and folders below DIR, relative, sorted; empty when DIR is missing.
tbs_tree() {
  [ -d "$1" ] || return 0
  (cd "$1" && find . -mindepth 1 | sed 's|^\./||' | LC_ALL=C sort)
}

# The install record of DIR as a sorted list of /-separated paths; fails unless every
# line ends in CRLF.
tbs_record() {
  local record=$1/TBSETUP.LST
  [ -f "$record" ] || { tbs_fail "no TBSETUP.LST in $1"; return 0; }
  if grep -qv $'\r$' "$record"; then tbs_fail "TBSETUP.LST has lines without CRLF"; fi
  iconv -f CP932 -t UTF-8 "$record" | tr -d '\r' | tr '\\' '/' | LC_ALL=C sort
}

# tbs_expect WHAT EXPECTED ACTUAL: a failure with both texts when they differ.
tbs_expect() {
  [ "$2" = "$3" ] && return 0
  tbs_fail "$1"
  diff <(printf '%s\n' "$2") <(printf '%s\n' "$3") | sed 's/^/    /' >&2
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
  cmp "$original" "$installed/$program" || tbs_fail "$program is not the original program"
  cmp "$disk/TBSetup.exe" "$installed/TBSETUP.EXE" || tbs_fail "TBSETUP.EXE differs"
  cmp "$disk/TBSetup.ini" "$installed/TBSETUP.INI" || tbs_fail "TBSETUP.INI differs"
}

# The four values of the uninstall key for the install folder C:\Program Files\TBK42.
tbs_check_key() {
  local title=$1 folder='C:\\Program Files\\TBK42'
  tbs_expect "uninstall key values, in order" "\"DisplayName\"=\"$title\"
\"InstallPath\"=\"$folder\"
\"DisplayIcon\"=\"$folder\\\\Tbsetup.exe\"
\"UninstallString\"=\"$folder\\\\Tbsetup.exe /M\"" "$(tbs_key_values)"
}
