#!/usr/bin/env bash
# Fuzzes the .xls reader and the iCalendar import with libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer.
#   scripts/fuzz.sh [SECONDS] [BUILD_DIR] [TARGET]   (default 60 seconds, build/fuzz, both targets)
# Builds straight from the sources with clang++ (not part of the CMake build), seeds each corpus
# from fuzz/ and the test data, and runs each target for SECONDS. Any crash leaves a crash-* file
# in the target's folder and a non-zero exit status.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
out="${2:-build/fuzz}"
only="${3:-}"
root="$PWD"

flags=(-std=c++20 -O1 -g -fno-omit-frame-pointer -Isrc -Itests)
sanitize=(-fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)
soname() { objdump -p "$(clang++ -print-file-name="$1")" | awk '/SONAME/ {print $2}'; }

run() {  # run NAME: the target's corpus in $out/NAME, for $seconds
    (cd "$out/$1" && ./"$1" corpus -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
        -max_len="$2" -print_final_stats=1)
}

if [ -z "$only" ] || [ "$only" = xls ]; then
    # The engine's every source (the .xlsx writer too: saving a workbook may choose it).
    sources=(src/spreadsheet/*.cpp src/spreadsheet/io/*.cpp src/spreadsheet/xls/*.cpp src/spreadsheet/xlsx/*.cpp)
    xlsflags=("${flags[@]}" "-DMORVESSA_XLSXWRITER_SONAME=\"$(soname libxlsxwriter.so)\"")
    libs=($(pkg-config --libs xlsxwriter))
    mkdir -p "$out/xls_reader_fuzzer/corpus"
    clang++ "${xlsflags[@]}" "${sanitize[@]}" fuzz/xls_reader_fuzzer.cpp "${sources[@]}" "${libs[@]}" \
        -o "$out/xls_reader_fuzzer/xls_reader_fuzzer"
    if [ -z "$(ls -A fuzz/corpus 2>/dev/null)" ]; then
        clang++ "${xlsflags[@]}" fuzz/make_seeds.cpp "${sources[@]}" "${libs[@]}" -o "$out/make_seeds"
        "$out/make_seeds" fuzz/corpus
    fi
    cp -n fuzz/corpus/* tests/spreadsheet/data/*.xls "$out/xls_reader_fuzzer/corpus/" 2>/dev/null || true
    run xls_reader_fuzzer 65536
fi

if [ -z "$only" ] || [ "$only" = ics ]; then
    # The pre-scan, libical's parser (loaded by its shared-object name) and the recurrence expansion.
    sources=(src/calendar/IcsCalendar.cpp src/calendar/IcsPreScan.cpp src/calendar/IcalLibrary.cpp src/spreadsheet/io/CNumbers.cpp
             src/calendar/DateRules.cpp)
    icsflags=("${flags[@]}" -fPIC "-DMORVESSA_LIBICAL_SONAME=\"$(soname libical.so)\"" $(pkg-config --cflags Qt6Core))
    mkdir -p "$out/ics_import_fuzzer/corpus"
    clang++ "${icsflags[@]}" "${sanitize[@]}" fuzz/ics_import_fuzzer.cpp "${sources[@]}" \
        $(pkg-config --libs Qt6Core) -ldl -o "$out/ics_import_fuzzer/ics_import_fuzzer"
    cp -n fuzz/ics_corpus/* tests/calendar/data/*.ics "$out/ics_import_fuzzer/corpus/" 2>/dev/null || true
    run ics_import_fuzzer 1048576
fi
