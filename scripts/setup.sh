# Sourced by run.sh, test.sh and bench.sh: checks for the Debian packages the build needs
# and builds into a build folder of the project.

set -euo pipefail

TAVROX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

TAVROX_PACKAGES=(
  g++ cmake ninja-build
  qt6-base-dev
  libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev
)

tavrox_missing_packages() {
  local package
  for package in "${TAVROX_PACKAGES[@]}"; do
    if [ "$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null)" != "install ok installed" ]; then
      echo "$package"
    fi
  done
}

# Installs what is missing when run as root; otherwise prints the command and stops.
tavrox_ensure_packages() {
  if ! command -v dpkg-query >/dev/null; then
    echo "Not a Debian system: make sure these are installed: ${TAVROX_PACKAGES[*]}" >&2
    return 0
  fi
  local missing
  missing=$(tavrox_missing_packages | tr '\n' ' ')
  [ -z "$missing" ] && return 0
  if [ "$(id -u)" = 0 ]; then
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y $missing
  else
    echo "Tavrox needs Debian packages that are not installed. Install them with:" >&2
    echo "  sudo apt-get install -y $missing" >&2
    exit 1
  fi
}

# tavrox_build FOLDER [CMAKE OPTIONS...]: configures FOLDER once, then builds what changed.
tavrox_build() {
  local folder="$TAVROX_ROOT/$1"
  shift
  if [ ! -f "$folder/CMakeCache.txt" ]; then
    cmake -S "$TAVROX_ROOT" -B "$folder" -G Ninja "$@"
  fi
  cmake --build "$folder"
}
