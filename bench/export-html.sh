#!/usr/bin/env bash
# The export of a large library through linkfold-cli end to end (load, tree, write) against
# `linkfold-cli dump` of the same library: wall time and peak memory of each.
#   bench/export-html.sh [BUILD_DIR] [BOOKMARKS]     (defaults: build/release 1000000)
# The library is made by importing a generated Netscape file of 1,000 folders; the exported
# file must read back to the same library.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cli="${1:-$root/build/release}/src/cli/linkfold-cli"
bookmarks="${2:-1000000}"
work="$(mktemp -d "${TMPDIR:-/tmp}/linkfold-export-bench-XXXXXX")"
trap 'rm -rf "$work"' EXIT

python3 - "$bookmarks" > "$work/in.htm" <<'PY'
import random, sys
total = int(sys.argv[1]); folders = 1000; rand = random.Random(12345)
out = sys.stdout
out.write('<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<TITLE>Bench</TITLE>\n<H1>Bench</H1>\n<DL><p>\n')
for f in range(folders):
    depth = 1 + f % 3
    for d in range(depth):
        out.write(f'<DT><H3>Folder {f}.{d}</H3>\n<DL><p>\n')
    count = total // folders if f + 1 < folders else total - total // folders * f
    for b in range(count):
        name = chr(65 + rand.randrange(26)) + ''.join(
            ' ' if i % 7 == 6 else chr(97 + rand.randrange(26)) for i in range(18 + rand.randrange(41)))
        out.write(f'<DT><A HREF="https://www.example-{rand.randrange(100000)}.com/articles/'
                  f'{rand.randrange(1 << 30)}/page.html?ref=bookmarks&amp;b={b}" '
                  f'ADD_DATE="{900000000 + rand.randrange(1 << 28)}">{name} &amp; {b}</A>\n')
        if b % 4 == 0:
            out.write('<DD>A description of the page, kept with the bookmark.\n')
    out.write('</DL><p>\n' * depth)
out.write('</DL><p>\n')
PY
"$cli" import-html --empty "$work/in.htm" -o "$work/lib.bml" --log "$work/import.log" >/dev/null

# Prints "seconds peak_MB" of one run, from GNU time.
measure() {
  /usr/bin/time -f '%e %M' -o "$work/time" "$@" >/dev/null
  awk '{ printf "%.2f s  %.0f MB", $1, $2 / 1024 }' "$work/time"
}
echo "library: $bookmarks bookmarks, $(du -m "$work/lib.bml" | cut -f1) MB"
echo "dump:        $(measure "$cli" dump "$work/lib.bml")"
echo "export-html: $(measure "$cli" export-html "$work/lib.bml" "$work/out.htm")"
"$cli" import-html --empty "$work/out.htm" -o "$work/again.bml" --log "$work/again.log" >/dev/null
cmp -s <("$cli" dump "$work/lib.bml") <("$cli" dump "$work/again.bml") ||
  { echo "the exported file reads back to another library" >&2; exit 1; }
