#!/bin/bash
# linkfold-cli usage: --help, and the exact message, status and output of every usage error.
set -u
cli="$1"
data=$(realpath "$(dirname "$0")/../data")
source "$(dirname "$0")/library-bytes.bash"
cd "$dir" || exit 1

# --help and its other spellings: the whole text on standard output, nothing else.
expect "--help" 0 --help
quiet "--help"
grep -q '^Usage: linkfold-cli COMMAND' out || fail "--help: the usage line"
for spelling in -h help; do
  "$cli" $spelling 2>&1 | cmp -s - out || fail "$spelling differs from --help"
done

# The one-line reason and where to read more (the command's help when one was recognised) on
# standard error; nothing on standard output.
refused() {  # command named by the hint or -, expected message, arguments...
  local hint="Try 'linkfold-cli help $1'." message="$2"
  [ "$1" = - ] && hint="Try 'linkfold-cli --help'."
  shift 2
  expect "$*" 1 "$@"
  [ ! -s out ] || fail "$*: printed to standard output"
  printf 'linkfold-cli: %s\n%s\n' "$message" "$hint" | cmp -s - err || { fail "$*: messages"; cat err; }
}

e64=$(printf '\xc3\xa9%.0s' $(seq 64))  # 64 characters, 128 bytes
cases=0
while IFS= read -r -u 3 line; do
  [[ -z "$line" || "$line" == "#"* ]] || { eval "refused $line" < /dev/null; cases=$((cases + 1)); }
done 3< "$data/cli-usage-errors.txt"
[ "$cases" -gt 30 ] || fail "usage errors: only $cases cases read"

# One command's usage alone, the same both ways; --version.
expect "help find" 0 help find
"$cli" find --help > two || fail "find --help: status"
cmp -s out two || fail "help find and find --help differ"
grep -q '^Usage: linkfold-cli find LIB.bml TEXT' out || fail "help find: usage line"
grep -q 'weed' out && fail "help find: other commands"
[ "$("$cli" --version)" = "Linkfold 1.5" ] || fail "--version"
