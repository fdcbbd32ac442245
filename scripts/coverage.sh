#!/usr/bin/env bash
# Measures how much of src/ the whole test suite runs: builds a coverage tree of its own under
# build/coverage (gcc's --coverage at -O0), runs every test, and prints gcovr's summary
# (lines first, then functions and branches). Not part of the test command.
#   scripts/coverage.sh [extra gcovr options...]   e.g. --html-details build/coverage/index.html
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/coverage"
"$root/scripts/install-deps.sh"
if ! command -v gcovr >/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get install -y -q gcovr
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS="--coverage -O0" -DCMAKE_EXE_LINKER_FLAGS="--coverage" >/dev/null
cmake --build "$build" -j2
# Counters from an earlier run would add up with this one's.
find "$build" -name '*.gcda' -delete
ctest --test-dir "$build" -j2 >/dev/null || echo "coverage: some tests failed; the figures still count what ran" >&2
cd "$root"
gcovr --root "$root" --object-directory "$build" --filter "$root/src/" \
  --exclude-unreachable-branches --exclude-throw-branches --print-summary "$@" \
  | grep -E '^(lines|functions|branches):'
