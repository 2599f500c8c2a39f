# Sourced by ./run and ./test: installs the missing Debian packages, then
# configures and builds the project in build/.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

install_missing_packages() {
  local missing=()
  local pkg
  while read -r pkg; do
    [ -n "$pkg" ] || continue
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done < scripts/packages.txt
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  echo "Installing: ${missing[*]}" >&2
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build_project() {
  # Configured every time: folders that appear later are picked up.
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build
}

install_missing_packages
build_project
