#!/usr/bin/env node
// Writes src/program/lunar_table.cpp: for each lunar year 1901..2100, the Gregorian date of its
// first day, which of its months have 30 days, and its leap month. The data comes from
// lunar-javascript, pinned by tools/lunar-javascript's lock file so that the table can be made
// again to the byte:
//   python3 tools/npm_pinned.py lunar-javascript lunar-javascript/lunar.js
//   node tools/make_lunar_table.js && scripts/format-check --fix
'use strict';
const fs = require('fs');
const path = require('path');
const {LunarYear, Solar} = require(path.join(
    __dirname, '..', 'build', 'tools', 'lunar-javascript', 'node_modules', 'lunar-javascript'));

const kFirstYear = 1901;
const kLastYear = 2100;

function dayOfYear(solar) {
  const start = Solar.fromYmd(solar.getYear(), 1, 1);
  return solar.subtract(start);
}

const rows = [];
for (let year = kFirstYear; year <= kLastYear; ++year) {
  const lunarYear = LunarYear.fromYear(year);
  const months = lunarYear.getMonthsInYear();
  const first = Solar.fromJulianDay(months[0].getFirstJulianDay());
  if (first.getYear() !== year) throw new Error(`${year}: the year starts in ${first.getYear()}`);
  let longMonths = 0;
  months.forEach((month, i) => {
    if (month.getDayCount() === 30) longMonths |= 1 << i;
    else if (month.getDayCount() !== 29) throw new Error(`${year}: a month of ${month.getDayCount()} days`);
  });
  const leap = lunarYear.getLeapMonth();
  if (months.length !== (leap ? 13 : 12)) throw new Error(`${year}: ${months.length} months`);
  rows.push(`    {${dayOfYear(first)}, ${leap}, 0x${longMonths.toString(16).padStart(4, '0')}},  // ${year}`);
}

const text = `// Made by tools/make_lunar_table.js from lunar-javascript 1.7.7; do not edit by hand.
#include "lunar_table.h"

namespace pellomi {

const LunarYearEntry kLunarYears[kLunarTableLastYear - kLunarTableFirstYear + 1] = {
${rows.join('\n')}
};

}  // namespace pellomi
`;
fs.writeFileSync(path.join(__dirname, '..', 'src', 'program', 'lunar_table.cpp'), text);
