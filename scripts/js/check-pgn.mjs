// Checks that every game of a PGN file is legal move by move and that its
// result agrees with the final position when the game ended on the board.
// Usage: node check-pgn.mjs FILE.pgn
import { Chess } from 'chess.js';
import { readFileSync } from 'node:fs';

const text = readFileSync(process.argv[2], 'utf8');
const games = text.split(/\n(?=\[Event )/).filter((g) => g.trim());
let bad = 0;
games.forEach((g, i) => {
  const chess = new Chess();
  const result = (g.match(/\[Result "([^"]*)"\]/) || [])[1];
  const termination = (g.match(/\{([^}]*)\}\s*(1-0|0-1|1\/2-1\/2|\*)\s*$/) || [])[1] || '';
  try {
    // Front ends annotate every move; the moves are what is checked.
    chess.loadPgn(g.replace(/\{[^}]*\}/g, ' '), { strict: false });
  } catch (e) {
    bad++;
    console.log(`game ${i + 1}: not a legal game (${e.message})`);
    return;
  }
  let expected = null;
  if (chess.isCheckmate()) expected = chess.turn() === 'w' ? '0-1' : '1-0';
  else if (chess.isStalemate() || chess.isInsufficientMaterial() || chess.isThreefoldRepetition()) expected = '1/2-1/2';
  const ok = expected === null || expected === result;
  if (!ok) bad++;
  console.log(`game ${i + 1}: ${chess.history().length} plies, result ${result} ${termination ? '{' + termination + '}' : ''}` +
              (ok ? '' : ` but the position says ${expected}`));
});
console.log(`${games.length} games, ${bad} with problems`);
process.exit(bad ? 1 : 0);
