// State of the board scene shared by the window, the picking and the
// renderer: camera, view kind, highlighted squares, redraw flag, quad count
// and the piece colour swatches of the skin.
#pragma once

#include <cstdint>

// Camera (degrees and board units).
extern float rotazione;    // turn about the vertical axis, 0..360; 270 = White at the bottom
extern float elevazione;   // 9..90; 90 looks straight down
extern float distanza;     // eye to board centre along the view axis
extern float scostamento;  // vertical offset of the eye; the presets set it to 0

constexpr int VISTA_PIATTA = 2;
constexpr int VISTA_3D = 3;
extern int32_t vista;  // 2 flat board, 3 three-dimensional

extern int32_t casellasotto;  // square under the mouse, -1 none
// The piece a drag carries: drawn lifted over the board point (x, z) under
// the pointer instead of on its square (square -1: no drag).
struct DraggedPiece {
  int square = -1;
  float x = 0.0f, z = 0.0f;
};
extern DraggedPiece draggedPiece;
// How high a dragged piece floats: well over the others in 3D, just over
// them on the flat board.
constexpr float DRAG_LIFT_3D = 0.6f;
constexpr float DRAG_LIFT_FLAT = 0.05f;
extern int32_t casellascelta;  // square of the piece picked up, -1 none
extern uint8_t ridisegna;      // the scene needs redrawing
extern int32_t facce;          // quads of the last frame (frame, plate and pieces)

// Texture coordinates of the piece swatches, pairs 1..8 (index 0 unused):
// 1 white, 2 white that made the last move, 3 black, 4 black last move (flat
// view), 5..8 the same four for the 3D view.
struct CoordTex {
  float s, t;
};
extern CoordTex coloripezzi[9];
void riempicoloripezzi();

// Camera presets; switching views resets the rotation to 270.
void vistapiatta();
void vista3d();

// "Ruota 180°": half a turn, kept within 0..360.
void ruota180();
// The board is seen from Black's side (turned half round from the presets).
inline bool boardTurned() { return rotazione > 0.0f && rotazione < 180.0f; }

// The model-view matrix of the camera (column-major, as OpenGL keeps it),
// built from the current camera in the order the renderer applies it.
void cameraMatrix(float m[16]);
// The projection of a panel of w x h pixels: 45° vertical field, near 0.3, far 300.
void projectionMatrix(int w, int h, float m[16]);
// Window position (pixels, y downward from the top) of a board point under
// the current camera; false when the point is behind the eye.
bool projectPoint(float x, float y, float z, int w, int h, float& px, float& py);
