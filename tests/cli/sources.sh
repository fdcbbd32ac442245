#!/bin/bash
# linkfold-cli and today's browsers: --home, LINKFOLD_HOME, --source, --no-sources and detect's
# source lines, over a home folder holding two Chromium profiles.
set -u
cli=$(realpath "$1")
source "$(dirname "$0")/library-bytes.bash"
cd "$dir" || exit 1

data=home/.config/chromium
mkdir -p "$data/Default" "$data/Profile 1"
bookmarks() {  # name, url
  printf '{"roots":{"bookmark_bar":{"type":"folder","name":"Bookmarks bar","children":[{"type":"url","name":"%s","url":"%s"}]},"other":{"type":"folder","name":"Other bookmarks","children":[]}},"version":1}' "$1" "$2"
}
bookmarks Home https://home/ > "$data/Default/Bookmarks"
bookmarks Work https://work/ > "$data/Profile 1/Bookmarks"
printf '{"profile":{"info_cache":{"Default":{"name":"Home"},"Profile 1":{"name":"Work"}},"last_used":"Default"}}' > "$data/Local State"
home="$dir/home"
home_id="chromium:~/.config/chromium/Default/Bookmarks"
work_id="chromium:~/.config/chromium/Profile 1/Bookmarks"
none='{"msie":{"present":false,"favorites":"","favoritesLength":0},"netscape3":{"present":false,"file":""},"netscape4":{"present":false,"profile":"","file":""}'

outcome "detect: the sources after the browsers" 0 "$(printf '%s}\nchosen\t%s\tChromium: Home\t%s\n-\t%s\tChromium: Work\t%s' \
  "$none" "$home_id" "$home/.config/chromium/Default/Bookmarks" "$work_id" "$home/.config/chromium/Profile 1/Bookmarks")" \
  detect --home home
LINKFOLD_HOME=home outcome "detect --json, LINKFOLD_HOME and --source" 0 "$none,\"sources\":[{\"id\":\"$home_id\",\"label\":\"Chromium: Home\",\"path\":\"$home/.config/chromium/Default/Bookmarks\",\"readable\":true,\"chosen\":false},{\"id\":\"$work_id\",\"label\":\"Chromium: Work\",\"path\":\"$home/.config/chromium/Profile 1/Bookmarks\",\"readable\":true,\"chosen\":true}]}" \
  detect --json --source "$work_id"

# new reads the profile the browser starts with, or the sources named.
expect "new" 0 new --home home -o lib.bml
tree_is lib.bml 'L Root Folder\n  F Bookmarks bar\n    B Home'
expect "new --source, repeated" 0 new --home home -o lib.bml --source "$work_id" --source "$home_id"
tree_is lib.bml 'L Root Folder\n  F Bookmarks bar\n    B Home\n    B Work'

rm lib.bml
expect "new --no-sources: nothing to save" 2 new --home home --no-sources -o lib.bml
grep -q "holds no bookmarks" err || fail "new --no-sources: no message"
[ -e lib.bml ] && fail "new --no-sources: wrote a file"

outcome "an unknown --source" 1 "" detect --home home --source chromium:nothing
[ "$(cat err)" = 'linkfold-cli: no source "chromium:nothing" was found (detect lists them)' ] ||
  fail "an unknown --source: $(cat err)"
outcome "--source with --no-sources" 1 "" new --no-sources --source "$work_id" -o lib.bml
grep -q "cannot be used together" err || fail "--source with --no-sources: $(head -1 err)"
