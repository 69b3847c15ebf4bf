#!/usr/bin/env bash
# Installs the Debian packages Saffin builds, runs and tests with, when they are missing.
set -euo pipefail
packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-webengine-dev qt6-pdf-dev libgl-dev
  libcurl4-openssl-dev libzip-dev libjpeg62-turbo-dev
  googletest libgtest-dev libbenchmark-dev
  python3 python3-aiosmtpd
  xvfb xauth fonts-dejavu-core
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
