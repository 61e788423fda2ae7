#!/usr/bin/env bash
# Installs what the program needs on Debian 12 and builds the name database.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev libgl-dev
  qt6-speech-dev qt6-declarative-dev qt6-speech-flite-plugin qt6-translations-l10n poppler-utils
  pulseaudio pulseaudio-utils
  libsqlite3-dev libgtest-dev libgmock-dev libbenchmark-dev
  python3 nodejs unicode-data opencc fonts-noto-cjk xvfb xauth
  dpkg-dev file lintian desktop-file-utils appstream
  clang libclang-rt-14-dev
)
# npm comes with some nodejs builds and is a package of its own in Debian.
command -v npm >/dev/null 2>&1 || packages+=(npm)
bash scripts/install-packages.sh "${packages[@]}"

# The calendar generators' npm input, for the check that the committed tables are reproducible.
calendar=tools/calendar
if [ ! -f "$calendar/node_modules/.package-lock.json" ] ||
  [ "$calendar/package-lock.json" -nt "$calendar/node_modules/.package-lock.json" ]; then
  (cd "$calendar" && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error)
fi

# The name database: npm inputs, then the builder (quick when the file is up to date).
if [ -f tools/namedb/prepare.sh ]; then
  bash tools/namedb/prepare.sh
else
  echo "The name database builder is not in this checkout yet; data/namedata.db is missing." >&2
fi
