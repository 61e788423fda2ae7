#!/usr/bin/env bash
# file_targets.sh CLI DATABASE FOLDER: the files babyname-cli writes, case by case. Every target
# is a file, link, folder or pipe the test makes itself in FOLDER.
set -uo pipefail
cli=$1
db=$2
work=$3
rm -rf "$work"
mkdir -p "$work"
cd "$work" || exit 1
failures=0
check() {  # description, then a command that must succeed
  local description=$1
  shift
  if "$@"; then echo "ok: $description"; else echo "FAILED: $description"; failures=$((failures + 1)); fi
}
score() { "$cli" --db "$db" score 李 明华 "$@" >/dev/null 2>>errors.txt; }
report_text() { iconv -f GBK -t UTF-8 "$1"; }

# The report page: GBK, the name and its grids in it.
score --report page.html
check "a new report holds the name" grep -q 李 <(report_text page.html)
check "a new report holds the given name" grep -q '明.*华' <(report_text page.html | tr -d '\n')

# Empty arguments name no file and no name: usage errors before any work.
empty_argument() {  # description, then the arguments, one of them empty
  local description=$1
  shift
  "$cli" "$@" >/dev/null 2>empty-error.txt; local code=$?
  check "$description exits 2" test $code -eq 2
}
empty_argument "an empty --db" --db "" score 李 明
empty_argument "an empty --report" --db "$db" score 李 明 --report ""
empty_argument "an empty --export" --db "$db" generate --mode 高分 --surname 李 --export ""
empty_argument "an empty --surname" --db "$db" generate --mode 高分 --surname ""

# A link: kept, its target written.
echo old > real.html
ln -s real.html link.html
score --report link.html
check "a report to a link keeps the link" test -L link.html
check "a report to a link writes its target" cmp -s real.html page.html
ln -s later.html dangling.html
score --report dangling.html
check "a report to a dangling link creates its target" cmp -s later.html page.html
check "the dangling link stays a link" test -L dangling.html

# A folder and a pipe: refused with a message, nothing replaced.
mkdir folder && echo inside > folder/file
score --report folder; code=$?
check "a report to a folder exits 1" test $code -eq 1
check "the folder is still a folder with its file" test -f folder/file
mkfifo pipe
score --report pipe; code=$?
check "a report to a pipe exits 1" test $code -eq 1
check "the pipe is still a pipe" test -p pipe
check "the refusals say why" grep -q '不是普通文件' errors.txt

# A name with characters GBK lacks is written under its own name.
name=$'\xe9\xa1\xb5\xf0\x9f\x98\x80\xc5\x8b.html'  # 页, an emoji, ŋ
score --report "$name"
check "a name outside GBK is written under its own name" cmp -s "$name" page.html
check "no file named with question marks" test -z "$(ls | grep -F '?')"

# Two writers of the same page at once both succeed, every time.
for round in $(seq 1 10); do
  score --report shared.html & first=$!
  score --report shared.html & second=$!
  wait $first; a=$?
  wait $second; b=$?
  if [ $a -ne 0 ] || [ $b -ne 0 ]; then
    echo "FAILED: round $round of two writers: exit codes $a and $b"
    failures=$((failures + 1))
  fi
done
check "two writers leave one whole page" cmp -s shared.html page.html
check "no temporary left behind" test -z "$(ls -A | grep '\.tmp$')"

# An export that fails half way (a file size limit, as on a full disk) keeps the previous one.
"$cli" --db "$db" generate --mode 经典 --surname 李 --seed 1 --export list.txt >/dev/null 2>&1
cp list.txt previous.txt
(ulimit -f 4; exec "$cli" --db "$db" generate --mode 高分 --surname 李 --seed 1 --export list.txt) \
  2>export-error.txt | wc -c >/dev/null
code=${PIPESTATUS[0]}
check "a failed export exits 1" test "$code" -eq 1
check "a failed export names its file" grep -q 'list.txt' export-error.txt
check "the previous export is byte for byte the same" cmp -s list.txt previous.txt

# Standard output that cannot be written is a failure.
(ulimit -f 1; exec "$cli" --db "$db" generate --mode 高分 --surname 李 --seed 1 >stdout.txt 2>stdout-error.txt)
code=$?
check "a failed write to standard output exits 1" test $code -eq 1
check "it says so" grep -q '无法写入标准输出' stdout-error.txt

echo "$failures failed"
[ $failures -eq 0 ]
