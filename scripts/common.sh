# Shared by run.sh and test.sh: install missing Debian packages, configure
# and build. Source it; do not run it.

TERMORA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Everything the build, the tests and the program need, from Debian 12.
TERMORA_PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
  libzip-dev zlib1g-dev libgtest-dev libbenchmark-dev xdg-utils fonts-dejavu-core zip python3 groff-base)

termora_install_packages() {
  local missing=()
  for pkg in "${TERMORA_PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing Debian packages: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

# termora_build BUILD_DIR [extra cmake arguments...]
termora_build() {
  local dir=$1
  shift
  cmake -S "$TERMORA_ROOT" -B "$dir" -G Ninja "$@"
  cmake --build "$dir" --parallel "$(nproc)"
}
