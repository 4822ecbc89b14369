#!/usr/bin/env python3
"""Writes a PGN file of COUNT games, made from the public game records in
data/book/games/ over and over, each dressed as an online server exports
its games: more tags and a clock comment after every move.
Usage: bench/make-big-pgn.py OUT.pgn [COUNT]"""
import glob
import os
import re
import sys

here = os.path.dirname(os.path.abspath(__file__))
out_path = sys.argv[1]
count = int(sys.argv[2]) if len(sys.argv) > 2 else 100000

games = []
for name in sorted(glob.glob(os.path.join(here, '..', 'data', 'book', 'games', '*.pgn'))):
    text = open(name, encoding='latin-1').read().replace('\r\n', '\n')
    for chunk in re.split(r'\n(?=\[Event )', text):
        if not chunk.strip():
            continue
        head, _, moves = chunk.strip().partition('\n\n')
        games.append((head, moves.split()))

MOVE = re.compile(r'^(\d+\.+)?[A-Za-z]')
with open(out_path, 'w', encoding='latin-1') as out:
    for n in range(count):
        head, words = games[n % len(games)]
        tags = head + ('\n[UTCDate "2024.01.%02d"]\n[UTCTime "12:%02d:00"]\n[WhiteElo "%d"]\n[BlackElo "%d"]\n'
                       '[TimeControl "300+3"]\n[Termination "Normal"]\n[GameId "g%07d"]'
                       % (n % 28 + 1, n % 60, 1500 + n % 900, 1500 + (n * 7) % 900, n))
        body = []
        for i, w in enumerate(words):
            body.append(w)
            if MOVE.match(w):
                body.append('{ [%%clk 0:%02d:%02d] }' % (5 - i // 120 % 5, 59 - i % 60))
        out.write(tags + '\n\n' + ' '.join(body) + '\n\n')
