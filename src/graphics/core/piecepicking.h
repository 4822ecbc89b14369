// Picking what is drawn: the pointer's ray meets the pieces' bodies before
// the board, so a click on any visible part of a piece picks its square, at
// every camera. The pieces are met through the same scene walk that draws
// them, so the picked body is the drawn one whatever the piece set.
#pragma once

#include "engine/position/position.h"

// The square of the piece whose drawn body the ray through panel point
// (x, y) meets first (nearest the eye), seen through the given matrices, or
// -1 when it meets none. The dragged piece is not met (it follows the
// pointer).
int pieceOnRay(const tposizione& pos, const float proiezione[16], const float camera[16], float x, float y, int w,
               int h);
