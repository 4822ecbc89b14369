// Compares our SAN writer and reader with chess.js on positions of random games.
// Usage: node san-crosscheck.mjs BINARY GAMES SEED
import { Chess } from 'chess.js';
import { spawnSync } from 'node:child_process';

const [binary, gamesArg, seedArg] = process.argv.slice(2);
const games = Number(gamesArg || 100);
let seed = Number(seedArg || 1);
const rand = () => { seed = (seed * 1103515245 + 12345) % 2147483648; return seed / 2147483648; };

// Positions from random games, with chess.js's SAN for every legal move.
const positions = [];
for (let g = 0; g < games; g++) {
  const chess = new Chess();
  for (let ply = 0; ply < 160 && !chess.isGameOver(); ply++) {
    const moves = chess.moves({ verbose: true });
    positions.push({ fen: chess.fen(), moves });
    // Prefer captures and promotions now and then, so that endings appear.
    const captures = moves.filter((m) => m.captured || m.promotion);
    const pool = captures.length && rand() < 0.4 ? captures : moves;
    chess.move(pool[Math.floor(rand() * pool.length)]);
  }
}

const out = spawnSync(binary, ['--legal-san', '-'], { input: positions.map((p) => p.fen).join('\n') + '\n', maxBuffer: 1 << 30 });
if (out.status !== 0) { console.error(String(out.stderr)); process.exit(2); }
const blocks = String(out.stdout).split('\n\n');

let moves = 0, pinDisambiguation = 0, unexplained = 0, readBack = 0;
const normal = (san) => san.replace(/[+#]/g, '').replace('=', '');
positions.forEach((p, i) => {
  const ours = new Map();
  for (const line of (blocks[i] || '').split('\n').filter(Boolean)) {
    const [coord, san, back] = line.split(' ');
    ours.set(coord, { san, back });
  }
  if (ours.size !== p.moves.length) {
    unexplained++;
    console.log(`MOVE COUNT ${ours.size} vs ${p.moves.length}: ${p.fen}`);
  }
  for (const m of p.moves) {
    moves++;
    const coord = m.from + m.to + (m.promotion || '');
    const o = ours.get(coord);
    if (!o) { unexplained++; console.log(`MISSING ${coord}: ${p.fen}`); continue; }
    if (o.back !== coord) { readBack++; console.log(`READ BACK ${o.san} -> ${o.back} instead of ${coord}: ${p.fen}`); }
    const ref = normal(m.san);
    if (o.san === ref) continue;
    // Our writer disambiguates without looking at pins: it may name the file or
    // rank where chess.js (which knows the other piece is pinned) does not.
    const stripped = o.san.replace(/^([NBRQ])[a-h1-8]/, '$1');
    if (stripped === ref) { pinDisambiguation++; continue; }
    unexplained++;
    console.log(`SAN ${o.san} vs ${m.san} (${coord}): ${p.fen}`);
  }
});
console.log(`positions ${positions.length}, moves ${moves}: identical except ${pinDisambiguation} pin disambiguations; ` +
            `${unexplained} unexplained differences, ${readBack} read-back failures`);
process.exit(unexplained || readBack ? 1 : 0);
