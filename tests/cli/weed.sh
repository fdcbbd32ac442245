#!/bin/bash
# linkfold-cli weed: the groups of bookmarks that share a URL, as the dialog lists them.
set -u
cli="$1"
source "$(dirname "$0")/library-bytes.bash"

# Letter case and a trailing "/" make URLs different; three bookmarks share http://x/.
{
  u32 2; str '\'; str 'Work\'
  u32 8
  bookmark a1 http://dup.example/ 0
  bookmark b http://Dup.example/ 0
  bookmark x1 http://x/ 1
  bookmark a2 http://dup.example/ 1
  bookmark c http://dup.example 0
  bookmark x2 http://x/ 0
  bookmark lone http://lone.example/ 1
  bookmark x3 http://x/ 1
} > "$dir/lib.bml"

outcome "groups" 0 "$(cat "$(dirname "$0")/../data/cli-weed-groups.txt")" weed "$dir/lib.bml"
quiet groups

outcome "--json" 0 '[{"url":"http://dup.example/","bookmarks":[{"folder":"Root Folder\\","name":"a1"},{"folder":"Work\\","name":"a2"}]},{"url":"http://x/","bookmarks":[{"folder":"Work\\","name":"x1"},{"folder":"Root Folder\\","name":"x2"},{"folder":"Work\\","name":"x3"}]}]' weed "$dir/lib.bml" --json

{ u32 1; str '\'; u32 1; bookmark only http://x/ 0; } > "$dir/one.bml"
outcome "--json without groups" 0 "[]" weed "$dir/one.bml" --json

exit $((failures > 0))
