#!/usr/bin/env bash
# Installs the Debian 12 packages the configurator needs to build, run and test (as root).
set -euo pipefail
packages=(
  cmake g++ make pkgconf
  qt6-base-dev libgl-dev
  libpugixml-dev
  libzip-dev zipcmp zipmerge ziptool zlib1g-dev
  libcurl4-openssl-dev
  fonts-dejavu-core libxml2-utils
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi
