#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine (as root), builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset default
cmake --build --preset default -j "$(nproc)" --target varnoq
exec ./build/default/app/varnoq
