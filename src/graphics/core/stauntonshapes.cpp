#include "graphics/core/stauntonshapes.h"

#include <algorithm>
#include <cmath>

namespace {

// The foot every piece stands on: a rim rounded over at the top, a step in
// and a bead; ends on the bead's top, at radius r - 0.045.
void foot(Profile& p, float r) {
  p.line(r, 0.0f).line(r, 0.026f);
  p.curve(r, 0.046f, r - 0.02f, 0.048f, 4);
  p.line(r - 0.045f, 0.052f);
  p.arc(r - 0.045f, 0.069f, 90.0f, 8);
}

// A collar: a ring below a smaller ring, from radius `from` at height y.
void collar(Profile& p, float y, float big, float small, float neck) {
  p.line(big - 0.005f, y).curve(big + 0.004f, y + 0.008f, big, y + 0.02f, 3);
  p.line(neck + 0.01f, y + 0.027f);
  p.line(small, y + 0.035f).curve(small + 0.006f, y + 0.042f, small, y + 0.05f, 3);
  p.line(neck, y + 0.056f);
}

// The body from the foot's bead up to its waist, curving in.
void body(Profile& p, float from, Vec2 bend, Vec2 waist) {
  p.line(from, 0.1f);
  p.curve(bend.u, bend.v, waist.u, waist.v, 10);
}

// A crown: its cup flaring out to a rounded rim, then a low dome inside the
// rim up to `top`.
void crown(Profile& p, Vec2 bend, Vec2 rim, Vec2 inside, Vec2 domeBend, Vec2 top) {
  p.curve(bend.u, bend.v, rim.u, rim.v, 8);
  p.curve(rim.u + 0.01f, rim.v + 0.01f, rim.u - 0.004f, rim.v + 0.02f, 3);
  p.line(inside.u, inside.v);
  p.curve(domeBend.u, domeBend.v, top.u, top.v, 5);
}

float smooth(float a, float b, float x) {
  const float t = std::clamp((x - a) / (b - a), 0.0f, 1.0f);
  return t * t * (3.0f - 2.0f * t);
}

}  // namespace

Profile pawnProfile() {
  Profile p(0.0f);
  foot(p, 0.205f);
  p.line(0.13f, 0.095f);
  p.curve(0.085f, 0.15f, 0.066f, 0.27f, 8);
  p.line(0.112f, 0.278f).curve(0.124f, 0.285f, 0.112f, 0.296f, 3);
  p.line(0.058f, 0.305f).line(0.058f, 0.318f);
  // The head: a ball on the neck.
  p.arc(0.0f, 0.4f, 90.0f, 14);
  return p;
}

Profile rookProfile() {
  Profile p(0.0f);
  foot(p, 0.25f);
  p.line(0.185f, 0.1f);
  p.curve(0.145f, 0.2f, 0.15f, 0.37f, 8);
  p.line(0.172f, 0.382f).curve(0.186f, 0.39f, 0.18f, 0.405f, 3);
  p.line(0.16f, 0.415f);
  // The tower flares out to its top.
  p.curve(0.19f, 0.43f, 0.198f, 0.5f, 5);
  p.line(0.198f, 0.505f).line(0.14f, 0.505f).line(0.14f, 0.48f).close(0.48f);
  return p;
}

Battlement rookBattlement() { return {0.14f, 0.198f, 0.505f, 0.57f, 5, 44.0f}; }

Profile bishopProfile() {
  Profile p(0.0f);
  foot(p, 0.235f);
  body(p, 0.165f, {0.09f, 0.18f}, {0.07f, 0.41f});
  collar(p, 0.41f, 0.128f, 0.092f, 0.055f);
  for (const Vec2& m : bishopMitre()) p.line(m.u, m.v);
  // The knob.
  p.line(0.018f, 0.748f).line(0.018f, 0.752f);
  p.arc(0.0f, 0.775f, 90.0f, 8);
  return p;
}

std::vector<Vec2> bishopMitre() {
  Profile p(0.0f);
  p.line(0.055f, 0.472f);
  p.curve(0.145f, 0.51f, 0.118f, 0.615f, 8);
  p.curve(0.092f, 0.7f, 0.026f, 0.742f, 8);
  std::vector<Vec2> m(p.points().begin() + 1, p.points().end());
  return m;
}

Profile queenProfile() {
  Profile p(0.0f);
  foot(p, 0.265f);
  body(p, 0.19f, {0.1f, 0.2f}, {0.078f, 0.52f});
  collar(p, 0.52f, 0.145f, 0.108f, 0.07f);
  // The dome stands inside the coronet's balls and carries the knob.
  crown(p, {0.085f, 0.7f}, {0.162f, 0.765f}, {0.13f, 0.79f}, {0.1f, 0.83f}, {0.028f, 0.848f});
  p.line(0.026f, 0.856f);
  p.arc(0.0f, 0.885f, 90.0f, 8);
  return p;
}

Coronet queenCoronet() { return {0.152f, 0.792f, 0.022f, 8}; }

Profile kingProfile() {
  Profile p(0.0f);
  foot(p, 0.275f);
  body(p, 0.2f, {0.105f, 0.21f}, {0.082f, 0.56f});
  collar(p, 0.56f, 0.152f, 0.112f, 0.074f);
  crown(p, {0.085f, 0.74f}, {0.15f, 0.8f}, {0.12f, 0.826f}, {0.08f, 0.86f}, {0.03f, 0.866f});
  p.close(0.868f);
  return p;
}

Cross kingCross() { return {0.022f, 0.021f, 0.85f, 1.04f, 0.068f, 0.935f, 0.978f}; }

Profile knightFootProfile() {
  Profile p(0.0f);
  foot(p, 0.25f);
  p.line(0.185f, 0.1f);
  p.curve(0.175f, 0.118f, 0.172f, 0.14f, 3);
  p.line(0.15f, 0.15f).close(0.15f);
  return p;
}

std::vector<Vec2> knightOutline() {
  return {{0.125f, 0.12f},   {0.15f, 0.21f},    {0.132f, 0.31f},   {0.1f, 0.39f},    {0.125f, 0.44f},
          {0.19f, 0.468f},   {0.255f, 0.487f},  {0.283f, 0.51f},   {0.291f, 0.545f}, {0.276f, 0.577f},
          {0.222f, 0.618f},  {0.152f, 0.668f},  {0.112f, 0.708f},  {0.102f, 0.748f}, {0.088f, 0.802f},
          {0.057f, 0.748f},  {0.03f, 0.74f},    {-0.028f, 0.712f}, {-0.058f, 0.69f}, {-0.062f, 0.662f},
          {-0.096f, 0.638f}, {-0.101f, 0.603f}, {-0.136f, 0.573f}, {-0.14f, 0.532f}, {-0.172f, 0.492f},
          {-0.176f, 0.442f}, {-0.196f, 0.392f}, {-0.19f, 0.332f},  {-0.2f, 0.262f},  {-0.19f, 0.182f},
          {-0.17f, 0.12f}};
}

float knightThickness(Vec2 p) {
  // Thick at the foot, slimmer up the neck; the head full at the cheeks and
  // narrowing to the muzzle; the ears thin.
  const float neck = 0.165f - 0.09f * smooth(0.12f, 0.46f, p.v);
  const float head = 0.135f - 0.05f * smooth(0.12f, 0.27f, p.u);
  float t = neck + (head - neck) * smooth(0.38f, 0.5f, p.v);
  t *= 1.0f - 0.45f * smooth(0.72f, 0.79f, p.v);
  return t;
}
