#!/usr/bin/env bash
# Builds the Debian package of the program: scripts/package.sh [BUILD_FOLDER] (default build).
# Prints the path of the .deb it wrote. Install it with: sudo apt install ./<that file>
set -euo pipefail
cd "$(dirname "$0")/.."
folder=${1:-build}
[ -f data/namedata.db ] || bash scripts/setup.sh
bash scripts/build.sh "$folder" >/dev/null
rm -rf "$folder/package"
(cd "$folder" && cpack -G DEB >/dev/null)
ls "$PWD/$folder"/package/babyname_*.deb
