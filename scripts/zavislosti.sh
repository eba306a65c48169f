#!/usr/bin/env bash
# Installs the Debian packages the build, the program, the tests and the package build need,
# when any is missing.
set -euo pipefail
balicky=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-translations-l10n libsqlite3-dev
         libsqlitecpp-dev libsodium-dev libyaml-cpp-dev libgtest-dev libbenchmark-dev qt6-charts-dev
         qt6-svg-dev qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin
         speech-dispatcher-espeak-ng fonts-liberation xvfb xauth imagemagick poppler-utils
         desktop-file-utils appstream build-essential debhelper dpkg-dev lintian clang-format)
chybi=()
for b in "${balicky[@]}"; do
  dpkg-query -W -f='${Status}' "$b" 2>/dev/null | grep -q 'install ok installed' || chybi+=("$b")
done
if [ ${#chybi[@]} -gt 0 ]; then
  echo "Instaluji: ${chybi[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${chybi[@]}"
fi
