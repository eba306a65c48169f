#!/usr/bin/env bash
# Rebuilds and reruns the help's screenshots: the real windows, offscreen, saved as PNG into
# data/Help/obrazky; the pages then show every picture that now exists. Dates are shown in the
# Czech short format, as on a learner's machine.
set -euo pipefail
koren=$(cd "$(dirname "$0")/.." && pwd)
cmake --build "$koren/build" -j2 --target zk_snimky zk_snimek_pripravenosti zk_banka
export XDG_RUNTIME_DIR=$(mktemp -d)
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
LC_ALL=cs_CZ.UTF-8 QT_QPA_PLATFORM=offscreen "$koren/build/tools/snimky/zk_snimky" "$koren/data" "$koren/build" "$koren/data/Help"
LC_ALL=cs_CZ.UTF-8 QT_QPA_PLATFORM=offscreen "$koren/build/tools/snimky/zk_snimek_pripravenosti" "$koren/build" dva-tydny \
  "$koren/data/Help/obrazky/statistika-plan.png"
