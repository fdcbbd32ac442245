#!/usr/bin/env bash
# Installs what is missing, builds Linkfold and runs it. Arguments go to linkfold-cli;
# without any it prints the help.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build/release"
if [ $# -eq 0 ]; then set -- --help; fi
exec "$root/build/release/src/cli/linkfold-cli" "$@"
