#!/usr/bin/env bash
# Installs the Debian packages Quorvel builds with, when any is missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  # clang and its fuzzing runtime build the libFuzzer targets.
  clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev
  qt6-base-dev qt6-charts-dev qt6-svg-dev libgl1-mesa-dev fonts-dejavu-core
  # Qt Charts needs the OpenGL module's CMake files, which its package does not pull in.
  libqt6opengl6-dev
  xvfb xauth xdotool x11-utils imagemagick
  # A light window manager, so the screenshots show windows framed and placed as a person sees them.
  openbox
  # The Debian package: cpack's library dependencies, and the checks of what it holds.
  dpkg-dev file lintian desktop-file-utils appstream
  # quorvel-mpi: built only where Open MPI's development files are found.
  libopenmpi-dev openmpi-bin
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
