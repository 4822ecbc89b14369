// Alpha-beta search over White and Black nodes (White maximises, Black
// minimises; scores from White's point of view), one root search per
// iteration of the iterative deepening.
#pragma once

#include <cstdint>

// One root search of record 0 at iterationDepth; the best root move.
uint32_t cercabianco();
uint32_t cercanero();

// Interior searches of the node at ply+1 (the position just made in record
// ply); the result is left in nodeScore[ply+1].
void searchbianco();
void searchnero();

// 0 leaf (quiescence), 1 within the nominal depth, 2 beyond it but in check,
// 4 beyond it but extended; for the node at ply.
int nodeStatus();

// Plies from which the main search no longer deepens: a node there is
// scored by quiescence, whose own lines stop before the last record.
constexpr int LASTSEARCHPLY = 80;
