#!/usr/bin/env bash
# Sets everything up, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build
exec build/bin/babyname "$@"
