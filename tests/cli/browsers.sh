#!/bin/bash
# linkfold-cli new, open, import-html, the three exports and detect: statuses, messages and
# files, with browsers made of a registry file and files in a scratch folder.
set -u
cli=$(realpath "$1")
data=$(realpath "$(dirname "$0")/../data")
source "$(dirname "$0")/library-bytes.bash"
cd "$dir" || exit 1

mkdir Fav alice bob
printf '[InternetShortcut]\r\nURL=http://fav/\r\n' > Fav/Fav.url
html "$(mark Three http://three/)" > ns3.htm
html "$(mark Alice http://alice/)" > alice/BOOKMARK.HTM
html "$(mark Bob http://bob/)" > bob/BOOKMARK.HTM
# Favorites, Netscape 3 and two Netscape 4.x profiles, in the scratch folder.
sed "s|@DIR@|$dir|g" "$data/cli-browsers.reg" > browsers.reg

# detect: the registry from the option (before or after the command) or the environment; the
# profile dialog lists both profiles and takes the first, or the one named.
detected() {  # profile
  printf '{"msie":{"present":true,"favorites":"%s/Fav/","favoritesLength":%d},"netscape3":{"present":true,"file":"%s/ns3.htm"},"netscape4":{"present":true,"profile":"%s","file":"%s/%s/BOOKMARK.HTM"}}' \
    "$dir" $((${#dir} + 5)) "$dir" "$1" "$dir" "$1"
}
outcome "detect --registry" 0 "$(detected alice)" detect --registry browsers.reg
same "detect: the dialog" err "$(printf '[dialog] Select Netscape Communicator User Profile\n[answer] alice')"
outcome "detect --profile" 0 "$(detected bob)" --profile bob detect --registry browsers.reg
LINKFOLD_REGISTRY=browsers.reg outcome "detect LINKFOLD_REGISTRY" 0 "$(detected bob)" detect --profile bob
expect "detect of no profile" 1 detect --registry browsers.reg --profile carol
same "detect of no profile: message" err "$(printf '[dialog] Select Netscape Communicator User Profile\n[answer] alice\nlinkfold-cli: no Netscape 4.x profile "carol" was listed')"
# A registry file that cannot be used is unreadable input: status 2, with the message.
printf 'not a registry export\n' > damaged.reg
expect "detect of a damaged registry" 2 detect --registry damaged.reg
grep -q "^\[exclamation\] .*registry file" err || fail "detect of a damaged registry: message"
LINKFOLD_REGISTRY=missing.reg expect "detect of a missing registry from the environment" 2 detect

# new: every browser in its order, the log in the data directory or where --log says.
expect "new" 0 new --registry browsers.reg -o new.bml --profile bob
tree_is new.bml 'L Root Folder\n  B Bob\n  B Fav\n  B Three'
grep -q '^Beginning Netscape 4.x import' "$XDG_DATA_HOME/Quillmere/Linkfold/IMPLOG.TXT" ||
  fail "new: IMPLOG.TXT in the data directory"
[ -e IMPLOG.TXT ] && fail "new: a log in the current folder"
expect "new --log" 0 new --registry browsers.reg -o new.bml --log other.log
grep -q 'Alice' new.bml && grep -q '^Beginning MSIE import' other.log || fail "new --log: the log"

# open: exclusive reads the file alone and saves it byte for byte; plain Open merges.
{ u32 2; str '\'; str 'A\'; u32 1; bookmark Old http://old/ 1; } > lib.bml
expect "open --exclusive" 0 open --registry browsers.reg lib.bml --exclusive -o copy.bml
cmp -s lib.bml copy.bml || fail "open --exclusive: not the same bytes"
expect "open" 0 open --registry browsers.reg lib.bml -o merged.bml
tree_is merged.bml 'L Root Folder\n  F A\n    B Old\n  B Alice\n  B Fav\n  B Three'

# import-html: into a library or an empty one; adjustments are no failure, a missing file is.
html "$(mark 'a/b' http://ab/; mark empty '')" > page.htm
expect "import-html --empty" 0 --replace-char _ import-html --empty page.htm -o page.bml
tree_is page.bml 'L Root Folder\n  B a_b'
grep -q '^\[information\] Linkfold had to make some adjustments' err ||
  fail "import-html: the summary"
expect "import-html into a library" 0 import-html lib.bml page.htm -o both.bml
tree_is both.bml 'L Root Folder\n  F A\n    B Old\n  B a$b'
expect "import-html of a missing file" 2 import-html --empty missing.htm -o missing.bml
grep -q '^\[information\] One or more critical errors' err || fail "import-html missing: summary"

# The exports, with every folder selected.
expect "export-text" 0 export-text merged.bml out.txt
same "export-text: file" out.txt "$(printf 'Folder: Root\r\n  Title: Alice\r\n    URL: http://alice/\r\n  Title: Fav\r\n    URL: http://fav/\r\n  Title: Three\r\n    URL: http://three/\r\nFolder: A\\\r\n  Title: Old\r\n    URL: http://old/\r')"
expect "export-text to no folder" 2 export-text merged.bml gone/out.txt
grep -q "^gone/out.txt: No such file" err || fail "export-text to no folder: message"
expect "export-html" 0 export-html merged.bml out.html
grep -q '<H1>Bookmarks exported by Linkfold</H1>' out.html || fail "export-html: title"
mkdir favorites
expect "export-favorites" 0 export-favorites merged.bml favorites
[ -f favorites/A/Old.url ] && [ -f favorites/Three.url ] || fail "export-favorites: shortcuts"
expect "export of a missing library" 2 export-text none.bml x.txt

# Today's browsers: --home, LINKFOLD_HOME, --source, --no-sources and detect's source lines, over
# a home folder holding two Chromium profiles.
chromium=home/.config/chromium
mkdir -p "$chromium/Default" "$chromium/Profile 1"
bookmarks() {  # name, url
  printf '{"roots":{"bookmark_bar":{"type":"folder","name":"Bookmarks bar","children":[{"type":"url","name":"%s","url":"%s"}]},"other":{"type":"folder","name":"Other bookmarks","children":[]}},"version":1}' "$1" "$2"
}
bookmarks Home https://home/ > "$chromium/Default/Bookmarks"
bookmarks Work https://work/ > "$chromium/Profile 1/Bookmarks"
printf '{"profile":{"info_cache":{"Default":{"name":"Home"},"Profile 1":{"name":"Work"}},"last_used":"Default"}}' > "$chromium/Local State"
home_id="chromium:~/.config/chromium/Default/Bookmarks"
work_id="chromium:~/.config/chromium/Profile 1/Bookmarks"
none='{"msie":{"present":false,"favorites":"","favoritesLength":0},"netscape3":{"present":false,"file":""},"netscape4":{"present":false,"profile":"","file":""}'

outcome "detect: the sources after the browsers" 0 "$(printf '%s}\nchosen\t%s\tChromium: Home\t%s\n-\t%s\tChromium: Work\t%s' \
  "$none" "$home_id" "$dir/$chromium/Default/Bookmarks" "$work_id" "$dir/$chromium/Profile 1/Bookmarks")" \
  detect --home home
LINKFOLD_HOME=home outcome "detect --json, LINKFOLD_HOME and --source" 0 "$none,\"sources\":[{\"id\":\"$home_id\",\"label\":\"Chromium: Home\",\"path\":\"$dir/$chromium/Default/Bookmarks\",\"readable\":true,\"chosen\":false},{\"id\":\"$work_id\",\"label\":\"Chromium: Work\",\"path\":\"$dir/$chromium/Profile 1/Bookmarks\",\"readable\":true,\"chosen\":true}]}" \
  detect --json --source "$work_id"

# new reads the profile the browser starts with, or the sources named.
expect "new --home" 0 new --home home -o lib.bml
tree_is lib.bml 'L Root Folder\n  F Bookmarks bar\n    B Home'
expect "new --source, repeated" 0 new --home home -o lib.bml --source "$work_id" --source "$home_id"
tree_is lib.bml 'L Root Folder\n  F Bookmarks bar\n    B Home\n    B Work'

expect "new --no-sources: nothing to save" 2 new --home home --no-sources -o nothing.bml
grep -q "holds no bookmarks" err || fail "new --no-sources: no message"
[ -e nothing.bml ] && fail "new --no-sources: wrote a file"

outcome "an unknown --source" 1 "" detect --home home --source chromium:nothing
[ "$(cat err)" = 'linkfold-cli: no source "chromium:nothing" was found (detect lists them)' ] ||
  fail "an unknown --source: $(cat err)"
outcome "--source with --no-sources" 1 "" new --no-sources --source "$work_id" -o lib.bml
grep -q "cannot be used together" err || fail "--source with --no-sources: $(head -1 err)"
