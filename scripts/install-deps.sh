#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the benchmarks need,
# skipping what is already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
  qt6-base-dev qt6-declarative-dev libqt6opengl6-dev libgl-dev libgl1-mesa-dri libgtest-dev libgmock-dev libbenchmark-dev
  libsdl2-image-dev xvfb xauth libtinygltf-dev libstb-dev qt6-translations-l10n qt6-l10n-tools qt6-tools-dev
  desktop-file-utils appstream shared-mime-info xdg-utils libfile-mimeinfo-perl
  openbox xdotool x11-apps x11-utils python3 libxml2-utils fonts-dejavu-core
  cmark-gfm lintian
)
# The glTF test runs the Khronos validator, an npm package, with node. A node
# from elsewhere that brings its own npm is kept.
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
