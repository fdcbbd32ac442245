#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: an optimised build, and a
# build with AddressSanitizer and UndefinedBehaviorSanitizer (any report fails the run). The
# Debian package is made from the optimised build and checked in between.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"

echo "== Optimised build =="
"$root/scripts/build.sh" "$root/build/release"
ctest --test-dir "$root/build/release" --output-on-failure -j2

echo "== Debian package =="
"$root/tests/package/check-package.sh" "$root/build/release"

echo "== Sanitizer build =="
"$root/scripts/build.sh" "$root/build/sanitize" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" -DLINKFOLD_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$root/build/sanitize" --output-on-failure -j2

echo "All tests passed in both builds."
