#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine (as root), builds, and runs every test.
# Usage: bash scripts/test.sh [preset]   (presets: default, sanitize)
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"
bash scripts/setup.sh
cmake --preset "$preset"
cmake --build --preset "$preset" -j "$(nproc)"
ctest --preset "$preset" -j "$(nproc)"
