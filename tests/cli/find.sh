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
# LINUX journal, Ärger, --New }. The folder Linux never matches; Tux and kernel match by URL
# only.
{
  u32 4; str '\'; str 'News\Daily\'; str 'News\'; str 'Linux\'
  u32 7
  bookmark 'Linux Weekly' http://lwn.net/ 2
  bookmark kernel http://www.kernel.org/linux/ 1
  bookmark Cooking http://food.example/ 0
  bookmark 'LINUX journal' http://lj.example/ 0
  bookmark Tux http://tux.example/linux 3
  bookmark $'\xc3\x84rger' http://anger.example/ 0
  bookmark --New http://dash.example/ 0
} > "$dir/lib.bml"

tab=$'\t'
tux="Linux\\${tab}Tux${tab}http://tux.example/linux"
kernel="News\\Daily\\${tab}kernel${tab}http://www.kernel.org/linux/"
weekly="News\\${tab}Linux Weekly${tab}http://lwn.net/"
journal="\\${tab}LINUX journal${tab}http://lj.example/"
anger="\\${tab}"$'\xc3\x84rger'"${tab}http://anger.example/"
dash="\\${tab}--New${tab}http://dash.example/"

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

outcome "library that cannot be read" 2 "" find "$dir/missing.bml" linux

# "--" ends the options: what follows is the search text, even when it looks like an option.
find_in "text after --" "$dash" -- --New
find_in "options before --" "$dash" --look-in name --ignore-case -- --new
find_in "an option's name as the text" "" -- --ignore-case
find_in "64 characters" "" "$(printf '\xc3\xa9%.0s' $(seq 64))"

# --json: the same matches as an array; no match is an empty one.
outcome "--json" 0 '[{"folder":"Linux\\","name":"Tux","url":"http://tux.example/linux"},{"folder":"News\\Daily\\","name":"kernel","url":"http://www.kernel.org/linux/"}]' find "$dir/lib.bml" linux --look-in url --json
outcome "--json, no match" 1 "[]" find "$dir/lib.bml" nowhere --json

exit $((failures > 0))
