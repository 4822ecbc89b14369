// Compares two PGN files game by game through chess.js: the games written
// by the program (SAVED) must give the tags, moves, comments and results of
// the games read (SOURCE). SAVED may add the roster's tags that SOURCE
// lacked, as "?" (the date as "????.??.??").
// Usage: node pgn-roundtrip.mjs SOURCE.pgn SAVED.pgn
import { Chess } from 'chess.js';
import { readFileSync } from 'node:fs';

const games = (file) => readFileSync(file, 'utf8').replace(/\r\n/g, '\n').split(/\n\s*\n(?=\[)/).filter((g) => g.trim());
const read = (text) => {
  const chess = new Chess();
  chess.loadPgn(text);
  const comments = chess.getComments().map((c) => `${c.fen} ${c.comment.replace(/\s+/g, ' ').trim()}`);
  return { headers: chess.getHeaders(), moves: chess.history(), comments };
};
const roster = ['Event', 'Site', 'Date', 'Round', 'White', 'Black', 'Result'];
const [source, saved] = [games(process.argv[2]), games(process.argv[3])];
let faults = 0;
const fault = (i, what) => { faults++; console.log(`game ${i + 1}: ${what}`); };
if (source.length !== saved.length) fault(-1, `${source.length} games read, ${saved.length} written`);
for (let i = 0; i < Math.min(source.length, saved.length); i++) {
  let a, b;
  // chess.js 1 reads no escaped quote in a tag value: such a game is left to pgn-extract.
  try { a = read(source[i]); } catch (e) { console.log(`game ${i + 1}: chess.js cannot read the source`); continue; }
  try { b = read(saved[i]); } catch (e) { fault(i, `not read: ${e.message}`); continue; }
  if (a.moves.join(' ') !== b.moves.join(' ')) fault(i, 'moves differ');
  if (a.comments.join('|') !== b.comments.join('|')) fault(i, `comments differ: ${a.comments} / ${b.comments}`);
  for (const [name, value] of Object.entries(a.headers))
    if (b.headers[name] !== value) fault(i, `tag ${name}: "${value}" became "${b.headers[name]}"`);
  for (const [name, value] of Object.entries(b.headers)) {
    if (name in a.headers) continue;
    const unknown = value === '?' || (name === 'Date' && value === '????.??.??');
    if (!roster.includes(name) || !unknown) fault(i, `tag ${name} "${value}" added`);
  }
}
console.log(`${process.argv[3]}: ${source.length} games compared, ${faults} differences`);
process.exit(faults ? 1 : 0);
