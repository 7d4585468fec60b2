# Shared by the README commands: package installation and the three build trees.
# Sourced, not run.

TB_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TB_BUILD=${TB_BUILD:-$TB_ROOT/build}
TB_JOBS=${TB_JOBS:-$(nproc)}

# Debian packages the build and the tests need (i386 packages for Wine's 32-bit side).
TB_PACKAGES=(cmake g++ make libgtest-dev googletest
  g++-mingw-w64-i686 binutils-mingw-w64-i686
  wine wine32:i386 xvfb xauth x11-utils
  fonts-ipafont-gothic fonts-ipafont-mincho
  imagemagick mscompress fp-utils locales
  fonts-wine)

tb_missing_packages() {
  local p missing=()
  for p in "${TB_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  echo "${missing[@]}"
}

# Installs what is missing; silent when everything is there.
tb_install_packages() {
  local missing
  missing=$(tb_missing_packages)
  [ -z "$missing" ] && return 0
  echo "Installing: $missing"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
  fi
  $sudo apt-get update -qq
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing >/dev/null
}

tb_configure() { # dir, extra cmake args...
  local dir=$1; shift
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$TB_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Debug "$@" >/dev/null
  fi
}

tb_build_all() {
  tb_configure "$TB_BUILD/win" -DCMAKE_TOOLCHAIN_FILE="$TB_ROOT/cmake/mingw-i686-win32.cmake" \
    -DCMAKE_BUILD_TYPE=MinSizeRel
  tb_configure "$TB_BUILD/wintest" -DCMAKE_TOOLCHAIN_FILE="$TB_ROOT/cmake/mingw-i686-posix.cmake" \
    -DTB_WIN_TESTS=ON
  tb_configure "$TB_BUILD/native" -DTB_WIN_BUILD_DIR="$TB_BUILD/win" \
    -DTB_WINTEST_BUILD_DIR="$TB_BUILD/wintest"
  local tree
  for tree in win wintest native; do
    cmake --build "$TB_BUILD/$tree" -j "$TB_JOBS" -- --no-print-directory -s || return 1
  done
}
