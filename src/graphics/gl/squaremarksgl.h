// Draws the square marks over the board, after the scene: translucent,
// unlit, with the depth test on so that the pieces stand in front of them.
#pragma once

#include "graphics/core/squaremarks.h"

void drawSquareMarks(const SquareMarks& marks);
