#!/bin/bash
# linkfold-cli tree: the tree as the window shows it, for a small library built byte by byte.
set -u
cli="$1"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0

u32() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $((($1 >> 8) & 255)))\\x00\\x00"; }
str() { printf "\\x$(printf %02x ${#1})"; printf '%s' "$1"; }
record() { str "$1"; str "$2"; str ""; u32 "$3"; u32 0; u32 0; u32 0; }  # name, url, folder

check() {  # name, expected status, expected output, actual status, actual output
  if [ "$4" != "$2" ] || [ "$5" != "$3" ]; then
    echo "FAIL $1: status $4 (wanted $2), output:"
    printf '%s\n' "$5"
    echo "wanted:"
    printf '%s\n' "$3"
    failures=$((failures + 1))
  fi
}

{
  u32 3; str '\'; str 'News\Daily\'; str 'News\'
  u32 5
  record zeta http://z/ 0
  record Banana http://b/ 1
  record apple http://a/ 1
  record beta http://be/ 2
  record _x http://x/ 0
} > "$dir/lib.bml"

expected='L Root Folder
  F News
    F Daily
      B apple
      B Banana
    B beta
  B _x
  B zeta'
out=$("$cli" tree "$dir/lib.bml" 2>"$dir/err"); status=$?
check "sorted tree" 0 "$expected" "$status" "$out"
[ -s "$dir/err" ] && { echo "FAIL sorted tree: unexpected messages"; cat "$dir/err"; failures=$((failures + 1)); }

# Cut inside the third record: what was read is still printed, with status 2.
# (28 bytes of folders and count, then records of 32 and 34 bytes.)
head -c 100 "$dir/lib.bml" > "$dir/cut.bml"
expected='L Root Folder
  F News
    F Daily
      B Banana
  B zeta'
out=$("$cli" tree "$dir/cut.bml" 2>"$dir/err"); status=$?
check "damaged file" 2 "$expected" "$status" "$out"
grep -q '^\[information\] Error reading' "$dir/err" ||
  { echo "FAIL damaged file: no error message"; failures=$((failures + 1)); }

# A file of 0 bytes has no folders at all: an empty tree.
: > "$dir/empty.bml"
out=$("$cli" tree "$dir/empty.bml" 2>/dev/null); status=$?
check "empty file" 0 "" "$status" "$out"

out=$("$cli" tree 2>/dev/null); status=$?
check "no library named" 1 "" "$status" "$out"

exit $((failures > 0))
