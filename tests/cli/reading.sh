#!/bin/bash
# linkfold-cli tree, find and weed over one small library built byte by byte: the tree as the
# window shows it, the bookmarks Find and Find Next select from the root in tree order, and the
# groups of bookmarks that share a URL as the Weed Duplicates dialog lists them. Then dump: the
# exact JSON, messages and status for libraries that load whole, in part or not at all.
set -u
cli="$1"
data=$(realpath "$(dirname "$0")/../data")
source "$(dirname "$0")/library-bytes.bash"
cd "$dir" || exit 1

# The library's bookmarks, and the tree they make, are in cli-reading-bookmarks.txt.
marks=$(grep -v '^#' "$data/cli-reading-bookmarks.txt")
{
  u32 4; str '\'; str 'News\Daily\'; str 'News\'; str 'Linux\'
  u32 "$(wc -l <<< "$marks")"
  while IFS=$'\t' read -r folder name url; do bookmark "$name" "$url" "$folder"; done <<< "$marks"
} > lib.bml
: > empty.bml  # no folders at all

outcome "tree" 0 "$(cat "$data/cli-tree-sorted.txt")" tree lib.bml
quiet "tree"
# --json: the same tree nested, in the same order.
outcome "tree --json" 0 '{"kind":"locked","label":"Root Folder","items":[{"kind":"folder","label":"Linux","items":[{"kind":"bookmark","label":"Tux"},{"kind":"bookmark","label":"x1"}]},{"kind":"folder","label":"News","items":[{"kind":"folder","label":"Daily","items":[{"kind":"bookmark","label":"kernel"},{"kind":"bookmark","label":"x3"}]},{"kind":"bookmark","label":"a2"},{"kind":"bookmark","label":"Linux Weekly"}]},{"kind":"bookmark","label":"--New"},{"kind":"bookmark","label":"_x2"},{"kind":"bookmark","label":"a1"},{"kind":"bookmark","label":"b"},{"kind":"bookmark","label":"c"},{"kind":"bookmark","label":"Cooking"},{"kind":"bookmark","label":"LINUX journal"}]}' tree lib.bml --json
outcome "tree of an empty file" 0 "" tree empty.bml

find_in() {  # name of the case in cli-find-results.txt, arguments...
  local expected wanted=0
  grep -qxF "=== $1" "$data/cli-find-results.txt" || fail "$1: no such case"
  expected=$(awk -v name="=== $1" '$0 == name {on = 1; next} /^===/ {on = 0} on' "$data/cli-find-results.txt")
  [ -z "$expected" ] && wanted=1  # nothing matched, as grep says
  outcome "$1" "$wanted" "$expected" find lib.bml "${@:2}"
  quiet "$1"
}
# Each option once; how the modes combine is the finder's own test.
find_in "name and URL, exact case" linux
find_in "name and URL, case ignored" linux --ignore-case
find_in "name only" Linux --look-in name
# "--" ends the options: what follows is the search text, even when it looks like an option.
find_in "text after --" -- --New
find_in "options before --" --look-in name --ignore-case -- --new
find_in "64 characters" "$(printf '\xc3\xa9%.0s' $(seq 64))"
# --json: the matches as an array (by URL alone: not Linux Weekly nor LINUX journal); no match
# is an empty one.
outcome "find --json" 0 '[{"folder":"Linux\\","name":"Tux","url":"http://tux.example/linux"},{"folder":"News\\Daily\\","name":"kernel","url":"http://www.kernel.org/linux/"}]' find lib.bml linux --look-in url --ignore-case --json
outcome "find --json, no match" 1 "[]" find lib.bml nowhere --json

outcome "weed" 0 "$(cat "$data/cli-weed-groups.txt")" weed lib.bml
quiet "weed"
outcome "weed --json" 0 '[{"url":"http://dup.example/","bookmarks":[{"folder":"Root Folder\\","name":"a1"},{"folder":"News\\","name":"a2"}]},{"url":"http://x/","bookmarks":[{"folder":"Linux\\","name":"x1"},{"folder":"Root Folder\\","name":"_x2"},{"folder":"News\\Daily\\","name":"x3"}]}]' weed lib.bml --json
outcome "weed --json without groups" 0 "[]" weed empty.bml --json

# A library that loads in part or not at all gives status 2 the same way for every reading command.
dumped() {  # name, library, expected status, expected output file, expected messages file
  expect "$1" "$3" dump "$2"
  cmp -s out "$4" || { fail "$1: output"; diff out "$4"; }
  cmp -s err "$5" || { fail "$1: messages"; diff err "$5"; }
}
{
  u32 3; str '\'; str 'News\Daily\'; str 'News\'
  u32 3
  record $'Caf\xc3\xa9 "x"' http://c/ $'line1\nline2\ttab' 1 1000000000 2 4294967295
  record $'\xe9t\xe9' $'http://e/\x01\x1f' '' 0 0 0 0
  record 'back\slash' http://b/ d 2 0 0 0
} > good.bml
printf '%s\n' '{"folders":[{"path":"\\","parent":0,"locked":true},{"path":"News\\Daily\\","parent":2,"locked":false},{"path":"News\\","parent":0,"locked":false}],"bookmarks":[{"folder":1,"name":"Caf'$'\xc3\xa9'' \"x\"","url":"http://c/","description":"line1\nline2\ttab","add":1000000000,"modified":2,"visit":4294967295},{"folder":0,"name":"\udce9t\udce9","url":"http://e/\u0001\u001f","description":null,"add":0,"modified":0,"visit":0},{"folder":2,"name":"back\\slash","url":"http://b/","description":"d","add":0,"modified":0,"visit":0}]}' > good.json
dumped "dump" good.bml 0 good.json /dev/null

# Cut off inside the second record: the folders and the first record are still printed.
head -c $(($(stat -c %s good.bml) - 60)) good.bml > cut.bml
sed 's/,{"folder":0,.*/]}/' good.json > cut.json
printf '[information] Error reading cut.bml\nThe file is either not a Bookmark Library,\nor it is damaged in some way.\n\n\n[information] Some data was read from the file, but may be invalid\n\nClick the "Help" button for more information.\n' > cut.err
dumped "dump of a truncated file" cut.bml 2 cut.json cut.err

printf '%s\n' '{"folders":[],"bookmarks":[]}' > none.json
printf '[exclamation] Failed to open document.\nmissing.bml: No such file or directory\n' > missing.err
dumped "dump of a missing file" missing.bml 2 none.json missing.err
