#!/usr/bin/env python3
"""Writes a batch of random velmora-chart queries, one a line, from a fixed seed.

usage: make_batch.py [COUNT] [SEED] > queries.txt

About half the queries carry a shown moment and a layer 0..6, dated on or
after the birth, as the main window steps a charted record's date.
"""
import datetime
import random
import sys

FIRST_DAY = datetime.date(1901, 1, 1)
LAST_DAY = datetime.date(2099, 12, 31)
SPAN_DAYS = (LAST_DAY - FIRST_DAY).days
GENDERS = ("M", "F", "男", "女")


def query(rng):
    birth = FIRST_DAY + datetime.timedelta(days=rng.randint(0, SPAN_DAYS))
    fields = [birth.isoformat(), str(rng.randint(1, 13)), rng.choice(GENDERS)]
    if rng.random() < 0.5:
        shown = birth + datetime.timedelta(days=rng.randint(0, (LAST_DAY - birth).days))
        fields += [shown.isoformat(), str(rng.randint(1, 13)), str(rng.randint(0, 6))]
    return " ".join(fields)


def main():
    count = int(sys.argv[1]) if len(sys.argv) > 1 else 100_000
    seed = int(sys.argv[2]) if len(sys.argv) > 2 else 20240607
    rng = random.Random(seed)
    out = sys.stdout
    for _ in range(count):
        out.write(query(rng) + "\n")


if __name__ == "__main__":
    main()
