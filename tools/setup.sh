#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need,
# skipping those already installed; apt-get update runs only when something
# is missing. Uses sudo when not root.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libcairo2-dev libsdl2-dev libfontconfig-dev libfreetype-dev
  fonts-ipafont-gothic fonts-liberation2
  googletest libgtest-dev libbenchmark-dev
  xvfb xdotool imagemagick libx11-dev
)

missing=()
for p in "${packages[@]}"; do
  state="$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)"
  if [ "$state" != "install ok installed" ]; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo=()
  if [ "$(id -u)" -ne 0 ]; then sudo=(sudo); fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -q
  "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
