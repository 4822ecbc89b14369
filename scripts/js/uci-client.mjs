// Drives the engine's UCI side through the npm client node-uci, and checks
// each answer with chess.js: identification and the Hash option, positions
// from a FEN and after moves, scores from the engine's side, a search by
// clock, an endless search with "isready" during it, then "stop".
// Usage: node uci-client.mjs ENGINE   (an executable that starts the engine)
import { Engine } from 'node-uci';
import { Chess } from 'chess.js';

const engine = new Engine(process.argv[2]);
let failures = 0;
function check(ok, what) {
  console.log(`${ok ? 'ok' : 'FAILED'}: ${what}`);
  if (!ok) failures++;
}
function legal(fen, moves, best) {
  const chess = fen === 'startpos' ? new Chess() : new Chess(fen);
  for (const m of moves) chess.move({ from: m.slice(0, 2), to: m.slice(2, 4), promotion: m[4] });
  try { return !!chess.move({ from: best.slice(0, 2), to: best.slice(2, 4), promotion: best[4] }); } catch { return false; }
}
const lastScore = (r) => r.info.filter((i) => i.score).pop()?.score;

await engine.init();
check(engine.id.name === 'Zefiran_3D 0.92', `id name ${engine.id.name}`);
check(engine.options.has('Hash') && engine.options.get('Hash').type === 'spin', 'the Hash option is a spin');
await engine.setoption('Hash', '16');
await engine.isready();
await engine.ucinewgame();

// Mate in one for White, from a FEN.
const mateFen = '6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1';
await engine.position(mateFen);
let r = await engine.go({ depth: 4 });
check(r.bestmove === 'a1a8', `mate in one from a FEN: ${r.bestmove}`);
check(lastScore(r)?.unit === 'mate' && lastScore(r)?.value === 1, `score mate 1: ${JSON.stringify(lastScore(r))}`);

// Black to move a queen up: the score is the engine's, so positive.
const blackFen = '6k1/5ppp/8/3q4/8/6P1/5P1P/6K1 b - - 0 1';
await engine.position(blackFen);
r = await engine.go({ depth: 5 });
check(lastScore(r)?.value > (lastScore(r)?.unit === 'cp' ? 300 : 0), `Black a queen up scores for Black: ${JSON.stringify(lastScore(r))}`);
check(legal(blackFen, [], r.bestmove), `legal move for Black: ${r.bestmove}`);

// After moves from the start, with a clock.
const moves = ['e2e4', 'e7e5', 'g1f3', 'b8c6'];
await engine.position('startpos', moves);
r = await engine.go({ wtime: 4000, btime: 4000, winc: 100, binc: 100 });
check(legal('startpos', moves, r.bestmove), `legal move after ${moves.join(' ')}: ${r.bestmove}`);
check(r.info.some((i) => i.pv && i.nodes !== undefined && i.time !== undefined && i.nps !== undefined), 'info lines with depth, score, nodes, nps, time and pv');

// A bad FEN is refused and the position stays as it was.
await engine.position('8/8/8/8 w - - 0 1');
r = await engine.go({ depth: 3 });
check(legal('startpos', moves, r.bestmove), `a bad FEN leaves the position: ${r.bestmove}`);

// An endless search: isready answers during it, stop gives the move.
await engine.position('startpos', ['d2d4']);
engine.goInfinite({});
await new Promise((res) => setTimeout(res, 400));
await engine.isready();
check(true, 'readyok during an endless search');
r = await engine.stop();
check(legal('startpos', ['d2d4'], r.bestmove), `stop answers with a legal move: ${r.bestmove}`);

await engine.quit();
console.log(failures ? `${failures} check(s) failed` : 'all checks passed');
process.exit(failures ? 1 : 0);
