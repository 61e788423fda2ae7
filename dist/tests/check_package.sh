#!/usr/bin/env bash
# Checks a built package as a user would meet it: lintian, the desktop entry and the AppStream
# file validate; unpacked into a temporary folder, the programs run from there (the command line
# scores a name, the window starts, a 高分 export lands in the user's home) and nothing is written
# inside the unpacked tree.
# check_package.sh PACKAGE.deb INSTALLED_TREE_TEST_PROGRAM
set -euo pipefail
deb=$(realpath "$1")
tree_test=$(realpath "$2")
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT

echo "-- lintian"
# Errors fail; warnings and notes are shown.
lintian --tag-display-limit 0 --fail-on error "$deb"

tree=$work/tree
dpkg-deb -x "$deb" "$tree"
echo "-- desktop entry and AppStream metainfo"
desktop-file-validate "$tree"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$tree"/usr/share/metainfo/*.metainfo.xml

echo "-- dependencies"
dpkg-deb -f "$deb" Depends

chmod -R a-w "$tree"
# As root a read-only mode stops no write: compare the whole tree before and after instead.
listing() { (cd "$tree" && find . -printf '%p %s %T@\n' | sort); }
before=$(listing)

home=$work/home
mkdir -p "$home/Documents"
run_as_user() {
  env -i PATH=/usr/bin:/bin HOME="$home" USER=parent LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen \
    XDG_RUNTIME_DIR="$work/runtime" "$@"
}
mkdir -m 700 "$work/runtime"

echo "-- the command line from the unpacked tree"
score=$(cd "$work" && run_as_user "$tree/usr/bin/babyname-cli" score 李 明华)
echo "$score"
[ "$(printf '%s' "$score" | awk -F'\t' '{print $NF}')" = 92 ]
run_as_user "$tree/usr/bin/babyname-cli" --version

echo "-- the window from the unpacked tree"
(cd "$work" && run_as_user BABYNAME_EXIT_AFTER_FIRST_PAINT=1 timeout 60 "$tree/usr/bin/babyname")
(cd "$work" && run_as_user BABYNAME_INSTALLED_BIN="$tree/usr/bin" timeout 120 "$tree_test")
ls -l "$home/Documents/NameList.txt"

after=$(listing)
if [ "$before" != "$after" ]; then
  echo "the unpacked tree changed:" >&2
  diff <(echo "$before") <(echo "$after") >&2 || true
  exit 1
fi
echo "package check passed"
