# Sourced by ./run and ./test: installs the missing Debian packages, then
# configures and builds the project in build/.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/packages.sh

build_project() {
  # Configured every time: folders that appear later are picked up.
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build
}

install_missing_packages scripts/packages.txt
build_project
