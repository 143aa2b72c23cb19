#!/usr/bin/env bash
# Installs the Debian packages Quelmo needs to build, run and test. Run as root.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config mold
    qt6-base-dev qt6-svg-dev libcurl4-openssl-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev libcpp-httplib-dev libssl-dev openssl
    clang-14 libclang-rt-14-dev clang-format-14
    dbus-daemon python3-dbusmock
    xvfb xauth fonts-dejavu-core fonts-liberation2 libcap2-bin
    trayer xdotool openbox x11-apps netpbm faketime
    dpkg-dev file librsvg2-bin lintian desktop-file-utils appstream
    zlib1g-dev nginx
    libxml2-utils polkitd
    chromium prometheus prometheus-node-exporter mawk
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    export DEBIAN_FRONTEND=noninteractive
    apt-get -o DPkg::Lock::Timeout=600 update -qq
    apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
fi
