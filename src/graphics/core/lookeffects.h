// The effects of the Staunton set's renderer in the 3D view, each of which
// can be turned off for slow machines: highlights on the pieces, a soft
// shadow under each, and the pieces mirrored in a polished board.
#pragma once

struct LookEffects {
  bool specular = true;
  bool shadows = true;
  bool reflection = false;  // draws every piece twice: off unless asked for
};

extern LookEffects lookEffects;
