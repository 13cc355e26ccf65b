#!/usr/bin/env bash
# Installs, only when missing, everything the build, the tests and the screenshots need.
# Debian 12 (bookworm), run as root.
set -euo pipefail

packages=(
  # build
  g++ cmake ninja-build qt6-base-dev
  # real windows and screenshots
  xvfb xauth x11-apps imagemagick xdotool
  # Chinese text
  fonts-wqy-microhei
  # a decimal-comma locale for the conversion tests (built into the build tree)
  locales
  # benchmarks (bench/measure.sh runs its measurements with python3)
  libbenchmark-dev python3 util-linux
  # fuzzing (libFuzzer comes with clang) and the leak check
  clang-14 libclang-rt-14-dev valgrind libc6-dbg
  # packaging checks
  desktop-file-utils appstream dpkg-dev file binutils x11-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup: missing packages (${missing[*]}); run this script as root" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  if [ -z "$(ls -A /var/lib/apt/lists 2>/dev/null | grep -v -e '^lock$' -e '^partial$' -e '^auxfiles$')" ]; then
    apt-get update
  fi
  if ! apt-get install -y --no-install-recommends "${missing[@]}"; then
    # stale package lists are the usual cause
    apt-get update
    apt-get install -y --no-install-recommends "${missing[@]}"
  fi
fi
