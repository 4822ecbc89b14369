// Draws the hint's arrow over the board after the scene and the square
// marks: translucent, unlit, and over the pieces, so that a piece standing
// on its way never hides it.
#pragma once

#include "graphics/core/hintarrow.h"

void drawHintArrow(const HintArrow& arrow);
