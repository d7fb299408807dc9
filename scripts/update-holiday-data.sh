#!/usr/bin/env bash
# Moves the world holiday data's pin to another version of date-holidays (default: the newest),
# taking the integrity the npm registry publishes, then fetches it.
#   scripts/update-holiday-data.sh [VERSION]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
pin="$root/resources/holidays/date-holidays.pin"
version="${1:-$(npm view date-holidays version)}"
integrity="$(npm view "date-holidays@$version" dist.integrity)"
case "$integrity" in sha512-*) ;; *) echo "update-holiday-data: no sha512 integrity for $version" >&2; exit 1 ;; esac
sed -i -e "s/^version=.*/version=$version/" -e "s|^integrity=.*|integrity=$integrity|" "$pin"
"$root/scripts/holiday-data.sh" --test-reader
echo "Pinned date-holidays $version; run the comparison test (ctest -R WorldHolidays) before committing."
