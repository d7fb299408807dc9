#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds in Release and starts the program.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build/release" -DCMAKE_BUILD_TYPE=Release -DMORVESSA_BUILD_TESTS=OFF
exec "$root/build/release/bin/morvessa" "$@"
