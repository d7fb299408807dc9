#!/usr/bin/env bash
# holiday-data.sh [--test-reader]
# Fetches the pinned world holiday data (npm package date-holidays) into .deps/ and checks it against
# the pin's integrity: all the programs need (scripts/setup.sh). With --test-reader (scripts/test.sh)
# it also installs the same version with its dependencies beside it as the tests' second reader, and
# that reader's answers for every place and year. Does nothing for what is there.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
test_reader=false
if [ "${1:-}" = "--test-reader" ]; then test_reader=true; fi
pin="$root/resources/holidays/date-holidays.pin"
version="$(sed -n 's/^version=//p' "$pin")"
integrity="$(sed -n 's/^integrity=//p' "$pin")"
[ -n "$version" ] && [ -n "$integrity" ] || { echo "holiday-data: $pin lacks version or integrity" >&2; exit 1; }
deps="$root/.deps"
data="$deps/date-holidays-$version"
reader="$deps/date-holidays-reader-$version"

if [ ! -f "$data/package/data/holidays.json" ]; then
  scratch="$(mktemp -d)"
  trap 'rm -rf "$scratch"' EXIT
  (cd "$scratch" && npm pack --silent "date-holidays@$version" > /dev/null)
  tarball="$(ls "$scratch"/date-holidays-*.tgz)"
  got="sha512-$(openssl dgst -sha512 -binary "$tarball" | base64 -w0)"
  if [ "$got" != "$integrity" ]; then
    echo "holiday-data: date-holidays $version does not match its pin (got $got)" >&2
    exit 1
  fi
  mkdir -p "$scratch/unpacked"
  tar -xzf "$tarball" -C "$scratch/unpacked"
  rm -rf "$data"
  mkdir -p "$deps"
  mv "$scratch/unpacked" "$data"
fi

# The JavaScript evaluator of the same version, only ever used by the tests as an independent reader:
# minutes of work a first start of the program does not wait for.
$test_reader || exit 0
if [ ! -f "$reader/node_modules/date-holidays/package.json" ] ||
   ! grep -q "\"version\": \"$version\"" "$reader/node_modules/date-holidays/package.json"; then
  mkdir -p "$reader"
  (cd "$reader" && npm install --silent --no-audit --no-fund --no-save "date-holidays@$version" > /dev/null)
fi

# What the JavaScript evaluator says for every place and year, made once per version (minutes of
# work) so that the comparison test itself only reads it.
reference="$reader/reference-1970-2100.txt"
if [ ! -s "$reference" ]; then
  echo "holiday-data: writing the reference holidays of date-holidays $version (takes a few minutes)"
  script="$root/tests/holidays/world/dump_reference.js"
  shards="$(nproc 2>/dev/null || echo 2)"
  pids=()
  for ((i = 0; i < shards; i++)); do
    NODE_PATH="$reader/node_modules" node "$script" 1970 2100 "$i" "$shards" > "$reference.$i" &
    pids+=($!)
  done
  for pid in "${pids[@]}"; do wait "$pid"; done
  cat "$reference".[0-9]* > "$reference.tmp"
  rm -f "$reference".[0-9]*
  mv "$reference.tmp" "$reference"
fi
