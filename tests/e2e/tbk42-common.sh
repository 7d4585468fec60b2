# shellcheck shell=bash
# Shared by the TBK42 scenario scripts. Sourced, not run.
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine-env.sh"

# Prefixes whose servers are ended (side by side) when the script exits.
tbk42_prefixes=()
tbk42_stop_prefixes() {
  local prefix
  for prefix in "${tbk42_prefixes[@]}"; do tb_wine_stop "$prefix" & done
  wait
}
trap tbk42_stop_prefixes EXIT

# Makes a fresh Windows XP prefix: tbk42_prefix DIR [--printer NAME DRIVER PORT FILE]...
tbk42_prefix() {
  "$TB_TOOLS/make-prefix" "$1" winxp "${@:2}"
}

# Runs one driver scenario: tbk42_drive PREFIX DRIVER-EXE SCENARIO ARGS...
tbk42_drive() {
  local prefix=$1 driver=$2 scenario=$3
  shift 3
  echo "-- $scenario in $(basename "$prefix")"
  "$TB_TOOLS/wine-run" -t 40 "$prefix" "$driver" "$scenario" "$@"
}
