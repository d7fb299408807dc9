#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds the program in Release (only the program: no tests, no
# benchmarks, no batch tool) and starts it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build/release" --target morvessa \
  -DCMAKE_BUILD_TYPE=Release -DMORVESSA_BUILD_TESTS=OFF -DMORVESSA_BUILD_BENCH=OFF
exec "$root/build/release/bin/morvessa" "$@"
