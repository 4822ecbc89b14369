// The knight's side view: the two outlines the 3D knight is extruded from
// (x to the right, y up, the board at y = -1), and the half of its base
// above the board. The program's icon draws the same knight.
#pragma once

#include <array>

#include "graphics/core/mesh.h"

// The head, with the muzzle to the left; a closed outline (last = first).
inline constexpr std::array<Vec2, 11> KNIGHTHEAD = {{{0.0f, 0.324f},
                                                     {0.26f, -0.037f},
                                                     {-0.064f, -0.032f},
                                                     {-0.369f, -0.104f},
                                                     {-0.391f, -0.069f},
                                                     {-0.313f, -0.021f},
                                                     {-0.41f, -0.002f},
                                                     {-0.412f, 0.068f},
                                                     {-0.375f, 0.108f},
                                                     {-0.037f, 0.238f},
                                                     {0.0f, 0.324f}}};
inline constexpr Vec2 KNIGHTHEADCENTRE{0.04f, 0.079f};

// The neck, down into the base; a closed outline.
inline constexpr std::array<Vec2, 8> KNIGHTNECK = {{{-0.064f, -0.032f},
                                                    {0.262f, -0.035f},
                                                    {0.314f, -0.412f},
                                                    {0.33f, -0.986f},
                                                    {-0.252f, -0.986f},
                                                    {-0.2f, -0.355f},
                                                    {-0.103f, -0.217f},
                                                    {-0.064f, -0.032f}}};
inline constexpr Vec2 KNIGHTNECKCENTRE{0.0f, -0.543f};

// The base every 3D piece stands on: an ellipsoid of this radius centred on
// the board.
inline constexpr float PIECEBASERADIUS = 0.7f;
inline constexpr float BOARDLEVEL = -1.0f;
