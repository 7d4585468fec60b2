# Shared by the README commands: package installation and the three build trees.
# Sourced, not run.

TB_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TB_BUILD=${TB_BUILD:-$TB_ROOT/build}
TB_JOBS=${TB_JOBS:-$(nproc)}

# Debian packages the build and the tests need (i386 packages for Wine's 32-bit side).
TB_PACKAGES=(cmake g++ make libgtest-dev googletest
  g++-mingw-w64-i686 binutils-mingw-w64-i686
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
  wine wine32:i386 wine64 xvfb xauth x11-utils
  fonts-ipafont-gothic fonts-ipafont-mincho
  imagemagick mscompress fp-utils locales
  fonts-wine
  libcups2-dev cups-daemon
  mtools lintian dpkg-dev)

tb_missing_packages() {
  local p missing=()
  for p in "${TB_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  echo "${missing[@]}"
}

# Installs what is missing; silent when everything is there. A registry that is out of
# step does not stop it while the packages can still be had: a failed index download is
# reported and the install tried with the indexes there are; an install that fails (say
# on amd64 and i386 versions of a library out of step between the release and its
# security suite) is tried once more preferring the release's own suite. One line says
# what happened.
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
  local log note=""
  log=$(mktemp)
  if ! $sudo apt-get update -qq >"$log" 2>&1; then
    note="apt-get update failed ($(grep -m1 '^E:' "$log" || tail -n1 "$log")), went on with the indexes there are; "
  fi
  # shellcheck disable=SC2086
  if DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
    $missing >"$log" 2>&1; then
    echo "Packages: ${note}installed"
    rm -f "$log"
    return 0
  fi
  local suite
  suite=$(tb_release_suite)
  # shellcheck disable=SC2086
  if [ -n "$suite" ] && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq \
    --no-install-recommends -t "$suite" $missing >"$log" 2>&1; then
    echo "Packages: ${note}the install failed, installed with the release's suite preferred (-t $suite)"
    rm -f "$log"
    return 0
  fi
  cat "$log" >&2
  echo "Packages: ${note}the install failed${suite:+, also with -t $suite}" >&2
  rm -f "$log"
  return 1
}

# The codename of the running release (bookworm), from /etc/os-release.
tb_release_suite() {
  local file=${TB_OS_RELEASE:-/etc/os-release}
  [ -r "$file" ] || return 0
  (. "$file" && echo "${VERSION_CODENAME:-}")
}

tb_configure() { # dir, extra cmake args...
  local dir=$1; shift
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$TB_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Debug "$@" >/dev/null
  fi
}

# The cross trees whose programs run under Wine: the i686 ones where this machine runs
# 32-bit code, else x86_64 builds of the same sources (win64, win64test). The shipped
# i686 programs are built in `win` either way.
tb_run_trees() {
  source "$TB_ROOT/tools/wine-env.sh"
  if [ "$TB_WINE_ARCH" = win64 ]; then
    TB_RUN_WIN=$TB_BUILD/win64 TB_RUN_WINTEST=$TB_BUILD/win64test
  else
    TB_RUN_WIN=$TB_BUILD/win TB_RUN_WINTEST=$TB_BUILD/wintest
  fi
}

tb_build_all() {
  tb_run_trees
  tb_configure "$TB_BUILD/win" -DCMAKE_TOOLCHAIN_FILE="$TB_ROOT/cmake/mingw-i686-win32.cmake" \
    -DCMAKE_BUILD_TYPE=MinSizeRel
  local trees=(win)
  if [ "$TB_WINE_ARCH" = win64 ]; then
    tb_configure "$TB_RUN_WIN" -DCMAKE_TOOLCHAIN_FILE="$TB_ROOT/cmake/mingw-x86_64-win32.cmake" \
      -DCMAKE_BUILD_TYPE=MinSizeRel
    tb_configure "$TB_RUN_WINTEST" \
      -DCMAKE_TOOLCHAIN_FILE="$TB_ROOT/cmake/mingw-x86_64-posix.cmake" -DTB_WIN_TESTS=ON
    trees+=("$(basename "$TB_RUN_WIN")" "$(basename "$TB_RUN_WINTEST")")
  else
    tb_configure "$TB_RUN_WINTEST" -DCMAKE_TOOLCHAIN_FILE="$TB_ROOT/cmake/mingw-i686-posix.cmake" \
      -DTB_WIN_TESTS=ON
    trees+=(wintest)
  fi
  # Configured every time: the run trees follow the machine.
  cmake -S "$TB_ROOT" -B "$TB_BUILD/native" -DCMAKE_BUILD_TYPE=Debug -DTB_WINE_ARCH="$TB_WINE_ARCH" \
    -DTB_WIN_BUILD_DIR="$TB_RUN_WIN" -DTB_WINTEST_BUILD_DIR="$TB_RUN_WINTEST" \
    -DTB_SHIP_BUILD_DIR="$TB_BUILD/win" >/dev/null
  trees+=(native)
  local tree
  for tree in "${trees[@]}"; do
    cmake --build "$TB_BUILD/$tree" -j "$TB_JOBS" -- --no-print-directory -s || return 1
  done
}
