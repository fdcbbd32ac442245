# Shared by the command-line tests: a scratch folder, library files and Netscape files spelled
# out, and the comparison of a command's status and output. Sourced, not run; the script fails
# when any of its checks failed.
export LC_ALL=C  # lengths count bytes
dir=$(mktemp -d)
trap 'rm -rf "$dir"; [ "$failures" = 0 ] || exit 1' EXIT
export XDG_DATA_HOME="$dir/data"  # the default import log goes here, never into a real home
failures=0

byte() { printf "\\x$(printf %02x $(($1 & 255)))"; }
u32() { byte "$1"; byte $(($1 >> 8)); byte $(($1 >> 16)); byte $(($1 >> 24)); }
str() { byte ${#1}; printf '%s' "$1"; }  # a text under 255 bytes with its one-byte length
# name, url, description, folder, add, modified, visit
record() { str "$1"; str "$2"; str "$3"; u32 "$4"; u32 "$5"; u32 "$6"; u32 "$7"; }
bookmark() { record "$1" "$2" "" "$3" 0 0 0; }  # name, url, folder

fail() {  # what went wrong
  echo "FAIL $1"
  failures=$((failures + 1))
}

expect() {  # name, expected status, arguments...: runs "$cli" here, output in out, messages in err
  "$cli" "${@:3}" > out 2> err
  local status=$?
  [ "$status" = "$2" ] || { fail "$1: status $status, wanted $2"; cat err; }
}
same() {  # name, file, expected text
  [ "$(cat "$2")" = "$3" ] || { fail "$1"; printf '%s\n---wanted---\n%s\n' "$(cat "$2")" "$3"; }
}
outcome() {  # name, expected status, expected output, arguments...
  expect "$1" "$2" "${@:4}"
  same "$1: output" out "$3"
}
quiet() {  # name: nothing was said on standard error
  [ ! -s err ] || { fail "$1: unexpected messages"; cat err; }
}
tree_is() {  # library, expected tree as a printf format: what linkfold-cli tree shows of it
  "$cli" tree "$1" > tree 2> /dev/null
  same "$1: tree" tree "$(printf "$2")"
}

html() {  # a Netscape file with these lines in its top-level list
  printf '<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<TITLE>T</TITLE>\n<H1>T</H1>\n<DL><p>\n%s\n</DL><p>\n' "$1"
}
mark() { printf '<DT><A HREF="%s">%s</A>\n' "$2" "$1"; }  # name, url
