# Sourced by ./run and ./test: installs the missing Debian packages, then
# configures and builds the project in build/.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/packages.sh

# ./run sets quitanza_target=quitanza before sourcing this file: it needs
# the program (with its templates and manual), not the tests and benchmarks.
build_project() {
  # Configured once: afterwards the build runs CMake again by itself when a
  # CMakeLists.txt changes.
  [ -f build/build.ninja ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  # A build that is up to date says nothing, so that ./run starts at once.
  if [ -n "${quitanza_target:-}" ] && ninja -C build -n "$quitanza_target" | grep -q '^ninja: no work to do'; then
    return 0
  fi
  cmake --build build ${quitanza_target:+--target "$quitanza_target"}
}

install_missing_packages scripts/packages.txt
build_project
