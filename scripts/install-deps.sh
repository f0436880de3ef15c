#!/usr/bin/env bash
# Installs the Debian packages Vireflu needs to build, run and test, when they are
# missing. Works as root or through sudo; does nothing when all are present.
set -euo pipefail

packages=(
  g++ cmake ninja-build make
  qt6-base-dev qt6-svg-dev libgif-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  help2man dpkg-dev file fakeroot desktop-file-utils appstream
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool imagemagick x11-utils
  fonts-dejavu-core locales
  emscripten python3 chromium
)
# npm installs the browser tests' playwright-core; a machine with its own Node.js keeps it.
command -v npm >/dev/null || packages+=(nodejs npm)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
# The tests also run under a French C locale, as a French desktop session gives the program.
french=true
locale -a 2>/dev/null | grep -qx 'fr_FR.utf8' || french=false
[ ${#missing[@]} -eq 0 ] && $french && exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  as_root=(sudo)
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${as_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
fi
if ! $french; then
  echo "Generating the fr_FR.UTF-8 locale"
  echo 'fr_FR.UTF-8 UTF-8' | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
  "${as_root[@]}" locale-gen >/dev/null
fi
