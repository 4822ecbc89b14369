// The table of scripts/level-matches from the referee's logs in FOLDER
// (one per pairing, named L<level>-<opponent>.log): each level's score
// against the next one up, fairymax and phalanx, and a rating per level.
//
// The ratings come from all the pairings at once: the logistic (Elo) model,
// in which a player rated D points above another expects a score of
// 1 / (1 + 10^(-D / 400)), fitted by maximum likelihood to every game (a
// draw is half a point), with one drawn game added to each pairing so that
// a clean sweep still gives a finite difference. fairymax and phalanx are
// the anchors, held at ZEF_FAIRYMAX_ELO and ZEF_PHALANX_ELO (2000 and 2400
// unless given: roughly their places on the engines' blitz rating lists);
// only the levels' ratings are fitted. "±" is one standard error from the
// fit's curvature.
// Usage: node level-ratings.mjs FOLDER
import { readdirSync, readFileSync } from 'node:fs';

const folder = process.argv[2];
const anchors = {
  fairymax: Number(process.env.ZEF_FAIRYMAX_ELO || 2000),
  phalanx: Number(process.env.ZEF_PHALANX_ELO || 2400),
};
const results = [];  // {a, b, score, games}: a's points against b
for (const file of readdirSync(folder).filter((f) => /^L\d-.*\.log$/.test(f)).sort()) {
  const m = readFileSync(`${folder}/${file}`, 'utf8').match(/Zefiran_3D: (\d+) wins, (\d+) draws, (\d+) losses/);
  if (!m) continue;
  const [w, d, l] = m.slice(1).map(Number);
  const [a, b] = file.replace(/\.log$/, '').split('-');
  results.push({ a, b, score: w + d / 2, games: w + d + l });
}
const players = [...new Set(results.flatMap((r) => [r.a, r.b]))];
const rating = Object.fromEntries(players.map((p) => [p, anchors[p] ?? anchors.fairymax]));
const expected = (d) => 1 / (1 + Math.pow(10, -d / 400));
const k = Math.log(10) / 400;
// Newton steps on each level in turn (the anchors stay where they are).
for (let round = 0; round < 500; round++) {
  for (const p of players) {
    if (p in anchors) continue;
    let gradient = 0, curvature = 0;
    for (const r of results) {
      if (r.a !== p && r.b !== p) continue;
      const own = r.a === p ? r.score + 0.5 : r.games - r.score + 0.5;
      const other = r.a === p ? r.b : r.a;
      const e = expected(rating[p] - rating[other]);
      gradient += k * (own - (r.games + 1) * e);
      curvature += k * k * (r.games + 1) * e * (1 - e);
    }
    if (curvature > 0) rating[p] += Math.max(-200, Math.min(200, gradient / curvature));
  }
}
const spread = (p) => {
  let curvature = 0;
  for (const r of results) {
    if (r.a !== p && r.b !== p) continue;
    const e = expected(rating[p] - rating[r.a === p ? r.b : r.a]);
    curvature += k * k * (r.games + 1) * e * (1 - e);
  }
  return curvature > 0 ? 1 / Math.sqrt(curvature) : Infinity;
};
const cell = (a, b) => {
  const r = results.find((x) => x.a === a && x.b === b);
  return r ? `${r.score}/${r.games} (${Math.round((100 * r.score) / r.games)}%)` : '-';
};
const pad = (t, n) => String(t).padEnd(n);
console.log(pad('level', 7) + pad('vs next level', 18) + pad('vs fairymax', 18) + pad('vs phalanx', 18) + 'rating');
for (const p of players.filter((x) => /^L\d$/.test(x)).sort()) {
  const next = `L${Number(p.slice(1)) + 1}`;
  console.log(pad(p.slice(1), 7) + pad(cell(p, next), 18) + pad(cell(p, 'fairymax'), 18) + pad(cell(p, 'phalanx'), 18) +
              `${Math.round(rating[p])} ± ${Math.round(spread(p))}`);
}
console.log(`anchors: fairymax ${anchors.fairymax}, phalanx ${anchors.phalanx}`);
