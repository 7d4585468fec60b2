# shellcheck shell=bash
# Environment shared by the Wine helper scripts. Sourced, not run.
#
# A prefix made by make-prefix carries its own compiled Japanese locale (LOCPATH), so
# programs see code page 932 and LCID 0x0411 and Japanese survives command lines.

TB_TOOLS=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
TB_ROOT=$(cd "$TB_TOOLS/.." && pwd)
# Where the pristine base prefix is kept between runs (copied, never used directly).
TB_WINE_CACHE=${TB_WINE_CACHE:-${TB_BUILD:-$TB_ROOT/build}/native/wine/cache}
TB_LOCALE_DIR=.tb-locale

# Which Wine runs the programs: win32 (wine32, i686 programs) where this machine can run
# 32-bit code, else win64 (wine64, the same programs built for x86_64). Some kernels have
# their 32-bit emulation switched off; the i386 loader then fails with "Exec format error".
tb_detect_wine_arch() {
  if [ -n "${TB_WINE_ARCH:-}" ]; then echo "$TB_WINE_ARCH"
  elif /lib/ld-linux.so.2 --version >/dev/null 2>&1; then echo win32
  else echo win64
  fi
}
TB_WINE_ARCH=$(tb_detect_wine_arch)

# The architecture of prefix $1: the one its registry names, else (a prefix not made yet)
# TB_PREFIX_ARCH, else TB_WINE_ARCH. A 64-bit prefix on a machine that runs 32-bit code is
# a 64-bit Windows: its wine64 runs the i686 programs through WOW64.
tb_prefix_arch() {
  local line
  line=$(head -c 200 "$1/system.reg" 2>/dev/null | grep -a -m1 '^#arch=' || true)
  case $line in
  '#arch=win64'*) echo win64 ;;
  '#arch=win32'*) echo win32 ;;
  *) echo "${TB_PREFIX_ARCH:-$TB_WINE_ARCH}" ;;
  esac
}

# Runs a command with the Wine environment of prefix $1.
tb_wine() {
  local prefix arch
  prefix=$(realpath -m "$1"); shift
  arch=$(tb_prefix_arch "$prefix")
  local path=$PATH loader=${WINELOADER:-}
  # Debian's wine wrappers pick the i386 loader whenever it is installed: put the 64-bit
  # one first on the path instead (the loader re-executes itself through WINELOADER, and
  # for an i686 program starts the i386 loader beside it).
  if [ "$arch" = win64 ]; then
    path=$TB_TOOLS/wine64:$PATH loader=/usr/lib/wine/wine64
  fi
  env WINEPREFIX="$prefix" WINEARCH="$arch" PATH="$path" ${loader:+WINELOADER="$loader"} \
    WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d${TB_DLL_OVERRIDES:+;$TB_DLL_OVERRIDES}" \
    WINEDEBUG="${TB_WINEDEBUG:--all}" \
    LOCPATH="$prefix/$TB_LOCALE_DIR" LC_ALL=ja_JP.UTF-8 "$@"
}

# Prints the Windows path (drive Z:) of a Unix path.
tb_winpath() {
  local path
  path=$(realpath -m "$1")
  printf 'Z:%s\n' "${path//\//\\}"
}

# Ends the wineserver of prefix $1 (and with it every process in it), if one runs.
tb_wine_stop() {
  [ -d "$1" ] || return 0
  tb_wine "$1" timeout 30 wineserver -k 2>/dev/null || true
  tb_wine "$1" timeout 30 wineserver -w 2>/dev/null || true
}
