#!/usr/bin/env bash
# Builds the Debian package from a release build: build/package/morvessa_<version>_<arch>.deb.
#   scripts/package.sh [BUILD_DIR]   (default build/package)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="${1:-$root/build/package}"
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$dir" -DCMAKE_BUILD_TYPE=Release -DMORVESSA_BUILD_TESTS=OFF -DMORVESSA_BUILD_BENCH=OFF
(cd "$dir" && cpack -G DEB > cpack.log) || { cat "$dir/cpack.log"; exit 1; }
ls "$dir"/morvessa_*.deb
