// Board picking: the square drawn under a point of the board panel. The
// point's ray is cast back through the very camera the scene is drawn with
// (the inverse of projection times model-view) and met first with the
// pieces' bodies (piecepicking.h), then with the board's surface, y = -1;
// the square is the unit cell the meeting point falls in. So a point picks
// what the frame shows there at any turn, tilt and zoom, and a point over
// the frame, the background or the sky picks nothing.
#pragma once

constexpr int NESSUNA_CASELLA = -1;
constexpr float PIANO_TAVOLA = -1.0f;  // height of the squares' surface

// Where the ray through panel point (x, y) of a w x h panel (pixels from the
// top-left corner, y downward; continuous, so a pixel's centre is at +0.5)
// meets the board's plane, in board units (x along the files, z toward
// rank 1). False when the panel has no area or the ray does not meet the
// plane between the near and far planes (above the horizon, say).
bool boardPoint(const float proiezione[16], const float camera[16], float x, float y, int w, int h, float& bx,
                float& bz);

// The square (file + 8 * rank) whose cell contains board point (bx, bz), or
// NESSUNA_CASELLA off the 8 x 8 squares.
int squareAtBoardPoint(float bx, float bz);

// The square under panel point (x, y) seen through the given matrices, or
// NESSUNA_CASELLA.
int squareOnRay(const float proiezione[16], const float camera[16], float x, float y, int w, int h);

// The square under pixel (x, y) of a w x h panel with the current camera
// (projectionMatrix, cameraMatrix): the ray through the pixel's centre picks
// the piece whose body it meets first, else the square it meets.
int casellapunto(int x, int y, int w, int h);
