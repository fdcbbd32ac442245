#!/bin/bash
# linkfold-cli never leaves a file of the person's worse than before: safe replacement, the
# mistyped input, a full disk, damaged libraries, and failures of standard output.
set -u
cli=$(realpath "$1")
source "$(dirname "$0")/library-bytes.bash"
cd "$dir" || exit 1

{ u32 2; str '\'; str 'A\'; u32 1; bookmark Old http://old/ 1; } > My.bml
cp My.bml original.bml
html "$(mark Dup http://dup/)" > dup.html

# A mistyped input library: nothing is written, the real one stays.
expect "mistyped input" 2 import-html My.bm dup.html -o My.bml
cmp -s My.bml original.bml || fail "mistyped input: the library was overwritten"
grep -q 'My.bm: No such file or directory' err || fail "mistyped input: the reason"
expect "mistyped open" 2 open My.bm -o My.bml
cmp -s My.bml original.bml || fail "mistyped open: the library was overwritten"

# Several HTML files in order, one saving; "-" reads standard input; adjustments are counted.
html "$(mark Two http://two/; mark Broken '')" > two.html
expect "several files" 0 import-html --empty dup.html - -o several.bml < two.html
tree_is several.bml 'L Root Folder\n  B Dup\n  B Two'
grep -qx "linkfold-cli: 1 adjustment was made; see the import log $XDG_DATA_HOME/Quillmere/Linkfold/IMPLOG.TXT" err ||
  { fail "the adjustments line"; cat err; }

# "-" writes an export to standard output.
expect "export-html -" 0 export-html original.bml -
grep -q 'HREF="http://old/"' out || fail "export-html -: output"

# A full disk (a file size limit of 0 blocks): the old files stay, the status says so.
printf 'old text\n' > out.txt
printf 'old html\n' > out.html
mkdir Fav && printf '[InternetShortcut]\r\nURL=http://kept/\r\n' > Fav/Kept.url
for form in "export-text original.bml out.txt" "export-html original.bml out.html" \
            "export-favorites original.bml Fav"; do
  (trap '' XFSZ; ulimit -f 0; "$cli" $form > out 2> err)
  status=$?
  [ "$status" = 2 ] || fail "full disk, $form: status $status"
done
[ "$(cat out.txt)" = "old text" ] && [ "$(cat out.html)" = "old html" ] || fail "full disk: a file changed"
[ "$(ls Fav)" = Kept.url ] && [ "$(ls -d Fav.* 2>/dev/null)" = "" ] || fail "full disk: Favorites not put back"

# Saving over a library that loaded only in part keeps the original once.
{ u32 1; str '\'; u32 2; bookmark One http://one/ 0; bookmark Two http://two/ 0; } | head -c -5 > dmg.bml
cp dmg.bml dmg-original.bml
expect "damaged save" 2 open dmg.bml --exclusive -o dmg.bml
cmp -s dmg.bml.damaged dmg-original.bml || fail "damaged save: no copy of the original"
grep -q 'dmg.bml.damaged' err || fail "damaged save: not said"

# The import log is never written into the current folder, even a read-only one.
mkdir ro && chmod 555 ro
(cd ro && "$cli" import-html --empty ../dup.html -o ../ro-out.bml > /dev/null 2>&1) || fail "read-only folder: status $?"
[ -e ro/IMPLOG.TXT ] && fail "read-only folder: a log was written there"
[ -e ro-out.bml ] || fail "read-only folder: nothing saved"
chmod 755 ro

# Standard output that cannot be written gives 2 and a message.
if [ -w /dev/full ]; then
  for form in "dump original.bml" "tree original.bml" "detect" "--help"; do
    "$cli" $form > /dev/full 2> err
    status=$?
    [ "$status" = 2 ] || fail "$form >/dev/full: status $status"
    grep -q 'standard output could not be written: No space left on device' err ||
      fail "$form >/dev/full: message"
  done
else
  echo "skipped: /dev/full cannot be written here"
fi
