// Writes what date-holidays' own evaluator says for every country, state and region and every year
// of a range, for the comparison test: one "@CODE|local language" line per place, then one line per
// holiday: date|days|type|substitute|rule|English name|local name.
// Usage: node dump_reference.js FIRST LAST [SHARD COUNT]  (every COUNT-th place from SHARD on)
'use strict';
const Holidays = require('date-holidays');

const first = Number(process.argv[2]);
const last = Number(process.argv[3]);
const shard = Number(process.argv[4] || 0);
const count = Number(process.argv[5] || 1);
const hd = new Holidays();

// Calendar days a holiday touches: whole days by their count, a part day (e.g. from 14:00) as one.
function dayCount(date, start, end) {
  const hours = (end - start) / 3600000;
  const time = date.slice(11, 16);
  if (time === '00:00') return Math.max(1, Math.round(hours / 24));
  const minutes = Number(time.slice(0, 2)) * 60 + Number(time.slice(3, 5));
  return Math.max(1, Math.ceil((minutes + hours * 60) / 1440 - 1e-9));
}

// The reader finds a state or region only by its upper-case code, so it cannot open the data's few
// mixed-case ones ("CK-Aitutaki"); those are left out of the comparison.
const readable = (code) => code === code.toUpperCase();

function places() {
  const out = [];
  for (const c of Object.keys(hd.getCountries('en'))) {
    out.push([c]);
    for (const s of Object.keys(hd.getStates(c, 'en') || {}).filter(readable)) {
      out.push([c, s]);
      for (const r of Object.keys(hd.getRegions(c, s, 'en') || {}).filter(readable)) out.push([c, s, r]);
    }
  }
  return out;
}

const lines = ['#' + first + ' ' + last];
for (const [index, place] of places().entries()) {
  if (index % count !== shard) continue;
  hd.init(...place);
  const local = hd.getLanguages()[0] || 'en';
  lines.push('@' + place.join('-') + '|' + local);
  for (let year = first; year <= last; ++year) {
    const english = hd.getHolidays(year, 'en');
    const native = hd.getHolidays(year, local);
    english.forEach((h, i) => {
      const day = h.date.slice(0, 10);
      lines.push([day, dayCount(h.date, h.start, h.end), h.type, h.substitute ? 1 : 0, h.rule, h.name,
        native[i] ? native[i].name : ''].join('|'));
    });
  }
}
process.stdout.write(lines.join('\n') + '\n');
