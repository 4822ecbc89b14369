#include "graphics/gl/hintarrowgl.h"

#include <QOpenGLFunctions>

namespace {

// A deep blue that reads on both squares' colours and on both piece sets.
constexpr float ARROW_COLOUR[4] = {0.1f, 0.35f, 0.85f, 0.7f};

}  // namespace

void drawHintArrow(const HintArrow& arrow) {
  ArrowOutline o;
  if (!arrowOutline(arrow, o)) return;
  const GLboolean depthTest = glIsEnabled(GL_DEPTH_TEST);
  glDisable(GL_DEPTH_TEST);
  glColor4fv(ARROW_COLOUR);
  // The shaft ends where the head begins: the two never overlap, so the
  // translucent colour is even all over.
  glBegin(GL_QUADS);
  for (int i = 0; i < 4; ++i) glVertex3f(o.shaftX[i], ARROW_HEIGHT, o.shaftZ[i]);
  glEnd();
  glBegin(GL_TRIANGLES);
  for (int i = 0; i < 3; ++i) glVertex3f(o.headX[i], ARROW_HEIGHT, o.headZ[i]);
  glEnd();
  if (depthTest) glEnable(GL_DEPTH_TEST);
}
