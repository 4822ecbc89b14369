#include "graphics/core/pieceset.h"

PieceSet pieceSet = PieceSet::Classic;
Mesh pieceOutlines[NUMPEZZI];
Mesh pieceDetails[NUMPEZZI];
uint32_t pieceGeneration = 0;

uint32_t nextPieceGeneration() {
  static uint32_t made = 0;
  return ++made;
}
