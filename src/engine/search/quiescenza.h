// Quiescence: captures (and queen promotions) resolved at the leaves of the
// main search, White and Black twins, each side free to stand pat.
#pragma once

#include <cstdint>

// Entries for the node at ply (position record ply-1).
int quiesceWhite();
int quiesceBlack();
int quiesceWhiteNode();
int quiesceBlackNode();

// Captures for the side to move of record ply-1 into listamosse[ply].
int generacatturebianco(int bound);
int generacatturenero(int bound);
// The i-th capture to try (selection over slots i..moveCount[ply]).
uint32_t pickCapture(int i);

extern int32_t captureGenCalls;
// Ordering values by piece type: empty, pawn, knight, bishop, rook, queen, king.
extern const int16_t pieceValue[7];
