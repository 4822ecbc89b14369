// Immediate-mode output of the scene walk (scenewalk.h): each of its calls
// made as the OpenGL 1.1 call it stands for.
#pragma once

#include <QOpenGLContext>

struct GlQuads {
  void cullfront(bool f) { glCullFace(f ? GL_FRONT : GL_BACK); }
  void begin() { glBegin(GL_QUADS); }
  void end() { glEnd(); }
  void normal(float x, float y, float z) { glNormal3f(x, y, z); }
  void texcoord(float s, float t) { glTexCoord2f(s, t); }
  void vertex(float x, float y, float z) { glVertex3f(x, y, z); }
};
