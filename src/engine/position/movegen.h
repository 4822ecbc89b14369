// Pseudo-legal move generation for the side to move of record ply-1 into
// move list ply (slots 1..n), with the first ordering scores stamped in.
// Legality is make-move's business.
#pragma once

#include <cstdint>

// With usehash and a table move for the position: only that move and the
// marker 65, result 2.
int generabianco(bool usehash);
int generanero(bool usehash);
// The generator of the side to move of record ply-1.
int generamosse(bool usehash);
