#!/usr/bin/env bash
# Installs the system packages Vantrel needs to build, test and run (Debian 12).
# Only what is missing is installed, so a second run costs a second.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config python3
    qt6-base-dev qt6-serialport-dev qt6-svg-dev qt6-l10n-tools qt6-tools-dev libgl-dev
    fonts-wqy-microhei
)
[ "${1:-}" = "--with-display" ] && packages+=(xvfb xauth)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
