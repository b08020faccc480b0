// Writes lunar_months.csv and solar_terms.csv beside this script: the first day of
// every lunar month and the day of every month-opening solar term (節), computed
// from the Sun's and Moon's positions by astronomy-engine, never from our tables.
//
//   mkdir -p /tmp/ref && cd /tmp/ref && npm install astronomy-engine@2.1.19 lunar-javascript@1.7.7
//   NODE_PATH=/tmp/ref/node_modules node make_reference.mjs
//
// Before 1929 the calendar in force was not this computation: the Qing almanac (to 1911)
// and the early Republic's calendar reckoned their own way. Where a month or a 節 of those
// years differs, a "#kept" row gives the day the issued calendar used, read from
// lunar-javascript (whose correction strings encode the almanacs), with the reason.
//
// Civil days are those of China Standard Time (UTC+8). The lunar calendar rule:
// a month opens on the day of its new moon; the month holding the winter solstice
// is month 11; when thirteen months open between two month-11s, the first of them
// that holds no principal term (中氣) is the leap month, numbered as the month before.
import { createRequire } from 'node:module';
import { writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const require = createRequire(import.meta.url);
const Astronomy = require('astronomy-engine');
const { LunarYear, Lunar, Solar } = require('lunar-javascript');
const here = dirname(fileURLToPath(import.meta.url));
const kPinned = '2.1.19';
const kFirstYear = 1799, kLastYear = 2201;      // the table years
const kLastIssuedYear = 1928;                    // the last year the issued calendar is compared
const kIssued = 'the calendar as issued then (Qing almanac to 1911) opens it on this day';
const kHourMs = 3600 * 1000;
const kDayMs = 24 * kHourMs;

// The civil day (UTC+8) and clock time of an astronomical instant.
const chinaTime = (t) => new Date(t.date.getTime() + 8 * kHourMs).toISOString();
const civilDay = (t) => chinaTime(t).slice(0, 10);
const clock = (t) => chinaTime(t).slice(11, 16);
const dayNumber = (t) => Math.floor((t.date.getTime() + 8 * kHourMs) / kDayMs);

function newMoons(from, to) {
  const moons = [];
  let t = Astronomy.MakeTime(from);
  for (;;) {
    const moon = Astronomy.SearchMoonPhase(0, t, 40);
    if (moon.date >= to) return moons;
    moons.push(moon);
    t = moon.AddDays(20);
  }
}

function sunReaches(longitude, from, to) {
  const times = [];
  let t = Astronomy.MakeTime(from);
  for (;;) {
    const hit = Astronomy.SearchSunLongitude(longitude, t, 400);
    if (!hit) { t = t.AddDays(10); continue; }  // the search can miss from an unlucky start; step on
    if (hit.date >= to) return times;
    times.push(hit);
    t = hit.AddDays(300);
  }
}

// Deliberate differences: months and terms our tables keep otherwise, with why.
// Each becomes a comment row "#kept,<key>,<our value>,<reason>" after the row it concerns.
const kBeijingLocal = 'the calendar then in use was reckoned in Beijing local time (UTC+7:46)';
const kKept = {
  '1914,10,0': ['1914-11-17', `the new moon fell at 23:48 Beijing local time on 17 November (00:02 on the 18th in UTC+8); ${kBeijingLocal}`],
  '1916,1,0': ['1916-02-03', `the new moon fell at 23:51 Beijing local time on 3 February (00:05 on the 4th in UTC+8); ${kBeijingLocal}`],
  '1920,10,0': ['1920-11-10', `the new moon fell at 23:51 Beijing local time on 10 November (00:05 on the 11th in UTC+8); ${kBeijingLocal}`],
  '2057,9,0': ['2057-09-28', 'the one ambiguous month: the new moon falls within a minute of midnight UTC+8 (00:00:40 on the 29th here), closer than the uncertainty of the Earth\'s rotation that far ahead; our table opens month 9 on 28 September'],
  '2097,7,0': ['2097-08-07', 'the new moon falls within a minute of midnight UTC+8 (00:00:15 on the 8th here), closer than the uncertainty of the Earth\'s rotation that far ahead; our table opens month 7 on 7 August'],
};

function lunarMonths() {
  const from = new Date(Date.UTC(kFirstYear - 1, 10, 1)), to = new Date(Date.UTC(kLastYear, 2, 1));
  const moons = newMoons(from, to).map((m) => ({ day: dayNumber(m), time: m }));
  const principal = [];
  for (let lon = 0; lon < 360; lon += 30) for (const t of sunReaches(lon, from, to)) principal.push({ day: dayNumber(t), lon });
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
      rows.push({ month, leap, time: moons[i].time });
    }
  }
  return rows;
}

// The lunar year of a month: months 1..10 belong to the year of their new year;
// months 11 and 12 to the year before the next month 1.
function numberYears(rows) {
  let year = 0;
  for (const r of rows) {
    if (r.month === 1 && !r.leap) year = Number(civilDay(r.time).slice(0, 4));
    r.lunarYear = year;
  }
  return rows.filter((r) => r.lunarYear >= kFirstYear && r.lunarYear < kLastYear || (r.lunarYear === kLastYear && r.month === 1 && !r.leap));
}

// The first day of every month of the issued calendar, by "year,month,leap".
function issuedMonthStarts() {
  const starts = new Map();
  for (let year = kFirstYear; year <= kLastIssuedYear; ++year) {
    for (const m of LunarYear.fromYear(year).getMonths().filter((x) => x.getYear() === year)) {
      starts.set(`${year},${Math.abs(m.getMonth())},${m.getMonth() < 0 ? 1 : 0}`, Solar.fromJulianDay(m.getFirstJulianDay()).toYmd());
    }
  }
  return starts;
}

// A "#kept" row for a month of the issued calendar that differs ("none": it has no such month).
function issuedDifference(key, lunarYear, day, issued) {
  if (lunarYear > kLastIssuedYear || kKept[key]) return null;
  const kept = issued.get(key) ?? 'none';
  return kept === day ? null : [kept, kIssued];
}

function writeLunarMonths() {
  const lines = [
    `# First civil day (UTC+8) of every lunar month, lunar years ${kFirstYear}..${kLastYear - 1} and month 1 of ${kLastYear}.`,
    `# Generated once by make_reference.mjs from astronomy-engine ${kPinned} (new moons, solar longitudes).`,
    `# Columns: lunar_year,month,leap (1 = leap month after that month),first_day,new_moon (UTC+8)`,
    `# A "#kept" row names a month our table opens on another day on purpose, with the day it keeps.`,
  ];
  const issued = issuedMonthStarts();
  for (const r of numberYears(lunarMonths())) {
    const key = `${r.lunarYear},${r.month},${r.leap ? 1 : 0}`;
    lines.push(`${key},${civilDay(r.time)},${civilDay(r.time)} ${clock(r.time)}`);
    const kept = kKept[key] ?? issuedDifference(key, r.lunarYear, civilDay(r.time), issued);
    if (kept) lines.push(`#kept,${key},${kept[0]},${kept[1]}`);
  }
  writeFileSync(join(here, 'lunar_months.csv'), lines.join('\n') + '\n');
}

// The day of 節 `term` of `year` in the issued calendar (12 is 小寒 of the next January).
const kTermNames = ['立春', '惊蛰', '清明', '立夏', '芒种', '小暑', '立秋', '白露', '寒露', '立冬', '大雪'];
function issuedTermDay(year, term) {
  const table = Lunar.fromYmd(term === 12 ? year + 1 : year, 6, 1).getJieQiTable();
  return table[term === 12 ? '小寒' : kTermNames[term - 1]].toYmd();
}

// 節: 立春 315°, 驚蟄 345°, 清明 15°, ... 大雪 255°, 小寒 285° (of the next January).
function writeSolarTerms() {
  const lines = [
    `# Civil day (UTC+8) of every month-opening solar term (節), term years ${kFirstYear}..${kLastYear}.`,
    `# A "#kept" row names a term the issued calendar put on another day, with that day.`,
    `# Generated once by make_reference.mjs from astronomy-engine ${kPinned} (apparent solar longitude).`,
    `# Columns: year,term (1 立春 .. 11 大雪, 12 小寒 of the next January),day,instant (UTC+8)`,
  ];
  const from = new Date(Date.UTC(kFirstYear, 0, 15)), to = new Date(Date.UTC(kLastYear + 1, 0, 15));
  const rows = [];
  for (let term = 1; term <= 12; ++term) {
    for (const t of sunReaches((315 + 30 * (term - 1)) % 360, from, to)) {
      const year = Number(civilDay(t).slice(0, 4)) - (term === 12 ? 1 : 0);
      if (year >= kFirstYear && year <= kLastYear) rows.push({ year, term, t });
    }
  }
  rows.sort((a, b) => a.year - b.year || a.term - b.term);
  for (const r of rows) {
    lines.push(`${r.year},${r.term},${civilDay(r.t)},${civilDay(r.t)} ${clock(r.t)}`);
    const issued = r.year <= kLastIssuedYear ? issuedTermDay(r.year, r.term) : civilDay(r.t);
    if (issued !== civilDay(r.t)) lines.push(`#kept,${r.year},${r.term},${issued},${kIssued}`);
  }
  writeFileSync(join(here, 'solar_terms.csv'), lines.join('\n') + '\n');
}

// 中氣: 雨水 330°, 春分 0°, ... 冬至 270°, 大寒 300° (of the next January), for the
// rule checks: no leap month holds one, and 冬至 lies in month 11.
const kPrincipalNames = ['雨水', '春分', '谷雨', '小满', '夏至', '大暑', '处暑', '秋分', '霜降', '小雪', '冬至', '大寒'];
function writePrincipalTerms() {
  const lines = [
    `# Civil day (UTC+8) of every principal solar term (中氣), term years ${kFirstYear}..${kLastYear}.`,
    `# Generated once by make_reference.mjs from astronomy-engine ${kPinned} (apparent solar longitude).`,
    `# Columns: year,term (1 雨水 .. 11 冬至, 12 大寒 of the next January),day,instant (UTC+8)`,
    `# A "#kept" row names a term the issued calendar put on another day, with that day.`,
  ];
  const from = new Date(Date.UTC(kFirstYear, 0, 25)), to = new Date(Date.UTC(kLastYear + 1, 0, 25));
  const rows = [];
  for (let term = 1; term <= 12; ++term) {
    for (const t of sunReaches((330 + 30 * (term - 1)) % 360, from, to)) {
      const year = Number(civilDay(t).slice(0, 4)) - (term === 12 ? 1 : 0);
      if (year >= kFirstYear && year <= kLastYear) rows.push({ year, term, t });
    }
  }
  rows.sort((a, b) => a.year - b.year || a.term - b.term);
  for (const r of rows) {
    lines.push(`${r.year},${r.term},${civilDay(r.t)},${civilDay(r.t)} ${clock(r.t)}`);
    if (r.year > kLastIssuedYear) continue;
    const table = Lunar.fromYmd(r.term === 12 ? r.year + 1 : r.year, 6, 1).getJieQiTable();
    const issued = table[r.term === 11 ? 'DONG_ZHI' : kPrincipalNames[r.term - 1]].toYmd();  // '冬至' is the one before
    if (issued !== civilDay(r.t)) lines.push(`#kept,${r.year},${r.term},${issued},${kIssued}`);
  }
  writeFileSync(join(here, 'principal_terms.csv'), lines.join('\n') + '\n');
}

writeLunarMonths();
writeSolarTerms();
writePrincipalTerms();
