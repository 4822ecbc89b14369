// Closed solids for the Staunton set, each appended to a mesh with its
// corners wound counter-clockwise seen from outside and normals pointing
// out. A triangle is a quad whose last two corners coincide.
#pragma once

#include "graphics/core/mesh.h"
#include "graphics/core/profile.h"

// A profile turned about the vertical axis through centre (whose y is added
// to the profile's heights), in the given number of slices. Normals follow
// the profile's slope, averaged across gentle turns and kept apart at
// creases (turns sharper than CREASE_DEGREES).
constexpr float CREASE_DEGREES = 40.0f;
void lathe(const Profile& profile, int slices, Vec3 centre, Mesh& out);

// A sphere as a turned half circle.
void ball(Vec3 centre, float radius, int slices, Mesh& out);

// A box between two opposite corners, all six faces flat.
void block(Vec3 a, Vec3 b, Mesh& out);

// A piece of a thick ring: radii r0 < r1, between two angles about the
// vertical axis (degrees, 0 along +z, 90 along +x) and two heights; the
// curved faces in the given number of steps. A rook's battlement.
void ringBlock(float r0, float r1, float fromDegrees, float toDegrees, float y0, float y1, int steps, Mesh& out);

// One flat face (normals from its winding), and one triangle.
void flatQuad(Vec3 a, Vec3 b, Vec3 c, Vec3 d, Mesh& out);
void flatTriangle(Vec3 a, Vec3 b, Vec3 c, Mesh& out);

// Turns the quads from index `from` on about the vertical axis (degrees,
// counter-clockwise seen from above), then moves them; normals turn too.
void turnAndMove(Mesh& m, size_t from, float degrees, Vec3 by);
