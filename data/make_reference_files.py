#!/usr/bin/env python3
"""Writes the three reference files Velmora ships with: ProperN, Mia and Four.

They are Big5 (code page 950) text with CR LF line ends, committed byte for
byte. Run from anywhere: python3 data/make_reference_files.py
"""
from pathlib import Path

HERE = Path(__file__).resolve().parent

# ProperN: one line per word group, words joined by full stops.
PROPER_N = [
    "甲.乙.丙.丁.戊.己.庚.辛.壬.癸",  # 1: stems
    "子.丑.寅.卯.辰.巳.午.未.申.酉.戌.亥",  # 2: branches
    "命宮.兄弟.夫妻.子女.財帛.疾厄.遷移.交友.官祿.田宅.福德.父母.身宮",  # 3: palaces, body palace
    "木三局.火六局.土五局.金四局.水二局",  # 4: bureaus
    "紫微.天機.太陽.武曲.天同.廉貞.天府.太陰.貪狼.巨門.天相.天梁.七殺.破軍"
    ".文昌.文曲.左輔.右弼.天魁.天鉞.祿存.天馬.火星.鈴星.擎羊.陀羅.地空.地劫",  # 5: stars 1..28
    "截路.空亡.天傷.天使.天刑.天姚.紅鸞.天喜.龍池.鳳閣.天虛.天哭.咸池.孤辰.寡宿"
    ".陰煞.破碎.三台.八座.台輔.封誥.恩光.天貴.天才.天壽",  # 6: stars 29..53
    "長生.沐浴.冠帶.臨官.帝旺.衰.病.死.墓.絕.胎.養",  # 7: stars 54..65
    "旬空.旬空",  # 8: stars 66..67
    "博士.力士.青龍.小耗.將軍.奏書.飛廉.喜神.病符.大耗.伏兵.官府",  # 9: stars 68..79
    "歲建.晦氣.喪門.貫索.官符.小耗.大耗.龍德.白虎.天德.弔客.病符",  # 10: stars 80..91
]

# Mia: the level names weakest first, then rows of star number + levels 子..亥.
MIA = ["陷不平利得旺廟"] + """
01376656776656 02715643715643 03126766655321 04675473675473 05624337126337
06347341347341 07777575675675 08776111224667 09673471673471 10627716627716
11777155757155 12767771761571 13677673677673 14765163765163 15571457145714
16573657165716 23157415741574 24157415741574 25170170170170 26071071071071
""".split()

# Four: per stem 甲..癸 the stars of 祿, 權, 科, 忌 in two digits each.
FOUR = """
06140403 02120108 05021506 08050210 09081802
04091216 03040805 10031615 12011704 14100809
""".split()


def write(name, lines):
    data = b"".join(line.encode("cp950") + b"\r\n" for line in lines)
    (HERE / name).write_bytes(data)


if __name__ == "__main__":
    assert len(PROPER_N) == 10 and len(MIA) == 21 and len(FOUR) == 10
    write("ProperN", PROPER_N)
    write("Mia", MIA)
    write("Four", FOUR)
