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

# The one-line reason and where to read more (the command's help when one was recognised) on
# standard error; nothing on standard output.
refused() {  # command named by the hint or -, expected message, arguments...
  local hint="Try 'linkfold-cli help $1'." message="$2"
  [ "$1" = - ] && hint="Try 'linkfold-cli --help'."
  shift 2
  "$cli" "$@" > "$dir/out" 2> "$dir/err"
  local status=$?
  printf 'linkfold-cli: %s\n%s\n' "$message" "$hint" > "$dir/wanted"
  [ "$status" = 1 ] || fail "$*: status $status, wanted 1"
  [ -s "$dir/out" ] && fail "$*: printed to standard output"
  cmp -s "$dir/err" "$dir/wanted" || { fail "$*: messages"; diff "$dir/err" "$dir/wanted"; }
}

e64=$(printf '\xc3\xa9%.0s' $(seq 64))  # 64 characters, 128 bytes
cases=0
while IFS= read -r -u 3 line; do
  [[ -z "$line" || "$line" == "#"* ]] || { eval "refused $line" < /dev/null; cases=$((cases + 1)); }
done 3< "$(dirname "$0")/../data/cli-usage-errors.txt"
[ "$cases" -gt 30 ] || fail "usage errors: only $cases cases read"

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
