#!/usr/bin/env bash
# Configures and builds everything into build/ (the bank otazky.DB included).
set -euo pipefail
koren=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$koren" -B "$koren/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$koren/build" -j "$(nproc)"
