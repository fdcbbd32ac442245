#!/bin/bash
# linkfold-cli usage: --help, and the exact message, status and output of every usage error.
set -u
cli="$1"
source "$(dirname "$0")/library-bytes.bash"

# --help and its other spellings: the whole text on standard output, nothing else.
"$cli" --help > "$dir/help" 2> "$dir/err" || fail "--help: status $?"
[ -s "$dir/err" ] && fail "--help: printed to standard error"
grep -q '^Usage: linkfold-cli COMMAND' "$dir/help" || fail "--help: the usage line"
for help in -h help; do
  "$cli" $help 2>&1 | cmp -s - "$dir/help" || fail "$help differs from --help"
done

# The one-line reason and where to read more on standard error; nothing on standard output.
# The hint names the command when one was recognised.
refused() {  # expected message, arguments...
  local message="$1"
  shift
  "$cli" "$@" > "$dir/out" 2> "$dir/err"
  local status=$?
  local command="" word
  for word in "$@"; do
    case "$word" in help|--help|--version) break ;; esac
    case "$word" in dump|tree|find|weed|new|open|import-html|export-html|export-text|export-favorites|detect) command=$word; break ;; esac
  done
  if [ -n "$command" ]; then hint="Try 'linkfold-cli help $command'."; else hint="Try 'linkfold-cli --help'."; fi
  printf 'linkfold-cli: %s\n%s\n' "$message" "$hint" > "$dir/wanted"
  [ "$status" = 1 ] || fail "$*: status $status, wanted 1"
  [ -s "$dir/out" ] && fail "$*: printed to standard output"
  cmp -s "$dir/err" "$dir/wanted" || { fail "$*: messages"; diff "$dir/err" "$dir/wanted"; }
}

e64=$(printf '\xc3\xa9%.0s' $(seq 64))  # 64 characters, 128 bytes
refused 'no command given'
refused 'help takes one command name, not "x.bml"' help x.bml
refused 'help takes one command name, not "a"' --help dump a
refused 'unknown command "bogus"' bogus --x
refused 'unknown command "--look-in"' --look-in name
refused 'unknown option --x' find x.bml text --x
refused 'unknown option --ignore-case' dump x.bml --ignore-case
refused '--look-in needs a value: both, name or url' find x.bml text --look-in
refused '--look-in takes both, name or url, not "Name"' find x.bml text --look-in Name
refused '--look-in takes both, name or url, not "--"' find x.bml text --look-in --
refused 'find needs a library file and a search text' find x.bml
refused 'find needs a library file and a search text' find x.bml -- a b
refused 'the search text must not be empty' find x.bml ''
refused 'the search text must not be longer than 64 characters' find x.bml "${e64}x"
refused 'the search text must not be longer than 64 characters' find x.bml $'\xff'"$e64"
refused 'new needs -o OUT.bml' new
refused 'new takes no library file' new a.bml -o o.bml
refused '-o needs a file' new -o
refused 'open needs -o OUT.bml' open a.bml --exclusive
refused 'import-html needs a library file (or --empty) and at least one HTML file' import-html b.htm -o o.bml
refused 'import-html needs a library file (or --empty) and at least one HTML file' import-html --empty -o o.bml
refused 'export-html needs a library file and an output file' export-html a.bml
refused 'export-favorites needs a library file and a folder' export-favorites a.bml -- -o x
refused 'detect takes no arguments' detect x
refused '--registry needs a file' detect --registry
refused '--replace-char needs a character: $, -, _, ~ or a space' detect --replace-char
refused '--replace-char takes $, -, _, ~ or a space, not "ab"' --replace-char ab detect
refused '--replace-char takes $, -, _, ~ or a space, not "/"' detect --replace-char /
refused 'no command given' --yes --registry r.reg
refused 'dump needs exactly one library file' dump
refused 'weed needs exactly one library file' weed a.bml b.bml

refused 'unknown option --json' dump a.bml --json
refused '--version takes no arguments' --version x

# A mistyped command: the nearest one is suggested; a word close to none gets no suggestion.
"$cli" exprot-html a b > "$dir/out" 2> "$dir/err"
printf '%s\n' 'linkfold-cli: unknown command "exprot-html"' "Did you mean 'export-html'?" \
  "Try 'linkfold-cli --help'." | cmp -s - "$dir/err" || { fail "suggestion"; cat "$dir/err"; }
"$cli" zzzzzz > /dev/null 2> "$dir/err"
grep -q 'Did you mean' "$dir/err" && fail "suggestion for a word close to nothing"

# One command's usage alone, the same both ways; --version.
"$cli" help find > "$dir/one" 2> "$dir/err" || fail "help find: status"
"$cli" find --help > "$dir/two" 2>> "$dir/err" || fail "find --help: status"
cmp -s "$dir/one" "$dir/two" || fail "help find and find --help differ"
grep -q '^Usage: linkfold-cli find LIB.bml TEXT' "$dir/one" || fail "help find: usage line"
grep -q 'weed' "$dir/one" && fail "help find: other commands"
[ "$("$cli" --version)" = "Linkfold 1.5" ] || fail "--version"

[ "$failures" = 0 ] && echo "usage: all passed"
exit $((failures > 0))
