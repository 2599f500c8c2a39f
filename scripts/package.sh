#!/usr/bin/env bash
# Builds the Debian package build/quitanza_X.Y.Z_amd64.deb: installs what is
# missing, builds the program and the rest of the installation (not the tests
# and benchmarks), and packages it with CPack.
set -euo pipefail
quitanza_target=quitanza_installation
source "$(dirname "$0")/setup.sh"
cd build
cpack -G DEB
