#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, and fetches the pinned world holiday
# data; does nothing when they are all there.
set -euo pipefail
packages=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fontconfig
  libxlsxwriter-dev
  python3 python3-xlrd python3-openpyxl python3-xlwt python3-icalendar python3-dateutil
  poppler-utils
  cups printer-driver-cups-pdf
  clang
  libical-dev libicu-dev
  openssl
  dpkg-dev help2man appstream desktop-file-utils man-db
  locales
  xvfb xauth dbus-daemon at-spi2-core python3-pyatspi
)
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
# node and npm fetch the holiday data and run its own evaluator in the tests; a machine that has them
# from elsewhere (a nodejs build that carries npm) keeps them, since Debian's npm would conflict.
if ! command -v npm > /dev/null || ! command -v node > /dev/null; then
  missing+=(nodejs npm)
fi
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" != 0 ]; then SUDO=sudo; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
"$(dirname "$0")/holiday-data.sh"

# The locales the tests run the programs under: numbers in files must not follow them, the
# calendar's language and week must.
test_locales=(de_DE fr_FR ru_RU en_GB en_US es_ES it_IT nl_NL pl_PL pt_BR)
present=$(locale -a 2>/dev/null | tr '[:upper:]' '[:lower:]')
for l in "${test_locales[@]}"; do
  wanted=$(echo "$l.utf8" | tr '[:upper:]' '[:lower:]')
  if ! grep -qx "$wanted" <<<"$present"; then
    echo "Generating the locale $l.UTF-8"
    SUDO=""
    if [ "$(id -u)" != 0 ]; then SUDO=sudo; fi
    $SUDO localedef -i "$l" -c -f UTF-8 -A /usr/share/locale/locale.alias "$l.UTF-8" || true
  fi
done
