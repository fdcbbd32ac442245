#!/bin/bash
# linkfold-cli tree: the tree as the window shows it, for a small library built byte by byte.
set -u
cli="$1"
source "$(dirname "$0")/library-bytes.bash"

{
  u32 3; str '\'; str 'News\Daily\'; str 'News\'
  u32 5
  bookmark zeta http://z/ 0
  bookmark Banana http://b/ 1
  bookmark apple http://a/ 1
  bookmark beta http://be/ 2
  bookmark _x http://x/ 0
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
quiet "sorted tree"

# --json: the same tree nested, in the same order.
out=$("$cli" tree "$dir/lib.bml" --json 2>/dev/null); status=$?
check "--json" 0 '{"kind":"locked","label":"Root Folder","items":[{"kind":"folder","label":"News","items":[{"kind":"folder","label":"Daily","items":[{"kind":"bookmark","label":"apple"},{"kind":"bookmark","label":"Banana"}]},{"kind":"bookmark","label":"beta"}]},{"kind":"bookmark","label":"_x"},{"kind":"bookmark","label":"zeta"}]}' "$status" "$out"

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
grep -q '^\[information\] Error reading' "$dir/err" || fail "damaged file: no error message"

# A file of 0 bytes has no folders at all: an empty tree.
: > "$dir/empty.bml"
out=$("$cli" tree "$dir/empty.bml" 2>/dev/null); status=$?
check "empty file" 0 "" "$status" "$out"

exit $((failures > 0))
