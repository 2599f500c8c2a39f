# Sourced by the scripts that need Debian packages: install_missing_packages
# LIST installs those of LIST (one a line) that are not installed yet.
install_missing_packages() {
  local wanted=()
  local pkg
  while read -r pkg; do
    if [ -n "$pkg" ]; then wanted+=("$pkg"); fi
  done < "$1"
  # One query for the whole list: ./run starts at once when nothing is missing.
  local -A installed=()
  local status
  while read -r pkg status; do
    if [ "$status" = "install ok installed" ]; then installed[$pkg]=1; fi
  done < <(dpkg-query -W -f='${Package} ${Status}\n' "${wanted[@]}" 2>/dev/null)
  local missing=()
  for pkg in "${wanted[@]}"; do
    [ -n "${installed[$pkg]:-}" ] || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  echo "Installing: ${missing[*]}" >&2
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
