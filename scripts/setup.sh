#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those still missing.
set -euo pipefail
pkgs=(build-essential cmake ninja-build ccache pkg-config
      qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-charts-dev libqt6opengl6-dev
      libsqlite3-dev sqlite3 libgl-dev libcups2-dev
      fonts-nanum libbenchmark-dev qt6-translations-l10n
      clang libclang-rt-14-dev libxlsxwriter-dev unzip
      libzint-dev zbar-tools postgresql postgresql-common libqt6sql6-psql)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "설치할 패키지: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
