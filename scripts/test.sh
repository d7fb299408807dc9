#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds and runs every test.
#   scripts/test.sh             Release build in build/test
#   scripts/test.sh --sanitize  AddressSanitizer + UndefinedBehaviorSanitizer build in build/asan
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/holiday-data.sh" --test-reader
"$root/scripts/xlsx-reader.sh"
export QT_QPA_PLATFORM=offscreen
if [ "${1:-}" = "--sanitize" ]; then
  dir="$root/build/asan"
  "$root/scripts/build.sh" "$dir" -DCMAKE_BUILD_TYPE=Debug -DMORVESSA_SANITIZE=ON -DMORVESSA_BUILD_BENCH=OFF
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:halt_on_error=1"
  export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
else
  dir="$root/build/test"
  "$root/scripts/build.sh" "$dir" -DCMAKE_BUILD_TYPE=Release
fi
ctest --test-dir "$dir" --output-on-failure -j "$(nproc 2>/dev/null || echo 2)" --timeout 300
