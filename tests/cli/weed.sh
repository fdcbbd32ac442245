#!/bin/bash
# linkfold-cli weed: the groups of bookmarks that share a URL, as the dialog lists them.
set -u
export LC_ALL=C  # string lengths below count bytes
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

# Letter case and a trailing "/" make URLs different; three bookmarks share http://x/.
{
  u32 2; str '\'; str 'Work\'
  u32 8
  record a1 http://dup.example/ 0
  record b http://Dup.example/ 0
  record x1 http://x/ 1
  record a2 http://dup.example/ 1
  record c http://dup.example 0
  record x2 http://x/ 0
  record lone http://lone.example/ 1
  record x3 http://x/ 1
} > "$dir/lib.bml"

tab=$'\t'
expected="URL http://dup.example/
  Root Folder\\${tab}a1
  Work\\${tab}a2
URL http://x/
  Work\\${tab}x1
  Root Folder\\${tab}x2
  Work\\${tab}x3"
out=$("$cli" weed "$dir/lib.bml" 2>"$dir/err"); status=$?
check "groups" 0 "$expected" "$status" "$out"
[ -s "$dir/err" ] && { echo "FAIL groups: unexpected messages"; cat "$dir/err"; failures=$((failures + 1)); }

{ u32 1; str '\'; u32 1; record only http://x/ 0; } > "$dir/one.bml"
out=$("$cli" weed "$dir/one.bml" 2>/dev/null); status=$?
check "one bookmark" 0 "" "$status" "$out"

: > "$dir/empty.bml"
out=$("$cli" weed "$dir/empty.bml" 2>/dev/null); status=$?
check "empty file" 0 "" "$status" "$out"

out=$("$cli" weed "$dir/missing.bml" 2>/dev/null); status=$?
check "library that cannot be read" 2 "" "$status" "$out"

out=$("$cli" weed 2>/dev/null); status=$?
check "no library named" 1 "" "$status" "$out"

exit $((failures > 0))
