#!/bin/bash
# linkfold-cli find: the bookmarks Find and Find Next select from the root, in tree order.
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

find_in() {  # name, expected output, arguments...
  local name="$1" expected="$2"
  shift 2
  out=$("$cli" find "$dir/lib.bml" "$@" 2>"$dir/err"); status=$?
  check "$name" 0 "$expected" "$status" "$out"
  [ -s "$dir/err" ] && { echo "FAIL $name: unexpected messages"; cat "$dir/err"; failures=$((failures + 1)); }
}

# The tree: Root Folder { Linux { Tux }, News { Daily { kernel }, Linux Weekly }, Cooking,
# LINUX journal, Ärger }. The folder Linux never matches; Tux and kernel match by URL only.
{
  u32 4; str '\'; str 'News\Daily\'; str 'News\'; str 'Linux\'
  u32 6
  record 'Linux Weekly' http://lwn.net/ 2
  record kernel http://www.kernel.org/linux/ 1
  record Cooking http://food.example/ 0
  record 'LINUX journal' http://lj.example/ 0
  record Tux http://tux.example/linux 3
  record $'\xc3\x84rger' http://anger.example/ 0
} > "$dir/lib.bml"

tab=$'\t'
tux="Linux\\${tab}Tux${tab}http://tux.example/linux"
kernel="News\\Daily\\${tab}kernel${tab}http://www.kernel.org/linux/"
weekly="News\\${tab}Linux Weekly${tab}http://lwn.net/"
journal="\\${tab}LINUX journal${tab}http://lj.example/"
anger="\\${tab}"$'\xc3\x84rger'"${tab}http://anger.example/"

find_in "name and URL, exact case" "$tux
$kernel" linux
find_in "name and URL, case ignored" "$tux
$kernel
$weekly
$journal" linux --ignore-case
find_in "name only" "$weekly" Linux --look-in name
find_in "name only, case ignored" "$weekly
$journal" lINUX --look-in name --ignore-case
find_in "URL only" "$tux
$kernel" linux --look-in url
find_in "non-ASCII letters, case ignored" "$anger" $'\xc3\xa4RGER' --ignore-case

out=$("$cli" find "$dir/missing.bml" linux 2>/dev/null); status=$?
check "library that cannot be read" 2 "" "$status" "$out"

out=$("$cli" find "$dir/lib.bml" 2>/dev/null); status=$?
check "no search text" 1 "" "$status" "$out"

exit $((failures > 0))
