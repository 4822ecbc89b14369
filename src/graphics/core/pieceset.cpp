#include "graphics/core/pieceset.h"

#include "graphics/core/lookeffects.h"

PieceSet pieceSet = PieceSet::Classic;
Mesh pieceOutlines[NUMPEZZI];
Mesh pieceDetails[NUMPEZZI];
uint32_t pieceGeneration = 0;
LookEffects lookEffects;
