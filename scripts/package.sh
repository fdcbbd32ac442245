#!/usr/bin/env bash
# Builds the Debian package of Linkfold with CPack from an optimised build tree and prints the
# package's path: scripts/package.sh [BUILD_DIR] (default build/release, built when needed).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="$(realpath -m "${1:-$root/build/release}")"
if [ -f "$dir/CMakeCache.txt" ]; then
  cmake --build "$dir" -j2 >/dev/null
else
  "$root/scripts/build.sh" "$dir"
fi
log="$(cd "$dir" && cpack --config CPackConfig.cmake -G DEB -B "$dir/package" 2>&1)" || {
  printf '%s\n' "$log" >&2
  exit 1
}
# CPack ends with "CPack: - package: PATH generated."
package="$(printf '%s\n' "$log" | sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' | tail -1)"
[ -f "$package" ] || { printf '%s\n' "$log" >&2; exit 1; }
echo "$package"
