#!/usr/bin/env bash
# Installs what is missing, builds Linkfold and starts its window.
#   scripts/run.sh                 opens on the demo set of examples/demo (its own settings,
#                                  import log, a copy of the demo browsers' files and a home
#                                  folder with Firefox, Chrome and Brave profiles)
#   scripts/run.sh LIB.bml ...     passes the arguments on to linkfold
# LINKFOLD_BUILD_DIR chooses the build tree (default build/release).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${LINKFOLD_BUILD_DIR:-$root/build/release}"

"$root/scripts/install-deps.sh"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" -j2 --target linkfold linkfold-cli demo_home

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<MSG
Linkfold is built, but there is no display to show its window on (DISPLAY and
WAYLAND_DISPLAY are empty). Run it from a desktop session, or on a virtual X display:

  xvfb-run -a $0 $*

(xvfb-run comes with the package xvfb; take a screenshot there with "import -window root").
The command-line front end needs no display: $build/src/cli/linkfold-cli --help
MSG
  exit 1
fi

if [ $# -gt 0 ]; then
  exec "$build/src/gui/linkfold" "$@"
fi

# The demo: a copy of examples/demo, so that exports write into the copy and not into the
# repository, with settings and an import log of its own.
demo="$build/demo"
if [ ! -d "$demo/browsers" ]; then
  mkdir -p "$demo"
  cp -R "$root/examples/demo" "$demo/browsers"
fi
# Today's browsers of the demo: profiles generated from examples/demo/home-text, copied so
# that the first start reads its own Firefox -wal file.
if [ ! -d "$demo/home" ]; then
  cp -R "$build/demo-home" "$demo/home"
fi
export LINKFOLD_HOME="$demo/home"
export LINKFOLD_DEMO="$demo/browsers"
export LINKFOLD_REGISTRY="$demo/browsers/demo.reg"
export XDG_CONFIG_HOME="$demo/config"
export XDG_DATA_HOME="$demo/data"
exec "$build/src/gui/linkfold"
