#!/usr/bin/env bash
# xlsx-reader.sh: installs the npm package exceljs, at one pinned version, into .deps/ as a second
# reader of the .xlsx files the tests write (scripts/test.sh). Does nothing when it is there.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
version=4.4.0
reader="$root/.deps/exceljs-$version"
if [ -f "$reader/node_modules/exceljs/package.json" ] &&
   grep -q "\"version\": \"$version\"" "$reader/node_modules/exceljs/package.json"; then
  exit 0
fi
mkdir -p "$reader"
# npm checks every package it fetches against the registry's integrity hash.
(cd "$reader" && npm install --silent --no-audit --no-fund --no-save "exceljs@$version" > /dev/null)
