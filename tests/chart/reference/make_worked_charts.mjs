// Writes worked_charts.csv: whole charts of a few births from the peer library
// iztro 2.6.1 (astro.bySolar, its default school), every one of our 91 stars by
// name, the masters (the life master from iztro's table keyed by the year branch, as
// ours is) and the first age of each palace's decade; the 旬空 pair
// (iztro places one star only) and the Dou Jun from the rules cited in
// make_chart_reference.mjs. Births avoid the days where the two conventions part:
// the late 子 hour, day 15 of a leap month, dates between 立春 and the new year.
//
//   mkdir -p /tmp/ref && cd /tmp/ref && npm install iztro@2.6.1
//   NODE_PATH=/tmp/ref/node_modules node make_worked_charts.mjs
import { createRequire } from 'node:module';
import { writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const require = createRequire(import.meta.url);
const { astro } = require('iztro');
const { earthlyBranches } = require('iztro/lib/data/earthlyBranches');
const MASTER = { tanlangMaj: 9, jumenMaj: 10, lucunMin: 21, wenquMin: 16, lianzhenMaj: 6, wuquMaj: 4, pojunMaj: 14 };
const KEYS = ['zi', 'chou', 'yin', 'mao', 'chen', 'si', 'wu', 'wei', 'shen', 'you', 'xu', 'hai'];
const here = dirname(fileURLToPath(import.meta.url));

const STEMS = [...'甲乙丙丁戊己庚辛壬癸'];
const BRANCHES = [...'子丑寅卯辰巳午未申酉戌亥'];
// Our star numbers 1..65 and 68..91 by name (the order of the name list).
const NAMES = ('紫微 天機 太陽 武曲 天同 廉貞 天府 太陰 貪狼 巨門 天相 天梁 七殺 破軍 文昌 文曲 左輔 右弼 天魁 天鉞 ' +
  '祿存 天馬 火星 鈴星 擎羊 陀羅 地空 地劫 截路 空亡 天傷 天使 天刑 天姚 紅鸞 天喜 龍池 鳳閣 天虛 天哭 咸池 孤辰 ' +
  '寡宿 陰煞 破碎 三台 八座 台輔 封誥 恩光 天貴 天才 天壽').split(' ');
const GROWTH = '長生 沐浴 冠帶 臨官 帝旺 衰 病 死 墓 絕 胎 養'.split(' ');
const BOSHI = '博士 力士 青龍 小耗 將軍 奏書 飛廉 喜神 病符 大耗 伏兵 官府'.split(' ');
const SUIJIAN = '歲建 晦氣 喪門 貫索 官符 小耗 大耗 龍德 白虎 天德 弔客 病符'.split(' ');

// Columns of a birth: solar date, clock hour (0, 2, .. 22), gender 1 male / 0 female.
const BIRTHS = [['2000-01-01', 0, 1], ['1987-02-27', 12, 0], ['2023-03-31', 18, 1], ['1953-11-20', 4, 0], ['1962-09-03', 20, 0]];

const rows = [];
for (const [date, clockHour, gender] of BIRTHS) {
  const chart = astro.bySolar(date, clockHour / 2, gender ? '男' : '女', true, 'zh-TW');
  const key = `${date},${clockHour},${gender}`;
  const star = {};
  for (const palace of chart.palaces) {
    const b = palace.earthlyBranch;
    for (const s of [...palace.majorStars, ...palace.minorStars, ...palace.adjectiveStars]) {
      if (NAMES.includes(s.name)) star[NAMES.indexOf(s.name) + 1] = b;
    }
    star[54 + GROWTH.indexOf(palace.changsheng12)] = b;
    star[68 + BOSHI.indexOf(palace.boshi12)] = b;
    star[80 + SUIJIAN.indexOf(palace.suiqian12)] = b;
    rows.push([key, 'decade', b, palace.decadal.range[0]]);
  }
  const [yearStem, yearBranch] = chart.rawDates.chineseDate.yearly;
  const cycle = [...Array(60).keys()].find((n) => STEMS[n % 10] === yearStem && BRANCHES[n % 12] === yearBranch);
  star[66] = BRANCHES[(10 - 2 * Math.floor(cycle / 10) + 12) % 12];
  star[67] = BRANCHES[(11 - 2 * Math.floor(cycle / 10) + 12) % 12];
  for (let n = 1; n <= 91; ++n) rows.push([key, 'star', n, star[n]]);
  // iztro keys its 命主 by the life palace's branch; ours by the year branch, from the same table.
  rows.push([key, 'life master', '', MASTER[earthlyBranches[`${KEYS[BRANCHES.indexOf(yearBranch)]}Earthly`].soul]]);
  rows.push([key, 'body master', '', NAMES.indexOf(chart.body) + 1]);
  const { lunarMonth } = chart.rawDates.lunarDate;
  rows.push([key, 'dou jun', '', BRANCHES[((clockHour / 2 - (lunarMonth - 1)) % 12 + 12) % 12]]);
}
const lines = [
  '# Whole charts of five births from iztro 2.6.1 astro.bySolar (default school), the 旬空 pair and',
  '# the Dou Jun by the rules cited in make_chart_reference.mjs. Generated once by make_worked_charts.mjs.',
  '# Columns: solar date,clock hour,gender (1 male);what;star number or branch;branch, star number or age',
];
for (const r of rows) lines.push(r.join(','));
writeFileSync(join(here, 'worked_charts.csv'), lines.join('\n') + '\n');
