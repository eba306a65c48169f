#!/usr/bin/env bash
# Installs what is missing, builds and runs every test through CTest (windows offscreen).
set -euo pipefail
koren=$(cd "$(dirname "$0")/.." && pwd)
bash "$koren/scripts/zavislosti.sh"
bash "$koren/scripts/sestavit.sh"
export QT_QPA_PLATFORM=offscreen
cd "$koren/build"
ctest --output-on-failure --timeout 600 -j 2
