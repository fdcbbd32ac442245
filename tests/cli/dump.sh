#!/bin/bash
# linkfold-cli dump: exact JSON, messages and exit status for small libraries built byte by byte.
# A library that loads in part or not at all gives status 2 the same way for every reading command.
set -u
cli="$1"
source "$(dirname "$0")/library-bytes.bash"

# name, file, expected status, expected stdout file, expected stderr file
run() {
  "$cli" dump "$2" > "$dir/out" 2> "$dir/err"
  local status=$?
  [ "$status" = "$3" ] || fail "$1: status $status, wanted $3"
  cmp -s "$dir/out" "$4" || { fail "$1: output"; diff "$dir/out" "$4"; }
  cmp -s "$dir/err" "$5" || { fail "$1: messages"; diff "$dir/err" "$5"; }
}

{
  u32 3; str '\'; str 'News\Daily\'; str 'News\'
  u32 3
  record $'Caf\xc3\xa9 "x"' http://c/ $'line1\nline2\ttab' 1 1000000000 2 4294967295
  record $'\xe9t\xe9' $'http://e/\x01\x1f' '' 0 0 0 0
  record 'back\slash' http://b/ d 2 0 0 0
} > "$dir/good.bml"

printf '%s\n' '{"folders":[{"path":"\\","parent":0,"locked":true},{"path":"News\\Daily\\","parent":2,"locked":false},{"path":"News\\","parent":0,"locked":false}],"bookmarks":[{"folder":1,"name":"Caf'$'\xc3\xa9'' \"x\"","url":"http://c/","description":"line1\nline2\ttab","add":1000000000,"modified":2,"visit":4294967295},{"folder":0,"name":"\udce9t\udce9","url":"http://e/\u0001\u001f","description":null,"add":0,"modified":0,"visit":0},{"folder":2,"name":"back\\slash","url":"http://b/","description":"d","add":0,"modified":0,"visit":0}]}' > "$dir/good.json"
: > "$dir/none"
run good "$dir/good.bml" 0 "$dir/good.json" "$dir/none"

# Cut off inside the second record: the folders and the first record are still printed.
head -c $(($(stat -c %s "$dir/good.bml") - 60)) "$dir/good.bml" > "$dir/cut.bml"
printf '%s\n' '{"folders":[{"path":"\\","parent":0,"locked":true},{"path":"News\\Daily\\","parent":2,"locked":false},{"path":"News\\","parent":0,"locked":false}],"bookmarks":[{"folder":1,"name":"Caf'$'\xc3\xa9'' \"x\"","url":"http://c/","description":"line1\nline2\ttab","add":1000000000,"modified":2,"visit":4294967295}]}' > "$dir/cut.json"
printf '[information] Error reading %s\nThe file is either not a Bookmark Library,\nor it is damaged in some way.\n\n\n[information] Some data was read from the file, but may be invalid\n\nClick the "Help" button for more information.\n' "$dir/cut.bml" > "$dir/cut.err"
run truncated "$dir/cut.bml" 2 "$dir/cut.json" "$dir/cut.err"

printf '%s\n' '{"folders":[],"bookmarks":[]}' > "$dir/empty.json"
printf '[exclamation] Failed to open document.\n%s: No such file or directory\n' "$dir/missing.bml" > "$dir/missing.err"
run missing "$dir/missing.bml" 2 "$dir/empty.json" "$dir/missing.err"
