// A referee for engine matches over the WinBoard/xboard protocol. Every move
// is checked by chess.js; illegal moves, crashes and silences are counted.
// With OPENINGS (a number of plies, at most 8) each game starts from an
// opening line set up in force mode; each engine then hears "go" on its
// first turn, as front ends start engines from a loaded game. Engines that
// announce usermove=1 get their moves as "usermove MOVE".
// With TAKEBACK ("takeback") our engine's move at ply 12 or later is taken
// back once a game with "remove" (its move and the opponent's before it),
// and the opponent's move is sent again: the engine must answer it anew.
// ZEF_OURS_INIT and ZEF_OPPONENT_INIT hold commands (separated by ";") sent to
// that engine after "new" at the start of every game, such as
// "option Skill Level=2".
// ZEF_MOVES_PER_PERIOD (N above 0): SECONDS are for N moves, and every N
// moves of a side (counted from the start, opening lines included) give it
// SECONDS more.
// Usage: node match.mjs OURS OPPONENT GAMES SECONDS [PGNFILE] [OPENINGS] [TAKEBACK]
import { Chess } from 'chess.js';
import { spawn } from 'node:child_process';
import { appendFileSync, writeFileSync } from 'node:fs';

const [ours, opponent, gamesArg, secondsArg, pgnFile, openingsArg, takebackArg] = process.argv.slice(2);
const takeBacks = takebackArg === 'takeback';
const openingPlies = Math.min(8, Number(openingsArg || 0));
const openings = [
  'e2e4 e7e5 g1f3 b8c6 f1b5 a7a6 b5a4 g8f6', 'd2d4 d7d5 c2c4 e7e6 b1c3 g8f6 c1g5 f8e7',
  'e2e4 c7c5 g1f3 d7d6 d2d4 c5d4 f3d4 g8f6', 'c2c4 e7e5 b1c3 g8f6 g2g3 d7d5 c4d5 f6d5',
  'e2e4 e7e6 d2d4 d7d5 b1c3 f8b4 e4e5 c7c5', 'd2d4 g8f6 c2c4 g7g6 b1c3 f8g7 e2e4 d7d6',
];
const initOf = (name) => (process.env[name] || '').split(';').map((c) => c.trim()).filter((c) => c);
const oursInit = initOf('ZEF_OURS_INIT'), opponentInit = initOf('ZEF_OPPONENT_INIT');
const games = Number(gamesArg || 10);
const seconds = Number(secondsArg || 30);
const movesPerPeriod = Number(process.env.ZEF_MOVES_PER_PERIOD || 0);
if (pgnFile) writeFileSync(pgnFile, '');

class Engine {
  constructor(command, name) {
    this.name = name;
    this.lines = [];
    this.waiters = [];
    this.exited = false;
    this.usermove = false;
    const [cmd, ...args] = command.split(' ');
    this.proc = spawn(cmd, args, { stdio: ['pipe', 'pipe', 'ignore'], env: { ...process.env, DISPLAY: '' } });
    this.proc.on('exit', () => { this.exited = true; this.flush(); });
    this.proc.stdin.on('error', () => {});
    let buffer = '';
    this.proc.stdout.on('data', (d) => {
      buffer += d.toString();
      let i;
      while ((i = buffer.indexOf('\n')) >= 0) {
        const line = buffer.slice(0, i).replace(/\r$/, '');
        if (line.startsWith('feature ')) this.features(line);
        if (line.startsWith('Illegal move')) this.refused = true;
        this.lines.push(line);
        buffer = buffer.slice(i + 1);
      }
      this.flush();
    });
  }
  send(text) { if (!this.exited) this.proc.stdin.write(text + '\n'); }
  // Every feature is accepted; usermove=1 changes how moves are sent.
  features(line) {
    for (const m of line.matchAll(/(\w+)=("[^"]*"|\S+)/g)) {
      if (m[1] === 'usermove') this.usermove = m[2] === '1';
      this.send(`accepted ${m[1]}`);
    }
  }
  move(text) { this.send(this.usermove ? `usermove ${text}` : text); }
  flush() { const w = this.waiters; this.waiters = []; w.forEach((f) => f()); }
  // The next line matching the test, or null on timeout or exit.
  async next(test, timeoutMs) {
    const end = Date.now() + timeoutMs;
    for (;;) {
      const i = this.lines.findIndex(test);
      if (i >= 0) { const l = this.lines[i]; this.lines.splice(0, i + 1); return l; }
      if (this.exited || Date.now() > end) return null;
      await new Promise((resolve) => { this.waiters.push(resolve); setTimeout(resolve, 50); });
    }
  }
  kill() { try { this.proc.kill('SIGKILL'); } catch {} }
}

const isMove = (l) => /^move \S+/.test(l) || /^(1-0|0-1|1\/2-1\/2|resign)/.test(l);
const tally = { wins: 0, draws: 0, losses: 0, illegal: 0, crashes: 0, silences: 0, timeLosses: 0, refusals: 0 };
const reasons = {};

async function start(command, name) {
  const e = new Engine(command, name);
  e.send('xboard');
  e.send('protover 2');
  await new Promise((r) => setTimeout(r, 300));
  return e;
}

// "time" (the engine's own clock) and "otim" (its opponent's), in centiseconds.
function sendClocks(engine, side, clock) {
  engine.send(`time ${Math.max(1, Math.floor(clock[side] / 10))}`);
  engine.send(`otim ${Math.max(1, Math.floor(clock[side === 'w' ? 'b' : 'w'] / 10))}`);
}

function toUci(m) { return m.from + m.to + (m.promotion || ''); }

async function playGame(n, oursWhite) {
  const white = await start(oursWhite ? ours : opponent, oursWhite ? 'Zefiran_3D' : 'opponent');
  const black = await start(oursWhite ? opponent : ours, oursWhite ? 'opponent' : 'Zefiran_3D');
  const chess = new Chess();
  const clock = { w: seconds * 1000, b: seconds * 1000 };
  for (const e of [white, black]) {
    e.send('new');
    for (const c of e.name === 'Zefiran_3D' ? oursInit : opponentInit) e.send(c);
    e.send('random');
    e.send(`level ${movesPerPeriod} ${Math.floor(seconds / 60)}:${String(seconds % 60).padStart(2, '0')} 0`);
  }
  white.send('force');
  let result = null, why = '';
  let first = true;
  let tookBack = false;
  const waiting = new Set();  // engines in force mode until their first turn
  if (openingPlies > 0) {
    black.send('force');
    // ZEF_PAIRED_OPENINGS: each opening twice in a row, once with each colour.
    const k = process.env.ZEF_PAIRED_OPENINGS ? Math.floor((n - 1) / 2) : n - 1;
    for (const m of openings[k % openings.length].split(' ').slice(0, openingPlies)) {
      chess.move({ from: m.slice(0, 2), to: m.slice(2, 4) });
      white.move(m);
      black.move(m);
    }
    waiting.add(white).add(black);
    first = false;
  }
  while (!result) {
    const side = chess.turn();
    const mover = side === 'w' ? white : black, other = side === 'w' ? black : white;
    // The first move uses the front ends' idiom for "play White now":
    // black, time, otim, white, go. Later moves carry the clocks before them.
    if (first) {
      mover.send('black');
      sendClocks(mover, side, clock);
      mover.send('white');
      mover.send('go');
      first = false;
    } else if (waiting.has(mover)) {
      sendClocks(mover, side, clock);
      mover.send('go');
      waiting.delete(mover);
    }
    const t0 = Date.now();
    const line = await mover.next(isMove, Math.max(clock[side], 0) + 30000);
    clock[side] -= Date.now() - t0;
    const oursMoving = mover.name === 'Zefiran_3D';
    if (line !== null && clock[side] < 0) {
      tally.timeLosses += oursMoving ? 1 : 0;
      result = side === 'w' ? '0-1' : '1-0';
      why = `${mover.name} lost on time`;
      break;
    }
    if (line === null) {
      if (mover.exited) { tally.crashes += oursMoving ? 1 : 0; why = `${mover.name} crashed`; }
      else { tally.silences += oursMoving ? 1 : 0; why = `${mover.name} fell silent`; }
      result = side === 'w' ? '0-1' : '1-0';
      break;
    }
    if (!line.startsWith('move ')) {
      // A result claim before any move: trust only what the board says.
      if (line.startsWith('resign')) { result = side === 'w' ? '0-1' : '1-0'; why = `${mover.name} resigns`; break; }
      if (chess.isGameOver()) break;
      const claim = line.split(' ')[0];
      if (claim === (side === 'w' ? '0-1' : '1-0')) { result = claim; why = `${mover.name} resigns (${line})`; break; }
      continue;
    }
    const text = line.slice(5).trim().toLowerCase();
    let played = null;
    try { played = chess.move({ from: text.slice(0, 2), to: text.slice(2, 4), promotion: text[4] || undefined }); } catch {}
    // Some engines (phalanx) write castling as "O-O" or "o-o".
    if (!played && /^[o0]-[o0](-[o0])?$/.test(text)) {
      try { played = chess.move(text.replace(/[o0]/g, 'O')); } catch {}
    }
    if (!played) {
      tally.illegal += oursMoving ? 1 : 0;
      result = side === 'w' ? '0-1' : '1-0';
      why = `${mover.name} played the illegal move ${text} in ${chess.fen()}`;
      break;
    }
    const movesMade = Math.ceil((chess.history().length - (side === 'w' ? 0 : 1)) / 2);
    if (movesPerPeriod > 0 && movesMade % movesPerPeriod === 0) clock[side] += seconds * 1000;
    if (takeBacks && oursMoving && !tookBack && chess.history().length >= 12 && !chess.isGameOver()) {
      tookBack = true;
      chess.undo();
      const theirs = chess.undo();
      mover.send('remove');
      chess.move(theirs);
      sendClocks(mover, side, clock);
      mover.move(toUci(theirs));
      continue;
    }
    if (!waiting.has(other)) sendClocks(other, side === 'w' ? 'b' : 'w', clock);
    other.move(toUci(played));
    if (chess.isCheckmate()) { result = side === 'w' ? '1-0' : '0-1'; why = 'checkmate'; }
    else if (chess.isStalemate()) { result = '1/2-1/2'; why = 'stalemate'; }
    else if (chess.isThreefoldRepetition()) { result = '1/2-1/2'; why = 'repetition'; }
    else if (chess.isInsufficientMaterial()) { result = '1/2-1/2'; why = 'insufficient material'; }
    else if (chess.isDraw()) { result = '1/2-1/2'; why = 'fifty-move rule'; }
    else if (chess.history().length >= 400) { result = '1/2-1/2'; why = 'adjudicated after 200 moves'; }
  }
  for (const e of [white, black]) {
    if (e.name === 'Zefiran_3D' && e.refused) tally.refusals++;
    e.send('quit');
  }
  await new Promise((r) => setTimeout(r, 300));
  for (const e of [white, black]) {
    if (!e.exited) e.kill();
  }
  const oursScore = result === '1/2-1/2' ? 0.5 : (result === '1-0') === oursWhite ? 1 : 0;
  if (oursScore === 1) tally.wins++; else if (oursScore === 0) tally.losses++; else tally.draws++;
  reasons[why.split(' in ')[0]] = (reasons[why.split(' in ')[0]] || 0) + 1;
  chess.header('White', white.name, 'Black', black.name, 'Result', result, 'Round', String(n));
  if (pgnFile) appendFileSync(pgnFile, chess.pgn() + ` ${result}\n\n`);
  console.log(`game ${n}: ${white.name} - ${black.name} ${result} (${why}), ${chess.history().length} plies` +
              (tookBack ? ', one take-back' : ''));
}

for (let g = 1; g <= games; g++) await playGame(g, g % 2 === 1);
console.log(`Zefiran_3D: ${tally.wins} wins, ${tally.draws} draws, ${tally.losses} losses; ` +
            `${tally.illegal} illegal moves, ${tally.crashes} crashes, ${tally.silences} silences, ` +
            `${tally.timeLosses} time losses, ${tally.refusals} games with a refused move`);
console.log('endings:', JSON.stringify(reasons));
process.exit(tally.illegal || tally.crashes || tally.silences || tally.timeLosses || tally.refusals ? 1 : 0);
