#!/bin/bash
# linkfold-cli find: the bookmarks Find and Find Next select from the root, in tree order.
set -u
cli="$1"
source "$(dirname "$0")/library-bytes.bash"

find_in() {  # name, expected output, arguments...
  local name="$1" expected="$2"
  shift 2
  local wanted=0
  [ -z "$expected" ] && wanted=1  # nothing matched, as grep says
  outcome "$name" "$wanted" "$expected" find "$dir/lib.bml" "$@"
  quiet "$name"
}

# The tree: Root Folder { Linux { Tux }, News { Daily { kernel }, Linux Weekly }, Cooking,
# LINUX journal, --New }. The folder Linux never matches; Tux and kernel match by URL only.
# Each option once; how the modes combine is the finder's own test.
{
  u32 4; str '\'; str 'News\Daily\'; str 'News\'; str 'Linux\'
  u32 6
  bookmark 'Linux Weekly' http://lwn.net/ 2
  bookmark kernel http://www.kernel.org/linux/ 1
  bookmark Cooking http://food.example/ 0
  bookmark 'LINUX journal' http://lj.example/ 0
  bookmark Tux http://tux.example/linux 3
  bookmark --New http://dash.example/ 0
} > "$dir/lib.bml"

tab=$'\t'
tux="Linux\\${tab}Tux${tab}http://tux.example/linux"
kernel="News\\Daily\\${tab}kernel${tab}http://www.kernel.org/linux/"
weekly="News\\${tab}Linux Weekly${tab}http://lwn.net/"
journal="\\${tab}LINUX journal${tab}http://lj.example/"
dash="\\${tab}--New${tab}http://dash.example/"

find_in "name and URL, exact case" "$tux
$kernel" linux
find_in "name and URL, case ignored" "$tux
$kernel
$weekly
$journal" linux --ignore-case
find_in "name only" "$weekly" Linux --look-in name

# "--" ends the options: what follows is the search text, even when it looks like an option.
find_in "text after --" "$dash" -- --New
find_in "options before --" "$dash" --look-in name --ignore-case -- --new
find_in "64 characters" "" "$(printf '\xc3\xa9%.0s' $(seq 64))"

# --json: the matches as an array (by URL alone: not Linux Weekly nor LINUX journal); no match
# is an empty one.
outcome "--json" 0 '[{"folder":"Linux\\","name":"Tux","url":"http://tux.example/linux"},{"folder":"News\\Daily\\","name":"kernel","url":"http://www.kernel.org/linux/"}]' find "$dir/lib.bml" linux --look-in url --ignore-case --json
outcome "--json, no match" 1 "[]" find "$dir/lib.bml" nowhere --json

exit $((failures > 0))
