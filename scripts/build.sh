#!/usr/bin/env bash
# build.sh DIR [cmake options...]: configures (first time) and builds the project into DIR.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="$1"; shift
jobs="$(nproc 2>/dev/null || echo 2)"
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S "$root" -B "$dir" -G Ninja "$@"
else
  cmake "$dir" "$@" > /dev/null
fi
cmake --build "$dir" -j "$jobs"
