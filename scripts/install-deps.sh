#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing.
set -euo pipefail
packages=(
    build-essential cmake ninja-build pkg-config googletest libgtest-dev
    qt6-base-dev libsdl2-dev libespeak-ng-dev espeak-ng libzip-dev zipcmp zipmerge ziptool zip unzip libx11-dev
    xvfb xauth xdotool x11-xkb-utils x11-utils fonts-dejavu-core
    desktop-file-utils appstream qt6-translations-l10n dpkg-dev debootstrap poppler-utils
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo_cmd[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q "${missing[@]}"
fi
