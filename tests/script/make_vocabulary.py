#!/usr/bin/env python3
"""Writes tests/script/vocabulary.tsv: every distinct text Velmora can show,
Traditional and Simplified, for the vocabulary test to compare the program's
own conversion with.

Run from anywhere (python3, standard library only; needs Debian's opencc):
    apt-get install opencc            # Debian 12: opencc 1.1.6+ds1-1
    python3 tests/script/make_vocabulary.py

The texts:
  - every string literal holding a non-ASCII character in the program's
    sources (the rooms below; comments dropped first). A literal is kept as
    written, escapes and %1 placeholders included; a raw literal spanning
    lines gives one text a line, as a table row is one line;
  - every entry of data/ProperN and each level name of data/Mia's first line
    (Big5, read as code page 950 as the files room reads them);
  - the period labels (the hour label text split on commas).
Place names are not among them: the places list carries its own Simplified
column.

Each is converted by `opencc -c tw2sp` (Taiwan phrases to the mainland's:
滑鼠 → 鼠标, 匯出 → 导出), then MAINLAND_WORDS below; where that is wrong for our text the
right form, checked by eye, comes from vocabulary_overrides.tsv beside this
script. The C++ test scans the sources by the same rules, so the two must agree.
"""

import re
import subprocess
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
ROOT = HERE.parents[1]
ROOMS = ["ui", "output", "files", "moment", "chart", "reading", "query", "calendar", "app", "tools", "script"]
SOURCE_SUFFIXES = {".cpp", ".h"}
BIG5_CODEC = "cp950"  # the files room reads code page 950
NAME_SEPARATOR = "."
UNSET_LEVEL_NAME = "\u3000"  # an unset level is an ideographic space
HOUR_LABEL_SOURCE = ROOT / "chart" / "ReferenceData.cpp"
OPENCC_PINNED = "1.1.6"
OPENCC_CONFIG = "tw2sp"
# Taiwan words the Taiwan phrases leave (or make) that a mainland reader says
# otherwise, replaced after opencc as script/ChineseConverter.cpp replaces them.
MAINLAND_WORDS = [("西元", "公元"), ("拷贝", "复制")]


def is_identifier_char(c):
    return c.isalnum() or c == "_"


def raw_literal_at(text, i):
    """The raw literal starting at text[i] == 'R' as (content, end), or None."""
    if not text.startswith('R"', i):
        return None
    start = i
    while start > 0 and is_identifier_char(text[start - 1]):
        start -= 1
    if text[start:i] not in ("", "u8", "u", "U", "L"):
        return None
    open_paren = text.index("(", i + 2)
    delimiter = text[i + 2:open_paren]
    close = text.index(")" + delimiter + '"', open_paren)
    return text[open_paren + 1:close], close + len(delimiter) + 2


def quoted_end(text, i, quote):
    """The index after the literal opened by text[i] == quote."""
    j = i + 1
    while text[j] != quote:
        j += 2 if text[j] == "\\" else 1
    return j + 1


def is_digit_separator(text, i):
    """A ' inside a number (1'000) rather than a character literal."""
    j = i
    while j > 0 and (is_identifier_char(text[j - 1]) or text[j - 1] in "'."):
        j -= 1
    return j < i and text[j].isdigit()


def string_literals(text):
    """Every string literal's text, comments skipped, in order. Raw literals
    give one text a line."""
    found = []
    i = 0
    while i < len(text):
        if text.startswith("//", i):
            i = text.find("\n", i)
            i = len(text) if i < 0 else i
        elif text.startswith("/*", i):
            i = text.index("*/", i + 2) + 2
        elif text[i] == "R" and (raw := raw_literal_at(text, i)):
            content, i = raw
            found.extend(content.split("\n"))
        elif text[i] == '"':
            end = quoted_end(text, i, '"')
            found.append(text[i + 1:end - 1])
            i = end
        elif text[i] == "'" and not is_digit_separator(text, i):
            i = quoted_end(text, i, "'")
        else:
            i += 1
    return found


def has_non_ascii(text):
    return any(ord(c) > 127 for c in text)


def source_texts():
    texts = set()
    for room in ROOMS:
        for path in sorted((ROOT / room).rglob("*")):
            if path.suffix in SOURCE_SUFFIXES:
                source = path.read_text(encoding="utf-8")
                texts.update(t for t in string_literals(source) if has_non_ascii(t))
    return texts


def reference_file_texts():
    texts = set()
    for line in (ROOT / "data" / "ProperN").read_bytes().decode(BIG5_CODEC).splitlines():
        texts.update(entry for entry in line.split(NAME_SEPARATOR) if entry)
    level_line = (ROOT / "data" / "Mia").read_bytes().decode(BIG5_CODEC).splitlines()[0]
    texts.update(c for c in level_line if c != UNSET_LEVEL_NAME)
    return texts


def hour_labels():
    source = HOUR_LABEL_SOURCE.read_text(encoding="utf-8")
    block = re.search(r"kHourLabelText\s*=\s*((?:\"[^\"]*\"\s*)+);", source).group(1)
    return set("".join(re.findall(r'"([^"]*)"', block)).split(","))


def check_opencc():
    version = subprocess.run(["dpkg-query", "-W", "-f=${Version}", "opencc"],
                             check=True, capture_output=True, text=True).stdout
    if not version.startswith(OPENCC_PINNED):
        sys.exit(f"opencc is {version}, want {OPENCC_PINNED}")


def convert(texts):
    out = subprocess.run(["opencc", "-c", OPENCC_CONFIG], input="\n".join(texts) + "\n",
                         check=True, capture_output=True, text=True).stdout
    converted = out.split("\n")[:len(texts)]
    if len(converted) != len(texts):
        sys.exit("opencc gave a different number of lines")
    return [mainland_words(text) for text in converted]


def mainland_words(text):
    for taiwan, mainland in MAINLAND_WORDS:
        text = text.replace(taiwan, mainland)
    return text


def overrides():
    """Whole texts whose Simplified form OpenCC gets wrong: text -> right form."""
    right = {}
    for line in (HERE / "vocabulary_overrides.tsv").read_text(encoding="utf-8").splitlines():
        if line and not line.startswith("#"):
            traditional, simplified = line.split("\t")
            right[traditional] = simplified
    return right


def main():
    check_opencc()
    texts = sorted(source_texts() | reference_file_texts() | hour_labels())
    if any("\t" in t or "\n" in t for t in texts):
        sys.exit("a text holds a TAB or a line end")
    corrected = overrides()
    unused = set(corrected) - set(texts)
    if unused:
        sys.exit(f"overrides for texts no longer shown: {sorted(unused)}")
    rows = [f"{t}\t{corrected.get(t, s)}" for t, s in zip(texts, convert(texts))]
    header = [
        "# Every distinct text Velmora can show, and its Simplified form.",
        "# Columns: Traditional text as the program holds it, Simplified text (TAB between).",
        f"# Made by tests/script/make_vocabulary.py with opencc -c {OPENCC_CONFIG} ({OPENCC_PINNED}),",
        "# corrected by vocabulary_overrides.tsv, and read row by row by eye.",
    ]
    (HERE / "vocabulary.tsv").write_text("\n".join(header + rows) + "\n", encoding="utf-8")
    print(f"{len(rows)} texts")


if __name__ == "__main__":
    main()
