// The shapes the Staunton set is turned and carved from, shared by its
// solid pieces and its flat symbols: the half-outline of each turned piece
// (heights from the board up, one square = 1) and the knight's side outline.
#pragma once

#include <vector>

#include "graphics/core/mesh.h"
#include "graphics/core/profile.h"

Profile pawnProfile();
Profile rookProfile();  // up to the top of the tower, without the battlement
Profile bishopProfile();
Profile queenProfile();
Profile kingProfile();
Profile knightFootProfile();

// The part of the bishop's profile that is its mitre, for the cut.
std::vector<Vec2> bishopMitre();

// The rook's battlement: radii, height and the merlons' spacing.
struct Battlement {
  float inner, outer, from, to;
  int merlons;
  float merlonDegrees;
};
Battlement rookBattlement();

// The queen's coronet: balls of this radius on a ring.
struct Coronet {
  float ring, height, radius;
  int balls;
};
Coronet queenCoronet();

// The king's cross: half-widths and heights of its two bars.
struct Cross {
  float halfThick, stemHalf, stemFrom, stemTo, barHalf, barFrom, barTo;
};
Cross kingCross();

// The knight's head and neck seen from its left, facing +x (x forward, y up
// from the board), counter-clockwise; its last edge, from the last corner
// back to the first, is the cut where the neck sinks into the foot.
std::vector<Vec2> knightOutline();
// Its thickness across (z) at a point of the outline's plane.
float knightThickness(Vec2 p);
// Eye and nostril centres in the outline's plane.
constexpr Vec2 KNIGHT_EYE{0.135f, 0.635f};
constexpr Vec2 KNIGHT_NOSTRIL{0.265f, 0.545f};
