// Writes the chart reference tables beside this script from the peer library
// iztro 2.6.1 (its exported placement functions, or, where a function needs a
// whole birth date, the one-line rule of the iztro source file named in the
// table's header, restated here). Where iztro's convention differs from ours a
// "#kept" row names our value and why. Stems and branches are written as names.
//
//   mkdir -p /tmp/ref && cd /tmp/ref && npm install iztro@2.6.1
//   NODE_PATH=/tmp/ref/node_modules node make_chart_reference.mjs
import { createRequire } from 'node:module';
import { writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const require = createRequire(import.meta.url);
const here = dirname(fileURLToPath(import.meta.url));
const palace = require('iztro/lib/astro/palace');
const location = require('iztro/lib/star/location');
const decorative = require('iztro/lib/star/decorativeStar');
const horoscope = require('iztro/lib/star/horoscopeStar');
const { earthlyBranches } = require('iztro/lib/data/earthlyBranches');
require('iztro/lib/i18n').setLanguage('zh-TW');  // star names as written here

const STEMS = [...'甲乙丙丁戊己庚辛壬癸'];
const BRANCHES = [...'子丑寅卯辰巳午未申酉戌亥'];
const BUREAUS = ['木三局', '火六局', '土五局', '金四局', '水二局'];  // our bureau index 1..5
const BUREAU_NUMBER = { 木三局: 3, 火六局: 6, 土五局: 5, 金四局: 4, 水二局: 2 };
// iztro counts palaces from 寅 (index 0); our branches from 子 (1).
const fromYin = (index) => BRANCHES[(((index % 12) + 12) % 12 + 2) % 12];
const wrap = (n) => ((n % 12) + 12) % 12;  // 0 = 子
const branch = (zeroFromZi) => BRANCHES[wrap(zeroFromZi)];

function write(name, source, columns, rows, kept = {}) {
  const lines = [`# ${source}`, `# Generated once by make_chart_reference.mjs.`, `# Columns: ${columns}`];
  for (const row of rows) {
    lines.push(row.join(','));
    const key = row.slice(0, columns.split(';')[0].split(',').length).join(',');
    if (kept[key]) lines.push(`#kept,${key},${kept[key]}`);
  }
  writeFileSync(join(here, name), lines.join('\n') + '\n');
}

// Bureau (五行局) of the life palace's stem-branch pair: iztro palace.getFiveElementsClass (納音).
const bureau = [];
for (let n = 0; n < 60; ++n) {
  const s = STEMS[n % 10], b = BRANCHES[n % 12];
  bureau.push([s, b, BUREAUS.indexOf(palace.getFiveElementsClass(s, b)) + 1]);
}
write('bureau.csv', 'iztro 2.6.1 lib/astro/palace.js getFiveElementsClass: the 納音 element of the pair',
  'life stem,life branch;bureau index (1 木三局 2 火六局 3 土五局 4 金四局 5 水二局)', bureau);

// 紫微 by bureau and day: iztro lib/star/location.js getStartIndex, its loop restated.
const ziwei = [];
for (const name of BUREAUS) {
  const value = BUREAU_NUMBER[name];
  for (let day = 1; day <= 30; ++day) {
    let offset = -1, quotient, remainder;
    do { ++offset; quotient = Math.floor((day + offset) / value); remainder = (day + offset) % value; } while (remainder !== 0);
    let index = (quotient % 12) - 1;
    index += offset % 2 === 0 ? offset : -offset;
    ziwei.push([BUREAUS.indexOf(name) + 1, day, fromYin(index)]);
  }
}
write('ziwei.csv', 'iztro 2.6.1 lib/star/location.js getStartIndex (紫微; 天府 mirrors it)',
  'bureau index,lunar day;紫微 branch', ziwei);

// By year stem: 祿存 擎羊 陀羅 (getLuYangTuoMaIndex), 天魁 天鉞 (getKuiYueIndex), 截路 空亡
// (getYearlyStarIndex's jielu/kongwang lists), and the flowing stars of a year or day of that
// stem: 流祿 流羊 流陀 流魁 流鉞 流昌 流曲 (horoscopeStar.getHoroscopeStar).
const JIELU = ['申', '午', '辰', '寅', '子'], KONGWANG = ['酉', '未', '巳', '卯', '丑'];
const byStem = STEMS.map((s, i) => {
  const lu = location.getLuYangTuoMaIndex(s, '子'), ky = location.getKuiYueIndex(s);
  const flowing = horoscope.getHoroscopeStar(s, '子', 'yearly');
  const at = (name) => fromYin(flowing.findIndex((list) => list.some((star) => star.name === name)));
  return [s, fromYin(lu.luIndex), fromYin(lu.yangIndex), fromYin(lu.tuoIndex), fromYin(ky.kuiIndex), fromYin(ky.yueIndex),
    JIELU[i % 5], KONGWANG[i % 5], ...['流祿', '流羊', '流陀', '流魁', '流鉞', '流昌', '流曲'].map(at)];
});
write('year_stem.csv', 'iztro 2.6.1 lib/star/location.js and lib/star/horoscopeStar.js',
  'year stem;祿存 21,擎羊 25,陀羅 26,天魁 19,天鉞 20,截路 29,空亡 30,流祿,流羊,流陀,流魁,流鉞,流昌,流曲', byStem);

// By year branch: 天馬 (getLuYangTuoMaIndex), 紅鸞 天喜 (getLuanXiIndex), 龍池 鳳閣 天虛 天哭
// 破碎 (getYearlyStarIndex's rules), 咸池 (getHuagaiXianchiIndex), 孤辰 寡宿 (getGuGuaIndex);
// the 歲建 ring starts on the year branch and runs forward (decorativeStar.getYearly12).
const byBranch = BRANCHES.map((b, i) => {
  const luanxi = location.getLuanXiIndex(b), gugua = location.getGuGuaIndex(b);
  return [b, fromYin(location.getLuYangTuoMaIndex('甲', b).maIndex), fromYin(luanxi.hongluanIndex),
    fromYin(luanxi.tianxiIndex), branch(4 + i), branch(10 - i), branch(6 + i), branch(6 - i),
    fromYin(location.getHuagaiXianchiIndex(b).xianchiIndex), fromYin(gugua.guchenIndex), fromYin(gugua.guasuIndex),
    ['巳', '丑', '酉'][i % 3], b];
});
write('year_branch.csv', 'iztro 2.6.1 lib/star/location.js (getYearlyStarIndex and helpers) and decorativeStar.getYearly12',
  'year branch;天馬 22,紅鸞 35,天喜 36,龍池 37,鳳閣 38,天虛 39,天哭 40,咸池 41,孤辰 42,寡宿 43,破碎 45,歲建 80 (ring start)', byBranch);

// By hour branch: 文昌 文曲 (getChangQuIndex), 地空 地劫 (getKongJieIndex), 台輔 封誥 (getTimelyStarIndex);
// 火星 鈴星 by year branch and hour (getHuoLingIndex).
const byHour = BRANCHES.map((h, t) => {
  const cq = location.getChangQuIndex(t), kj = location.getKongJieIndex(t), tf = location.getTimelyStarIndex(t);
  return [h, fromYin(cq.changIndex), fromYin(cq.quIndex), fromYin(kj.kongIndex), fromYin(kj.jieIndex),
    fromYin(tf.taifuIndex), fromYin(tf.fenggaoIndex)];
});
write('hour.csv', 'iztro 2.6.1 lib/star/location.js getChangQuIndex, getKongJieIndex, getTimelyStarIndex',
  'hour branch;文昌 15,文曲 16,地空 27,地劫 28,台輔 48,封誥 49', byHour);
const huoLing = [];
for (const b of BRANCHES) BRANCHES.forEach((h, t) => {
  const hl = location.getHuoLingIndex(b, t);
  huoLing.push([b, h, fromYin(hl.huoIndex), fromYin(hl.lingIndex)]);
});
write('huo_ling.csv', 'iztro 2.6.1 lib/star/location.js getHuoLingIndex', 'year branch,hour branch;火星 23,鈴星 24', huoLing);

// By lunar month: 左輔 右弼 (getZuoYouIndex), 天刑 天姚 陰煞 (getMonthlyStarIndex's rules).
const YINSHA = ['寅', '子', '戌', '申', '午', '辰'];
const byMonth = [];
for (let m = 1; m <= 12; ++m) {
  const zy = location.getZuoYouIndex(m);
  byMonth.push([m, fromYin(zy.zuoIndex), fromYin(zy.youIndex), branch(9 + m - 1), branch(1 + m - 1), YINSHA[(m - 1) % 6]]);
}
write('month.csv', 'iztro 2.6.1 lib/star/location.js getZuoYouIndex, getMonthlyStarIndex',
  'lunar month;左輔 17,右弼 18,天刑 33,天姚 34,陰煞 44', byMonth);

// By month, hour and day: 三台 八座 from 左輔 右弼, 恩光 天貴 from 文昌 文曲 (getDailyStarIndex).
const byDay = [];
for (let m = 1; m <= 12; ++m) for (let day = 1; day <= 30; ++day) {
  const t = (m + day) % 12, zy = location.getZuoYouIndex(m), cq = location.getChangQuIndex(t), d = day - 1;
  byDay.push([m, BRANCHES[t], day, fromYin((zy.zuoIndex + d) % 12), fromYin((zy.youIndex - d) % 12),
    fromYin(((cq.changIndex + d) % 12) - 1), fromYin(((cq.quIndex + d) % 12) - 1)]);
}
write('day.csv', 'iztro 2.6.1 lib/star/location.js getDailyStarIndex',
  'lunar month,hour branch,lunar day;三台 46,八座 47,恩光 50,天貴 51', byDay);

// The life and body palaces (命宮: 寅 counts month 1, forward to the month, back to the hour;
// 身宮: forward to the hour), and the stars they carry: 天才 天壽 (getYearlyStarIndex),
// 天傷 天使 (getTianshiTianshangIndex).
const byPalace = [];
for (let m = 1; m <= 12; ++m) BRANCHES.forEach((h, t) => {
  const soul = wrap(m - 1 - t), body = wrap(m - 1 + t), y = (m * 5 + t) % 12;  // indices from 寅
  const ts = location.getTianshiTianshangIndex('男', BRANCHES[y], soul);
  byPalace.push([m, h, BRANCHES[y], fromYin(soul), fromYin(body), fromYin(soul + y), fromYin(body + y),
    fromYin(ts.tianshangIndex), fromYin(ts.tianshiIndex)]);
});
write('palace_stars.csv', 'iztro 2.6.1 lib/astro/palace.js getSoulAndBody, lib/star/location.js getYearlyStarIndex, getTianshiTianshangIndex',
  'lunar month,hour branch,year branch;life palace,body palace,天才 52,天壽 53,天傷 31,天使 32', byPalace);

// Rings: the twelve growth stages from 長生 (decorativeStar.getChangesheng12StartIndex), the
// twelve 博士 stars from 祿存 (getBoShi12); forward for a yang man or a yin woman.
const rings = [];
BUREAUS.forEach((name, i) => {
  const start = decorative.getChangesheng12StartIndex(name);
  for (const forward of [1, 0]) rings.push(['長生', i + 1, forward, ...Array.from({ length: 12 }, (_, k) => fromYin(start + (forward ? k : -k)))]);
});
STEMS.forEach((s, i) => {
  const start = location.getLuYangTuoMaIndex(s, '子').luIndex;
  for (const forward of [1, 0]) rings.push(['博士', i + 1, forward, ...Array.from({ length: 12 }, (_, k) => fromYin(start + (forward ? k : -k)))]);
});
write('rings.csv', 'iztro 2.6.1 lib/star/decorativeStar.js getChangesheng12StartIndex, getBoShi12',
  'ring,bureau index or year stem,forward;branches of its twelve stars in order (長生 54..養 65 or 博士 68..官府 79)', rings);

// Masters by year branch: iztro lib/data/earthlyBranches.js soul (命主) and body (身主).
const STAR = { tanlangMaj: 9, jumenMaj: 10, lucunMin: 21, wenquMin: 16, lianzhenMaj: 6, wuquMaj: 4, pojunMaj: 14,
  huoxingMin: 23, tianxiangMaj: 11, tianliangMaj: 12, tiantongMaj: 5, wenchangMin: 15, tianjiMaj: 2, lingxingMin: 24 };
const KEYS = ['zi', 'chou', 'yin', 'mao', 'chen', 'si', 'wu', 'wei', 'shen', 'you', 'xu', 'hai'];
const masters = BRANCHES.map((b, i) => [b, STAR[earthlyBranches[`${KEYS[i]}Earthly`].soul], STAR[earthlyBranches[`${KEYS[i]}Earthly`].body]]);
// Our 午 year keeps 鈴星 as body master, where iztro has 火星 (both readings are in print).
const kept = { 午: `${masters[6][1]},24,the 午 year's body master is 鈴星 here (chart/StarPlacement.cpp); iztro has 火星` };
write('masters.csv', 'iztro 2.6.1 lib/data/earthlyBranches.js soul and body (star numbers)',
  'year branch;life master,body master', masters, kept);

// The three year gods of the flowing year by year branch: 奏書 on the 劫煞, 將軍 on the 咸池 and
// 直符 on the 攀鞍 of iztro's 將前 ring (decorativeStar.getJiangqian12StartIndex: 將星 on the
// trine's middle branch; 攀鞍 one on, 劫煞 five on, 咸池 nine on).
const gods = BRANCHES.map((b) => {
  const jiangxing = decorative.getJiangqian12StartIndex(b);  // from 寅
  return [b, fromYin(jiangxing + 5), fromYin(jiangxing + 9), fromYin(jiangxing + 1)];
});
write('year_gods.csv', 'iztro 2.6.1 lib/star/decorativeStar.js getJiangqian12StartIndex (將前 ring: 劫煞, 咸池, 攀鞍)',
  'year branch;奏書,將軍,直符', gods);

// Void pair (旬空) by the year's pair in the sixty-cycle: each 旬 of ten leaves two branches
// void (甲子旬 戌亥, 甲戌旬 申酉, 甲申旬 午未, 甲午旬 辰巳, 甲辰旬 寅卯, 甲寅旬 子丑). iztro
// places one 旬空 star only, so this table is written from that rule.
const voids = [];
for (let n = 0; n < 60; ++n) voids.push([STEMS[n % 10], BRANCHES[n % 12], branch(10 - 2 * Math.floor(n / 10)), branch(11 - 2 * Math.floor(n / 10))]);
write('void_pair.csv', 'the six 旬 of the sixty-cycle and the two branches each leaves void',
  'year stem,year branch;旬空 66,旬空 67', voids);

// 斗君 of the 子 year: from 子 count month 1, back to the birth month, then forward to the
// birth hour (紫微斗數全書, 斗君訣).
const douJun = [];
for (let m = 1; m <= 12; ++m) BRANCHES.forEach((h, t) => douJun.push([m, h, branch(-(m - 1) + t)]));
write('dou_jun.csv', '斗君訣 (紫微斗數全書): from 子 count month 1 back to the birth month, then the hours forward',
  'lunar month,hour branch;斗君', douJun);

// 小限 by year branch, gender and nominal age: age 1 on utils.getAgeIndex's palace (申子辰 戌,
// 寅午戌 辰, 巳酉丑 未, 亥卯未 丑), a man moving forward a palace a year, a woman backward
// (lib/astro/palace.js getHoroscope's ages).
const { getAgeIndex } = require('iztro/lib/utils');
const minorLimit = [];
for (const b of BRANCHES) for (const gender of [1, 0]) for (let age = 1; age <= 24; ++age) {
  minorLimit.push([b, gender, age, fromYin(getAgeIndex(b) + (gender ? age - 1 : 1 - age))]);
}
write('minor_limit.csv', 'iztro 2.6.1 lib/astro/palace.js getHoroscope (ages) and lib/utils getAgeIndex',
  'year branch,gender (1 male),nominal age;小限 palace', minorLimit);
