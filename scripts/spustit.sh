#!/usr/bin/env bash
# Installs what is missing, builds, prepares the working directory and starts the program.
# The working directory (default ~/.local/share/zebrovka, or $ZEBROVKA_DATA) lies outside the
# build tree, so profiles and results survive a rebuild; the bank and pictures are refreshed.
set -euo pipefail
koren=$(cd "$(dirname "$0")/.." && pwd)
bash "$koren/scripts/zavislosti.sh"
bash "$koren/scripts/sestavit.sh"
pracovni=${ZEBROVKA_DATA:-$HOME/.local/share/zebrovka}
mkdir -p "$pracovni"
cp -f "$koren/build/otazky.DB" "$pracovni/otazky.DB"
cp -f "$koren/build/oblasti.DB" "$pracovni/oblasti.DB"
[ -f "$koren/build/otazky.MB" ] && cp -fp "$koren/build/otazky.MB" "$pracovni/otazky.MB"
rm -rf "$pracovni/grafika"
cp -r "$koren/data/grafika" "$pracovni/grafika"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != offscreen ]; then
  echo "Zebrovka potřebuje grafické prostředí: není nastaven DISPLAY ani WAYLAND_DISPLAY." >&2
  exit 1
fi
cd "$pracovni"
exec "$koren/build/zebrovka" "$@"
