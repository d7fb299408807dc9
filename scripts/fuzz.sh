#!/usr/bin/env bash
# Fuzzes the .xls reader with libFuzzer under AddressSanitizer and UndefinedBehaviorSanitizer.
#   scripts/fuzz.sh [SECONDS] [BUILD_DIR]     (default 60 seconds, build/fuzz)
# Builds straight from the sources with clang++ (not part of the CMake build), seeds the corpus
# from fuzz/corpus and the broken files of the tests, and runs until the time is up. Any crash
# leaves a crash-* file in the build folder and a non-zero exit status.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
out="${2:-build/fuzz}"
mkdir -p "$out/corpus"

# The engine's every source (the .xlsx writer too: saving a workbook may choose it).
sources=(src/spreadsheet/*.cpp src/spreadsheet/io/*.cpp src/spreadsheet/xls/*.cpp src/spreadsheet/xlsx/*.cpp)
flags=(-std=c++20 -O1 -g -fno-omit-frame-pointer -Isrc -Itests)
libs=($(pkg-config --libs xlsxwriter))
# The .xlsx writer loads libxlsxwriter by its shared-object name when it first writes one.
soname="$(objdump -p "$(clang++ -print-file-name=libxlsxwriter.so)" | awk '/SONAME/ {print $2}')"
flags+=("-DMORVESSA_XLSXWRITER_SONAME=\"$soname\"")
clang++ "${flags[@]}" -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    fuzz/xls_reader_fuzzer.cpp "${sources[@]}" "${libs[@]}" -o "$out/xls_reader_fuzzer"

if [ -z "$(ls -A fuzz/corpus 2>/dev/null)" ]; then
    clang++ "${flags[@]}" fuzz/make_seeds.cpp "${sources[@]}" "${libs[@]}" -o "$out/make_seeds"
    "$out/make_seeds" fuzz/corpus
fi
cp -n fuzz/corpus/* tests/spreadsheet/data/*.xls "$out/corpus/" 2>/dev/null || true

cd "$out"
exec ./xls_reader_fuzzer corpus -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
    -max_len=65536 -print_final_stats=1
