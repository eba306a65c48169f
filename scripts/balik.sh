#!/usr/bin/env bash
# Builds the Debian package into build/ (zebrovka_<version>_<arch>.deb) and checks it with
# lintian. DEB_BUILD_OPTIONS=nocheck skips the tests during the package build.
set -euo pipefail
koren=$(cd "$(dirname "$0")/.." && pwd)
bash "$koren/scripts/zavislosti.sh"
cd "$koren"
# The package carries the program's one version, set in CMakeLists.txt.
verze=$(sed -n 's/^project(Zebrovka VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
balik=$(dpkg-parsechangelog -S Version)
if [ "$verze" != "$balik" ]; then
  echo "debian/changelog má verzi $balik, CMakeLists.txt $verze: doplňte do changelogu záznam." >&2
  exit 1
fi
dpkg-buildpackage -us -uc -b
arch=$(dpkg-architecture -qDEB_HOST_ARCH)
zmeny="../zebrovka_${balik}_${arch}.changes"
mkdir -p build
# dpkg-buildpackage leaves its results beside the source tree: move those the .changes names.
soubory=("$zmeny")
while read -r _ _ _ _ soubor; do soubory+=("../$soubor"); done \
  < <(sed -n '/^Files:/,/^[^ ]/{/^ /p}' "$zmeny")
mv -f "${soubory[@]}" build/
lintian --info "build/$(basename "$zmeny")"
ls -l build/zebrovka_*.deb
