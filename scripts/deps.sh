# Installs the Debian packages named as arguments when any of them is missing.
# Sourced by the build scripts.
tolvarin_need_packages() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

TOLVARIN_BUILD_PACKAGES=(cmake ninja-build g++ pkg-config libgtest-dev libbenchmark-dev libsdl2-mixer-dev libsdl2-dev
                         libmp3lame-dev qt6-base-dev fonts-liberation2 libfreetype-dev libfontconfig-dev
                         clang-format)
# Only for looking at the program in a real (virtual) X window; the tests need none of it.
TOLVARIN_WINDOW_CHECK_PACKAGES=(xvfb xauth)
