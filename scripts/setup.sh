#!/usr/bin/env bash
# Installs every Debian package Melovia needs to build, test and run.
# Safe to run again: it installs nothing when everything is present.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libxcb1-dev
    libavformat-dev libavcodec-dev libswresample-dev libavutil-dev
    libsdl2-dev libasound2-dev
    libfluidsynth-dev timgm6mb-soundfont
    libcurl4-openssl-dev
    libpng-dev zlib1g-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    libcpp-httplib-dev
    fonts-liberation
    xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
