#!/usr/bin/env bash
# The export of a large library through linkfold-cli end to end (load, tree, write) against
# `linkfold-cli dump` of the same library: wall time and peak memory of each, best of three.
#   bench/export-html.sh [BUILD_DIR] [BOOKMARKS]     (defaults: build/release 1000000)
# BUILD_DIR must be configured with -DLINKFOLD_BENCH=ON (for bench_make_library). The library
# is the benchmarks' generated one; the exported file must read back to the same bookmarks.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/release}"
bookmarks="${2:-1000000}"
cli="$build/src/cli/linkfold-cli"
work="$(mktemp -d "${TMPDIR:-/tmp}/linkfold-export-bench-XXXXXX")"
trap 'rm -rf "$work"' EXIT

"$build/bench/bench_make_library" "$work/lib.bml" "$bookmarks"

# Prints "seconds peak_MB" of the best of three runs, from GNU time.
measure() {
  for run in 1 2 3; do
    /usr/bin/time -f '%e %M' -o "$work/time" "$@" >/dev/null
    cat "$work/time"
  done | sort -n | head -1 | awk '{ printf "%.2f s  %.0f MB", $1, $2 / 1024 }'
}
echo "library: $bookmarks bookmarks, $(du -m "$work/lib.bml" | cut -f1) MB"
echo "dump:        $(measure "$cli" dump "$work/lib.bml")"
echo "export-html: $(measure "$cli" export-html "$work/lib.bml" "$work/out.htm")"

# The export reads back to the same library: exported again, it gives the same bytes.
"$cli" import-html --empty "$work/out.htm" -o "$work/again.bml" --log "$work/again.log" >/dev/null
"$cli" export-html "$work/again.bml" "$work/again.htm" >/dev/null
cmp -s "$work/out.htm" "$work/again.htm" ||
  { echo "the exported file reads back to another library" >&2; exit 1; }
echo "read back: the same library"
