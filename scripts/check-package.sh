#!/usr/bin/env bash
# Builds the .deb and checks it as a user would meet it: its contents and fields, the programs run
# from an unpacked copy, the desktop entry and the AppStream data valid. Fails on the first error.
#   scripts/check-package.sh [BUILD_DIR]   (default build/package)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="${1:-$root/build/package}"
"$root/scripts/package.sh" "$dir" > /dev/null
deb="$(ls -t "$dir"/morvessa_*.deb | head -n 1)"
fail() { echo "check-package: $*" >&2; exit 1; }

version="$(sed -n 's/^project(Morvessa VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"
[ "$(dpkg-deb -f "$deb" Package)" = "morvessa" ] || fail "package name is not morvessa"
depends="$(dpkg-deb -f "$deb" Depends)"
[ -n "$depends" ] || fail "Depends is empty"
case "$depends" in *libqt6widgets6*) ;; *) fail "Depends lacks Qt 6 Widgets: $depends" ;; esac
case "$depends" in *libxlsxwriter*) ;; *) fail "Depends lacks libxlsxwriter (loaded when an .xlsx is written): $depends" ;; esac
case "$depends" in *libical*) ;; *) fail "Depends lacks libical (loaded when an iCalendar file is read or written): $depends" ;; esac

contents="$(dpkg-deb -c "$deb" | awk '{print $6}')"
for path in ./usr/bin/morvessa ./usr/bin/morvessa-batch ./usr/share/morvessa/HAND-M.CUR \
    ./usr/share/applications/app.morvessa.Morvessa.desktop \
    ./usr/share/metainfo/app.morvessa.Morvessa.metainfo.xml \
    ./usr/share/icons/hicolor/16x16/apps/morvessa.png ./usr/share/icons/hicolor/256x256/apps/morvessa.png \
    ./usr/share/icons/hicolor/scalable/apps/morvessa.svg \
    ./usr/share/man/man1/morvessa.1.gz ./usr/share/man/man1/morvessa-batch.1.gz \
    ./usr/share/bash-completion/completions/morvessa-batch \
    ./usr/share/doc/morvessa/copyright ./usr/share/doc/morvessa/changelog.gz \
    ./usr/share/morvessa/holidays/index.json ./usr/share/morvessa/holidays/DE.json \
    ./usr/share/doc/morvessa/LICENSE.date-holidays; do
  grep -qxF "$path" <<< "$contents" || fail "the package lacks $path"
done
grep -q '/morvessa/morvessa-drawing.so$' <<< "$contents" || fail "the package lacks the drawing module"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
dpkg -x "$deb" "$scratch"
# Each output is taken whole before it is searched: with pipefail, a grep -q that stops reading
# early would fail the check on the writer's broken pipe rather than on what it printed.
out="$("$scratch/usr/bin/morvessa-batch" --version)" || fail "morvessa-batch --version failed"
grep -qx "morvessa-batch $version" <<< "$out" || fail "morvessa-batch --version printed: $out"
out="$("$scratch/usr/bin/morvessa" --version)" || fail "morvessa --version failed"
grep -qx "morvessa $version" <<< "$out" || fail "morvessa --version printed: $out"
out="$("$scratch/usr/bin/morvessa-batch" --help)" || fail "morvessa-batch --help failed"
grep -q -- '--year' <<< "$out" || fail "morvessa-batch --help does not list --year"
: > "$scratch/settings.ini"
"$scratch/usr/bin/morvessa-batch" --year 2027 --settings "$scratch/settings.ini" --out "$scratch/c.xls" \
    || fail "the installed morvessa-batch could not make a calendar"
[ -s "$scratch/c.xls" ] || fail "the installed morvessa-batch wrote nothing"
# A PDF is drawn by the module the tool loads from the package's library folder.
"$scratch/usr/bin/morvessa-batch" --year 2027 --settings "$scratch/settings.ini" --out "$scratch/c.pdf" \
    || fail "the installed morvessa-batch could not draw a PDF"
[ -s "$scratch/c.pdf" ] || fail "the installed morvessa-batch drew no PDF"
out="$(MANWIDTH=100 man -l "$scratch/usr/share/man/man1/morvessa-batch.1.gz" 2>/dev/null)" \
    || fail "man cannot show the manual page of morvessa-batch"
grep -q -- '--settings' <<< "$out" || fail "the manual page of morvessa-batch does not list --settings"

desktop-file-validate "$scratch/usr/share/applications/app.morvessa.Morvessa.desktop"
appstreamcli validate --no-net "$scratch/usr/share/metainfo/app.morvessa.Morvessa.metainfo.xml" > /dev/null
bash -n "$scratch/usr/share/bash-completion/completions/morvessa-batch"
echo "check-package: $(basename "$deb") is sound (Depends: $depends)"
