#!/usr/bin/env bash
# Installs the Debian packages that building and testing Linkfold need, when they are missing.
set -euo pipefail

packages=(g++ cmake ninja-build libgtest-dev libbenchmark-dev python3 qt6-base-dev qt6-svg-dev libgl-dev xvfb xauth
  libsqlite3-dev libsimdjson-dev
  # the package and its checks: CPack's dependency lookup, the validators, man and xdg-mime
  dpkg-dev file desktop-file-utils appstream libxml2-utils shared-mime-info man-db xdg-utils
  libfile-mimeinfo-perl)

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
fi
