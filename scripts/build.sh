#!/usr/bin/env bash
# build.sh DIR [--target NAME]... [cmake options...]: configures (first time) and builds the project
# into DIR: the given targets and what they need, or everything.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="$1"; shift
targets=()
while [ "${1:-}" = "--target" ]; do
  targets+=(--target "$2"); shift 2
done
jobs="$(nproc 2>/dev/null || echo 2)"
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S "$root" -B "$dir" -G Ninja "$@"
else
  cmake "$dir" "$@" > /dev/null
fi
cmake --build "$dir" -j "$jobs" "${targets[@]}"
