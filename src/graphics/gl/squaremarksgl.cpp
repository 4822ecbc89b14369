#include "graphics/gl/squaremarksgl.h"

#include <QOpenGLFunctions>
#include <cmath>
#include <numbers>

namespace {

// The last move's squares: a warm yellow wash; the targets: a dark green
// that reads on light and dark squares alike.
constexpr float LAST_MOVE_COLOUR[4] = {0.95f, 0.85f, 0.2f, 0.45f};
constexpr float TARGET_COLOUR[4] = {0.05f, 0.35f, 0.1f, 0.55f};

void tint(int s) {
  if (s < 0 || s > 63) return;
  const float x = squareCentreX(s), z = squareCentreZ(s);
  glBegin(GL_QUADS);
  glVertex3f(x - 0.5f, MARK_HEIGHT, z + 0.5f);
  glVertex3f(x + 0.5f, MARK_HEIGHT, z + 0.5f);
  glVertex3f(x + 0.5f, MARK_HEIGHT, z - 0.5f);
  glVertex3f(x - 0.5f, MARK_HEIGHT, z - 0.5f);
  glEnd();
}

void dot(int s) {
  const float x = squareCentreX(s), z = squareCentreZ(s);
  glBegin(GL_TRIANGLE_FAN);
  glVertex3f(x, MARK_HEIGHT, z);
  for (int k = 0; k <= MARK_SEGMENTS; ++k) {
    const float a = 2.0f * std::numbers::pi_v<float> * static_cast<float>(k) / MARK_SEGMENTS;
    glVertex3f(x + TARGET_DOT_RADIUS * std::cos(a), MARK_HEIGHT, z + TARGET_DOT_RADIUS * std::sin(a));
  }
  glEnd();
}

void ring(int s) {
  const float x = squareCentreX(s), z = squareCentreZ(s);
  glBegin(GL_QUAD_STRIP);
  for (int k = 0; k <= MARK_SEGMENTS; ++k) {
    const float a = 2.0f * std::numbers::pi_v<float> * static_cast<float>(k) / MARK_SEGMENTS;
    const float c = std::cos(a), n = std::sin(a);
    glVertex3f(x + CAPTURE_RING_OUTER * c, MARK_HEIGHT, z + CAPTURE_RING_OUTER * n);
    glVertex3f(x + CAPTURE_RING_INNER * c, MARK_HEIGHT, z + CAPTURE_RING_INNER * n);
  }
  glEnd();
}

}  // namespace

void drawSquareMarks(const SquareMarks& marks) {
  glColor4fv(LAST_MOVE_COLOUR);
  tint(marks.lastFrom);
  tint(marks.lastTo);
  glColor4fv(TARGET_COLOUR);
  for (int s : marks.targets)
    if (s >= 0 && s < 64) dot(s);
  for (int s : marks.captures)
    if (s >= 0 && s < 64) ring(s);
}
