#!/bin/bash
# Builds the Debian package from an optimised build tree, unpacks it into a scratch folder and
# checks what it installs: the desktop entry, metainfo and MIME type pass their validators,
# the programs run from the unpacked tree, the manual pages render without warnings and carry
# every command and option of --help, the MIME type names a library file (by name and by its
# first bytes), and the bash completion completes.
#   tests/package/check-package.sh [BUILD_DIR]   (default build/release)
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/tests/cli/library-bytes.bash"  # $dir, byte helpers, fail, $failures

deb=$("$root/scripts/package.sh" "${1:-$root/build/release}") || { echo "FAIL packaging"; exit 1; }
echo "Checking $deb"
dpkg-deb -x "$deb" "$dir/unpacked" || { echo "FAIL dpkg-deb -x"; exit 1; }
usr="$dir/unpacked/usr"
cd "$dir" || exit 1

# The validators.
entry="$usr/share/applications/linkfold.desktop"
desktop-file-validate "$entry" || fail "desktop-file-validate"
appstreamcli validate --no-net "$usr"/share/metainfo/*.metainfo.xml > validate.txt ||
  { fail "appstreamcli validate"; cat validate.txt; }
xmllint --noout "$usr/share/mime/packages/linkfold.xml" || fail "xmllint"
grep -qx 'Exec="/usr/bin/linkfold" %f' "$entry" || fail "the entry starts /usr/bin/linkfold"
for size in 16 32 48 256; do
  file "$usr/share/icons/hicolor/${size}x$size/apps/linkfold.png" | grep -q "$size x $size" ||
    fail "icon of $size pixels"
done

# The programs, run from the unpacked tree.
cli="$usr/bin/linkfold-cli"
"$cli" --help > help.txt || fail "linkfold-cli --help"
{ u32 2; str '\'; str 'News\'; u32 1; bookmark Example http://example.com/ 1; } > lib.bml
"$cli" dump lib.bml > dump.json || fail "linkfold-cli dump: status"
grep -q '"url":"http://example.com/"' dump.json || fail "linkfold-cli dump: output"
version=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$usr/bin/linkfold" --version 2>&1)
[ "$version" = "Linkfold 1.5" ] || fail "linkfold --version without a display: $version"

# The manual pages: no warnings, and every command and option of --help is on the page.
page() {  # program
  MANWIDTH=80 man --warnings -l "$usr/share/man/man1/$1.1.gz" 2> "$1.warnings" | col -b > "$1.txt"
  [ -s "$1.warnings" ] && { fail "man $1: warnings"; cat "$1.warnings"; }
  grep -q "^EXIT STATUS" "$1.txt" || fail "man $1: EXIT STATUS"
  local word
  for word in $(grep -oE '(^  [a-z][a-z-]*|--?[a-z][a-z-]*)' "$2" | sort -u); do
    grep -qF -- "$word" "$1.txt" || fail "man $1: $word is missing"
  done
}
page linkfold-cli help.txt
"$usr/bin/linkfold" --help > gui-help.txt || fail "linkfold --help"
page linkfold gui-help.txt
for section in FILES ENVIRONMENT; do
  grep -q "^$section" linkfold-cli.txt || fail "man linkfold-cli: $section"
done

# The MIME type, as a desktop looks it up with the package's data directory.
XDG_DATA_HOME="$usr/share" update-mime-database "$usr/share/mime" || fail "update-mime-database"
printf 'just some text\n' > notes
cp lib.bml library
ours=application/x-linkfold-library
for wanted in lib.bml:$ours library:$ours notes:text/plain; do
  type=$(XDG_DATA_HOME="$usr/share" xdg-mime query filetype "${wanted%%:*}")
  [ "$type" = "${wanted#*:}" ] || fail "xdg-mime of $wanted: $type"
done

# The completion, in a folder holding one library.
mkdir completing && cp lib.bml completing/ && cd completing || exit 1
completed=$(bash -c '
  source "$1"
  complete_words() { COMP_WORDS=("$@"); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); COMPREPLY=()
    _linkfold_cli; echo "${COMPREPLY[*]}"; }
  complete_words linkfold-cli export-h
  complete_words linkfold-cli dump ""
  complete_words linkfold-cli find lib.bml x --look-in n' _ "$usr/share/bash-completion/completions/linkfold-cli")
[ "$completed" = "$(printf 'export-html\nlib.bml\nname')" ] || fail "completion: $completed"

[ "$failures" = 0 ] && echo "The package checks passed."
