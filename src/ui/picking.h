// Board picking: which square lies under a point of the board panel. The
// approximation is polar and follows only the camera's turn (no ray cast):
// the point's bearing from the panel centre, turned with the board, and its
// distance in tenths of half the panel's shorter side.
#pragma once

// Compass bearing in whole degrees of a screen vector (y grows downward):
// 0 up, 90 right, 180 down, 270 left. Needs the angle tables.
int angolo(int dx, int dy);

// Rounding to nearest with ties to even, as the bearing rounds its slope.
int arrotondapari(float v);

// The square (file + 8 * rank) under point (x, y) of a w x h panel with the
// board turned by rotazione degrees; -1 when the panel has no area. Points
// beyond the board give the nearest edge square.
int casellapunto(int x, int y, int w, int h, float rotazione);
