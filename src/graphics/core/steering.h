// Camera steering: held keys, a pointer dragged with the right button and
// the wheel move the camera at rates a person can aim with, all within the
// same limits. Turning and tilting apply to the 3D view only (the flat view
// is seen from straight above at one of its two preset turns); the distance
// changes in both views.
#pragma once

#include <cstdint>

constexpr float GIRO_AL_SECONDO = 90.0f;          // held left or right arrow, degrees per second
constexpr float INCLINAZIONE_AL_SECONDO = 54.0f;  // held up or down arrow, degrees per second
constexpr float ZOOM_AL_SECONDO = 5.0f;           // held A or Z, board units per second
constexpr float ELEVAZIONE_MINIMA = 9.0f;
constexpr float ELEVAZIONE_MASSIMA = 90.0f;
// Nearer than this the eye enters the pieces; farther the board is a speck.
constexpr float DISTANZA_MINIMA = 5.0f;
constexpr float DISTANZA_MASSIMA = 30.0f;
constexpr float GRADI_PER_PIXEL = 0.3f;      // a drag across the panel
constexpr float DISTANZA_PER_SCATTO = 0.5f;  // one notch of the wheel
constexpr int OTTAVI_PER_SCATTO = 120;       // wheel units (eighths of a degree) per notch

// Virtual-key codes of the camera keys in the held-key table.
constexpr int TASTO_SINISTRA = 37;
constexpr int TASTO_SU = 38;
constexpr int TASTO_DESTRA = 39;
constexpr int TASTO_GIU = 40;
constexpr int TASTO_A = 65;
constexpr int TASTO_Z = 90;

// A tick's time for a key just pressed, and the most one tick may count:
// a tick delayed by a busy window does not turn the board by a jolt.
constexpr double PASSO_TICK_MS = 20.0;
constexpr double PASSO_MASSIMO_MS = 60.0;

// Changes of the camera, each kept within its range; each sets ridisegna
// when it changes anything and returns whether it did.
bool turnCamera(float gradi);      // rotazione + gradi, wrapped into 0..360
bool tiltCamera(float gradi);      // elevazione + gradi, within the elevation limits
bool moveCameraAway(float unita);  // distanza + unita, within the distance limits

// One tick of held camera keys (tastipremuti: 256 flags indexed by
// virtual-key code) at moment momento (a day fraction, as adesso gives it).
// The camera moves by the rates above times the time since the previous
// tick that had a key held; the first tick of a press counts PASSO_TICK_MS.
// Left and right (or A and Z) together cancel. Returns whether any camera
// key was held.
bool muovicamera(const uint8_t* tastipremuti, double momento);

// A pointer dragged by (dx, dy) pixels orbits the 3D view: sideways the
// near edge of the board follows the pointer, downward the view rises
// toward straight above. Returns whether the camera moved.
bool orbitCamera(int dx, int dy);

// The wheel turned by ottavi units (positive away from the user) brings the
// eye nearer. Returns whether the camera moved.
bool zoomCamera(int ottavi);
