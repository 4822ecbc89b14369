#include "graphics/gl/piecelight.h"

#include <QOpenGLContext>

namespace {

const GLfloat keyColour[4] = {0.8f, 0.77f, 0.72f, 1.0f};
const GLfloat keySpecular[4] = {1.0f, 0.97f, 0.92f, 1.0f};
const GLfloat fillDirection[4] = {0.62f, 0.5f, -0.6f, 0.0f};
const GLfloat fillColour[4] = {0.3f, 0.33f, 0.4f, 1.0f};
const GLfloat fillSpecular[4] = {0.25f, 0.27f, 0.32f, 1.0f};
const GLfloat none[4] = {0.0f, 0.0f, 0.0f, 1.0f};
const GLfloat roomAmbient[4] = {0.32f, 0.32f, 0.34f, 1.0f};

struct Wood {
  GLfloat colour[4];
  GLfloat specular[4];
  GLfloat shininess;
  GLfloat glow[4];  // the last move's
};
const Wood boxwood{{0.93f, 0.86f, 0.72f, 1.0f}, {0.42f, 0.4f, 0.36f, 1.0f}, 38.0f, {0.2f, 0.13f, 0.0f, 1.0f}};
const Wood rosewood{{0.36f, 0.21f, 0.14f, 1.0f}, {0.6f, 0.55f, 0.5f, 1.0f}, 56.0f, {0.26f, 0.06f, 0.02f, 1.0f}};
constexpr GLfloat DETAIL_SHADE = 0.3f;

}  // namespace

void setPieceLights() {
  const GLfloat key[4] = {KEY_LIGHT[0], KEY_LIGHT[1], KEY_LIGHT[2], 0.0f};
  glLightfv(GL_LIGHT0, GL_POSITION, key);
  glLightfv(GL_LIGHT0, GL_AMBIENT, none);
  glLightfv(GL_LIGHT0, GL_DIFFUSE, keyColour);
  glLightfv(GL_LIGHT0, GL_SPECULAR, keySpecular);
  glLightfv(GL_LIGHT1, GL_POSITION, fillDirection);
  glLightfv(GL_LIGHT1, GL_AMBIENT, none);
  glLightfv(GL_LIGHT1, GL_DIFFUSE, fillColour);
  glLightfv(GL_LIGHT1, GL_SPECULAR, fillSpecular);
  glLightModelfv(GL_LIGHT_MODEL_AMBIENT, roomAmbient);
  // Highlights placed for the eye, not for a viewer infinitely far.
  glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, GL_TRUE);
}

void setPieceMaterial(bool white, bool lastMoved, bool detail, bool specular) {
  const Wood& w = white ? boxwood : rosewood;
  GLfloat colour[4] = {w.colour[0], w.colour[1], w.colour[2], 1.0f};
  if (detail)
    for (int i = 0; i < 3; ++i) colour[i] *= DETAIL_SHADE;
  glMaterialfv(GL_FRONT, GL_AMBIENT, colour);
  glMaterialfv(GL_FRONT, GL_DIFFUSE, colour);
  glMaterialfv(GL_FRONT, GL_SPECULAR, specular ? w.specular : none);
  glMaterialf(GL_FRONT, GL_SHININESS, w.shininess);
  glMaterialfv(GL_FRONT, GL_EMISSION, lastMoved && !detail ? w.glow : none);
}
