# Sourced by ./run and ./test: installs the missing Debian packages, then
# configures and builds the project in build/.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/packages.sh

# ./run sets quitanza_target=quitanza before sourcing this file: it needs
# the program (with its templates and manual), not the tests and benchmarks.
build_project() {
  # Configured every time: folders that appear later are picked up.
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build ${quitanza_target:+--target "$quitanza_target"}
}

install_missing_packages scripts/packages.txt
build_project
