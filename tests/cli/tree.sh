#!/bin/bash
# linkfold-cli tree: the tree as the window shows it, for a small library built byte by byte.
set -u
cli="$1"
data="$(dirname "$0")/../data"
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

outcome "sorted tree" 0 "$(cat "$data/cli-tree-sorted.txt")" tree "$dir/lib.bml"
quiet "sorted tree"

# --json: the same tree nested, in the same order.
outcome "--json" 0 '{"kind":"locked","label":"Root Folder","items":[{"kind":"folder","label":"News","items":[{"kind":"folder","label":"Daily","items":[{"kind":"bookmark","label":"apple"},{"kind":"bookmark","label":"Banana"}]},{"kind":"bookmark","label":"beta"}]},{"kind":"bookmark","label":"_x"},{"kind":"bookmark","label":"zeta"}]}' tree "$dir/lib.bml" --json

# A file of 0 bytes has no folders at all: an empty tree.
: > "$dir/empty.bml"
outcome "empty file" 0 "" tree "$dir/empty.bml"

exit $((failures > 0))
