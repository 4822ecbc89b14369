// The search's fixed suite: openings, middlegames and endings with the depth
// each is searched to. The benchmark searches them as listed; the search's
// guard test searches them two plies shallower, so that it takes seconds.
#pragma once

namespace searchsuite {

struct Position {
  const char* fen;
  int depth;
};

inline constexpr Position positions[] = {
    {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", 8},
    {"r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R w KQkq - 2 3", 8},
    {"rnbqkb1r/pp2pppp/3p1n2/8/3NP3/8/PPP2PPP/RNBQKB1R w KQkq - 1 5", 7},
    {"r1bq1rk1/pp2bppp/2n1pn2/3p4/2PP4/2N1PN2/PP3PPP/R2QKB1R w KQ - 0 8", 7},
    {"r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1", 6},
    {"r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - - 0 10", 6},
    {"2rq1rk1/pp1bppbp/2np1np1/8/3NP3/1BN1BP2/PPPQ2PP/2KR3R b - - 0 11", 6},
    {"r1b2rk1/2q1bppp/p2p1n2/np2p3/3PP3/5N1P/PPBN1PP1/R1BQR1K1 b - - 0 13", 6},
    {"8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1", 10},
    {"8/8/4k3/3p4/3P4/4K3/8/8 w - - 0 1", 14},
    {"6k1/5pp1/7p/8/8/7P/5PP1/3R2K1 w - - 0 1", 9},
    {"8/5pk1/6p1/8/2B5/6P1/5PK1/3r4 b - - 0 40", 9},
};

}  // namespace searchsuite
