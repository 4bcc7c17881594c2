#!/usr/bin/env bash
# Installs the Debian packages the project needs, skipping those already present.
# With arguments, installs those packages instead (tools/test-win32.sh names its own).
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-declarative-dev qml-qt6 qml6-module-qtquick qml6-module-qtquick-window qml6-module-qtqml-workerscript
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools designer-qt6 qt6-webengine-dev qt6-httpserver-dev qt6-websockets-dev
  libgl-dev
  python3-dev python3-pyqt6 pyqt6-dev sip-tools python3-pyqtbuild doxygen qt6-documentation-tools
  xvfb xauth xdotool x11-utils imagemagick dbus-daemon at-spi2-core playerctl openbox
  qt6-wayland weston desktop-file-utils appstream dpkg-dev file lintian
  fonts-wine fonts-arphic-uming fonts-dejavu-core
)
[ $# -eq 0 ] || packages=("$@")
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
