// Extends the two calendar tables (calendar/LunarYearTable.h, calendar/JieDayTable.h)
// from 1900..2100 to 1799..2201 and writes calendar/UncertainDays.h. The rows for
// 1900..2100 are kept exactly as they stand; the script only adds rows before and after
// them, and stops if its own results for the overlapping years disagree with the kept rows.
//
//   mkdir -p /tmp/tables && cd /tmp/tables && npm install lunar-javascript@1.7.7 astronomia@4.2.0
//   NODE_PATH=/tmp/tables/node_modules node scripts/calendar-tables/make_year_tables.mjs
//
// 1799..1928, the calendar as issued: lunar-javascript 1.7.7 (6tail, MIT). Its month and
// term days carry correction strings taken from the almanacs actually published, so the
// Qing calendar's late computation (1805's leap month, a dozen month starts a day off)
// and the Republic's Beijing-local-time months come out as they were printed.
//
// 2100..2201, astronomy: astronomia 4.2.0 (MIT) with its full VSOP87B Earth series for
// the Sun and its full ELP/MPP02 series (fitted to DE405) for the Moon; new moons are the
// instants the apparent longitudes agree, 節 the instants the Sun's apparent longitude
// reaches 315°, 345°, .. 285°. Civil days are UTC+8.
// Delta T, primary: Espenak & Meeus 2006, "Five Millennium Canon of Solar Eclipses",
// NASA/TP-2006-214141, polynomial expressions (the 2050..2150 and after-2150 branches).
// Delta T, second: Stephenson, Morrison & Hohenkerk 2016, Proc. R. Soc. A 472: 20160404,
// long-term parabola -320 + 32.5 u^2, u = (year - 1825) / 100.
// A month is uncertain when its new moon lies within kNearMidnightMinutes of midnight
// or falls on another civil day under the second model; a 節 the same way.
import { createRequire } from 'node:module';
import { readFileSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const require = createRequire(import.meta.url);
const { LunarYear, Lunar, Solar } = require('lunar-javascript');
const solar = require('astronomia/solar').default ?? require('astronomia/solar');
const nutation = require('astronomia/nutation').default ?? require('astronomia/nutation');
const planetposition = require('astronomia/planetposition');
const elp = require('astronomia/elp');
const earthData = require('astronomia/data/vsop87Bearth').default ?? require('astronomia/data/vsop87Bearth');
const moonData = require('astronomia/data/elpMppDeFull').default ?? require('astronomia/data/elpMppDeFull');

const root = join(dirname(fileURLToPath(import.meta.url)), '..', '..');
const kNearMidnightMinutes = 10;
const kFirstHistorical = 1799, kLastHistorical = 1928;
const kFirstFuture = 2100, kLastFuture = 2201;
const kTermNames = ['立春', '惊蛰', '清明', '立夏', '芒种', '小暑', '立秋', '白露', '寒露', '立冬', '大雪'];
const pad = (n) => String(n).padStart(2, '0');

// ---- 1799..1928 from the issued calendar ----
function historicalYear(year) {
  const months = LunarYear.fromYear(year).getMonths().filter((m) => m.getYear() === year);
  const lengths = Array(12).fill('0');
  let leapLength = '0', leapDigit = '0';
  for (const m of months) {
    const long = m.getDayCount() === 30 ? '1' : '0';
    if (m.getMonth() < 0) { leapLength = long; leapDigit = (-m.getMonth()).toString(16).toUpperCase(); }
    else lengths[m.getMonth() - 1] = long;
  }
  const first = Solar.fromJulianDay(months[0].getFirstJulianDay());
  return lengths.join('') + leapLength + leapDigit + pad(first.getMonth()) + pad(first.getDay());
}

function historicalJie(year) {
  const table = Lunar.fromYmd(year, 6, 1).getJieQiTable();
  const days = kTermNames.map((name) => table[name]);
  days.push(Lunar.fromYmd(year + 1, 6, 1).getJieQiTable()['小寒']);
  days.forEach((d, i) => { if (d.getYear() !== year + (i === 11 ? 1 : 0)) throw new Error(`term ${i + 1} of ${year}`); });
  return days.map((d) => d.getDay()).join('');
}

// ---- 2100..2201 from astronomy ----
const earth = new planetposition.Planet(earthData);
const moon = new elp.Moon(moonData);
const kDeg = Math.PI / 180;
const wrap = (a) => ((a + Math.PI) % (2 * Math.PI) + 2 * Math.PI) % (2 * Math.PI) - Math.PI;
const sunLongitude = (jde) => solar.apparentVSOP87(earth, jde).lon;
const moonLongitude = (jde) => moon.position(jde - moon.lightTime(jde)).lon + nutation.nutation(jde)[0];
const kUnixEpochJd = 2440587.5;

function deltaTEspenakMeeus(y) {
  const u = (y - 1820) / 100;
  if (y < 2050) { const t = y - 2000; return 62.92 + 0.32217 * t + 0.005589 * t * t; }
  if (y < 2150) return -20 + 32 * u * u - 0.5628 * (2150 - y);
  return -20 + 32 * u * u;
}
function deltaTStephensonMorrisonHohenkerk(y) { const u = (y - 1825) / 100; return -320 + 32.5 * u * u; }

// Root of f (an angle difference) near jde by the secant method.
function solve(f, jde) {
  let a = jde, b = jde + 0.5, fa = f(a), fb = f(b);
  for (let i = 0; i < 50 && Math.abs(b - a) > 1e-7; ++i) {
    const c = b - fb * (b - a) / (fb - fa);
    a = b; fa = fb; b = c; fb = f(c);
  }
  return b;
}

// The civil instant (ms since 1970, read in UTC+8) of a TT Julian day under a Delta T model.
function civilMs(jde, deltaT) {
  const year = 2000 + (jde - 2451545) / 365.25;
  return (jde - kUnixEpochJd) * 86400000 - deltaT(year) * 1000 + 8 * 3600000;
}
const dayOf = (ms) => Math.floor(ms / 86400000);
const isoOf = (ms) => new Date(ms).toISOString();

// An event: its civil day in the primary model, and whether that day is in doubt.
function event(jde) {
  const primary = civilMs(jde, deltaTEspenakMeeus), second = civilMs(jde, deltaTStephensonMorrisonHohenkerk);
  const minuteOfDay = (primary - dayOf(primary) * 86400000) / 60000;
  const nearMidnight = Math.min(minuteOfDay, 1440 - minuteOfDay) < kNearMidnightMinutes;
  const otherDay = dayOf(second) !== dayOf(primary) ? dayOf(second)
    : nearMidnight ? dayOf(primary) + (minuteOfDay < 720 ? -1 : 1) : null;
  return { jde, day: dayOf(primary), iso: isoOf(primary), otherDay };
}

function newMoons(fromJde, toJde) {
  const moons = [];
  let guess = fromJde;
  for (;;) {
    const start = guess + ((wrap(sunLongitude(guess) - moonLongitude(guess)) + 2 * Math.PI) % (2 * Math.PI)) / (2 * Math.PI) * 29.53;
    const jde = solve((t) => wrap(moonLongitude(t) - sunLongitude(t)), start);
    if (jde > toJde) return moons;
    if (!moons.length || jde - moons[moons.length - 1].jde > 20) moons.push(event(jde));
    guess = jde + 5;
  }
}

function sunReaches(degrees, fromJde, toJde) {
  const hits = [];
  for (let guess = fromJde; ;) {
    const ahead = ((degrees * kDeg - sunLongitude(guess)) % (2 * Math.PI) + 2 * Math.PI) % (2 * Math.PI);
    const jde = solve((t) => wrap(sunLongitude(t) - degrees * kDeg), guess + ahead / (2 * Math.PI) * 365.2422);
    if (jde > toJde) return hits;
    hits.push(event(jde));
    guess = jde + 300;
  }
}

const jdeOf = (y, m, d) => Date.UTC(y, m - 1, d) / 86400000 + kUnixEpochJd;

// Months by the modern rule: month 11 holds the winter solstice; in a year of thirteen
// months the first without a principal term is the leap month.
function futureMonths() {
  const from = jdeOf(kFirstFuture - 1, 10, 1), to = jdeOf(kLastFuture + 2, 4, 1);
  const moons = newMoons(from, to);
  const principal = [];
  for (let lon = 0; lon < 360; lon += 30) for (const e of sunReaches(lon, from, to)) principal.push({ day: e.day, lon });
  const holds = (i, pred) => principal.some((q) => q.day >= moons[i].day && q.day < moons[i + 1].day && pred(q));
  const elevens = [];
  for (let i = 0; i + 1 < moons.length; ++i) if (holds(i, (q) => q.lon === 270)) elevens.push(i);
  const rows = [];
  for (let s = 0; s + 1 < elevens.length; ++s) {
    const first = elevens[s], next = elevens[s + 1];
    let leapAt = -1;
    if (next - first === 13) for (let i = first + 1; i < next && leapAt < 0; ++i) if (!holds(i, () => true)) leapAt = i;
    let month = 11;
    for (let i = first; i < next; ++i) {
      const leap = i === leapAt;
      if (i !== first && !leap) month = month % 12 + 1;
      rows.push({ month, leap, moon: moons[i], length: moons[i + 1].day - moons[i].day });
    }
  }
  let year = 0;
  for (const r of rows) {
    if (r.month === 1 && !r.leap) year = new Date(r.moon.day * 86400000).getUTCFullYear();
    r.lunarYear = year;
  }
  return rows.filter((r) => r.lunarYear >= kFirstFuture && r.lunarYear <= kLastFuture);
}

function futureYearRecord(rows, year) {
  const months = rows.filter((r) => r.lunarYear === year);
  const lengths = Array(12).fill('0');
  let leapLength = '0', leapDigit = '0';
  for (const r of months) {
    const long = r.length === 30 ? '1' : '0';
    if (r.leap) { leapLength = long; leapDigit = r.month.toString(16).toUpperCase(); } else lengths[r.month - 1] = long;
  }
  const first = new Date(months[0].moon.day * 86400000);
  return lengths.join('') + leapLength + leapDigit + pad(first.getUTCMonth() + 1) + pad(first.getUTCDate());
}

function futureTerms() {
  const terms = new Map();  // "year,k" -> event
  const from = jdeOf(kFirstFuture, 1, 15), to = jdeOf(kLastFuture + 1, 1, 15);
  for (let k = 1; k <= 12; ++k) {
    for (const e of sunReaches((315 + 30 * (k - 1)) % 360, from, to)) {
      const year = new Date(e.day * 86400000).getUTCFullYear() - (k === 12 ? 1 : 0);
      terms.set(`${year},${k}`, e);
    }
  }
  return terms;
}

const dayText = (day) => new Date(day * 86400000).toISOString().slice(0, 10);

// The civil days an uncertain event can move: from the earlier of its two candidate days
// to the day before the later one (a month start moves every day of the month with it).
function uncertainSpan(e, lastDay) {
  return { from: Math.min(e.day, e.otherDay), to: Math.max(lastDay, Math.max(e.day, e.otherDay) - 1) };
}

// ---- splicing ----
function splice(path, generatedBefore, generatedAfter, recordLength) {
  const text = readFileSync(path, 'utf8');
  const lines = text.split('\n');
  const rowPattern = new RegExp(`^    "([0-9A-C]{${recordLength}})",  // (\\d{4})$`);
  const kept = new Map();
  lines.forEach((line) => { const m = line.match(rowPattern); if (m) kept.set(Number(m[2]), m[1]); });
  for (const [year, record] of [...generatedBefore, ...generatedAfter]) {
    if (kept.has(year) && kept.get(year) !== record) console.log(`${path}: ${year} kept ${kept.get(year)}, generated ${record}`);
  }
  const rowsOf = (list) => list.filter(([year]) => !kept.has(year)).map(([year, r]) => `    "${r}",  // ${year}`);
  const firstRow = lines.findIndex((l) => rowPattern.test(l));
  const lastRow = lines.length - 1 - [...lines].reverse().findIndex((l) => rowPattern.test(l));
  const out = [...lines.slice(0, firstRow), ...rowsOf(generatedBefore), ...lines.slice(firstRow, lastRow + 1),
    ...rowsOf(generatedAfter), ...lines.slice(lastRow + 1)];
  writeFileSync(path, out.join('\n'));
}

const range = (a, b) => Array.from({ length: b - a + 1 }, (_, i) => a + i);
const rows = futureMonths();
const terms = futureTerms();
const uncertain = [];
rows.forEach((r) => {
  if (r.moon.otherDay === null) return;
  const span = uncertainSpan(r.moon, r.moon.day + r.length - 1);
  uncertain.push({ ...span, what: `${r.lunarYear},${r.month},${r.leap ? 1 : 0}`, note: `new moon ${r.moon.iso.slice(0, 19)} UTC+8` });
});
for (const [key, e] of terms) {
  if (e.otherDay === null) continue;
  const [year, k] = key.split(',').map(Number);
  if (year < kFirstFuture) continue;
  const span = uncertainSpan(e, Math.min(e.day, e.otherDay));
  uncertain.push({ ...span, what: `jie ${year},${k}`, note: `term ${e.iso.slice(0, 19)} UTC+8` });
}
uncertain.sort((a, b) => a.from - b.from);
for (const u of uncertain) console.log(`uncertain ${u.what} ${dayText(u.from)}..${dayText(u.to)} (${u.note})`);

splice(join(root, 'calendar/LunarYearTable.h'),
  range(kFirstHistorical, kLastHistorical).map((y) => [y, historicalYear(y)]),
  range(kFirstFuture, kLastFuture).map((y) => [y, futureYearRecord(rows, y)]), 18);
splice(join(root, 'calendar/JieDayTable.h'),
  range(kFirstHistorical, kLastHistorical).map((y) => [y, historicalJie(y)]),
  range(kFirstFuture, kLastFuture).map((y) => [y, range(1, 12).map((k) => new Date(terms.get(`${y},${k}`).day * 86400000).getUTCDate()).join('')]), 12);
// Two months of today's range whose new moon falls within a minute of midnight UTC+8.
const kKnownUncertain = [
  { from: '2057-09-28', to: '2057-10-27', what: '2057,9,0', note: 'new moon 2057-09-29T00:00:40 UTC+8' },
  { from: '2097-08-07', to: '2097-09-05', what: '2097,7,0', note: 'new moon 2097-08-08T00:00:15 UTC+8' },
];
const spans = [...kKnownUncertain, ...uncertain.map((u) => ({ ...u, from: dayText(u.from), to: dayText(u.to) }))];
const ymd = (text) => text.split('-').map(Number).join(', ');
writeFileSync(join(root, 'calendar/UncertainDays.h'), `#pragma once
// The civil days whose lunar date or month pillar hangs on an instant within minutes of
// midnight UTC+8, or on the Earth's rotation far ahead: a month whose new moon could
// fall on either side of midnight (every day of the month moves with its first day), or
// a 節 that could. Generated with the year tables by scripts/calendar-tables/make_year_tables.mjs.

#include <array>

namespace velmora {

struct UncertainSpan {
    int firstYear, firstMonth, firstDay;  // the first civil day in doubt
    int lastYear, lastMonth, lastDay;     // the last civil day in doubt
};

// Columns: first day in doubt, last day in doubt; the comment names the month (lunar year,
// month, 1 = leap) or the 節 (year, term 1 立春 .. 12 小寒) and the instant in UTC+8.
inline constexpr std::array<UncertainSpan, ${spans.length}> kUncertainSpans = {{
${spans.map((u) => `    {${ymd(u.from)}, ${ymd(u.to)}},  // ${u.what}: ${u.note}`).join('\n')}
}};

}  // namespace velmora
`);
