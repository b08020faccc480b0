// Writes four_pillars.csv beside this script: the 四柱 (year from 立春, month from
// the month-opening term, day, and the 午 hour) of every day 1901..2099 on which
// the year counted from 立春 differs from the year counted from the lunar new year,
// as lunar-javascript computes them, never from our tables.
//
//   mkdir -p /tmp/ref && cd /tmp/ref && npm install lunar-javascript@1.7.7
//   NODE_PATH=/tmp/ref/node_modules node make_four_pillars.mjs
//
// The year and month turn on the civil day of their term (UTC+8), as a birth
// moment given by day and period is read: getYearInGanZhiByLiChun and
// getMonthInGanZhi, not their "Exact" forms that turn at the term's instant.
import { createRequire } from 'node:module';
import { writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const { Solar } = createRequire(import.meta.url)('lunar-javascript');
const here = dirname(fileURLToPath(import.meta.url));
const kPinned = '1.7.7';
const kNoon = 12;  // inside the 午 period, far from either end of the day

const pad = (n) => String(n).padStart(2, '0');

function rows() {
  const out = [];
  for (let t = Date.UTC(1901, 0, 1); t <= Date.UTC(2099, 11, 31); t += 24 * 3600 * 1000) {
    const d = new Date(t);
    const [y, m, day] = [d.getUTCFullYear(), d.getUTCMonth() + 1, d.getUTCDate()];
    const lunar = Solar.fromYmdHms(y, m, day, kNoon, 0, 0).getLunar();
    const springYear = lunar.getYearInGanZhiByLiChun();
    if (springYear === lunar.getYearInGanZhi()) continue;
    out.push([`${y}-${pad(m)}-${pad(day)}`, lunar.getYearInGanZhi(), springYear, lunar.getMonthInGanZhi(),
              lunar.getDayInGanZhi(), lunar.getTimeInGanZhi()].join(','));
  }
  return out;
}

const lines = [
  `# The 四柱 of every day 1901..2099 whose 立春 year differs from its lunar-new-year year, at 12:00.`,
  `# Generated once by make_four_pillars.mjs from lunar-javascript ${kPinned}.`,
  `# Columns: day,lunar_new_year_year,year (from 立春),month (from its 節 day),day,hour (午)`,
  ...rows(),
];
writeFileSync(join(here, 'four_pillars.csv'), lines.join('\n') + '\n');
