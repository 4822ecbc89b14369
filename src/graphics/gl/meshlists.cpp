#include "graphics/gl/meshlists.h"

#include <QOpenGLContext>
#include <algorithm>
#include <cmath>

#include "graphics/core/pieceset.h"

namespace {

const Mesh& meshOf(int piece, MeshLists::Part part) {
  switch (part) {
    case MeshLists::OUTLINE: return pieceOutlines[piece];
    case MeshLists::DETAIL: return pieceDetails[piece];
    default: return pezzi[piece];
  }
}

}  // namespace

void MeshLists::update() {
  if (made_ && generation_ == pieceGeneration) return;
  if (!made_) base_ = glGenLists(NUMPEZZI * PARTS);
  if (base_ == 0) return;
  made_ = true;
  generation_ = pieceGeneration;
  for (int k = 0; k < NUMPEZZI; ++k) {
    float r = 0.0f, h = 0.0f;
    for (int part = 0; part < PARTS; ++part) {
      const Mesh& m = meshOf(k, static_cast<Part>(part));
      quads_[k][part] = static_cast<int32_t>(m.size());
      glNewList(base_ + static_cast<unsigned int>(k * PARTS + part), GL_COMPILE);
      glBegin(GL_QUADS);
      for (const Quad& q : m)
        for (int c = 0; c < 4; ++c) {
          glNormal3f(q.n[c].x, q.n[c].y, q.n[c].z);
          glVertex3f(q.p[c].x, q.p[c].y, q.p[c].z);
          if (part == BODY) {
            r = std::max(r, std::hypot(q.p[c].x, q.p[c].z));
            h = std::max(h, q.p[c].y + 1.0f);
          }
        }
      glEnd();
      glEndList();
    }
    radius_[k] = r;
    height_[k] = h;
  }
}

void MeshLists::draw(int piece, Part part) const {
  if (!made_ || quads_[piece][part] == 0) return;
  glCallList(base_ + static_cast<unsigned int>(piece * PARTS + part));
}

void MeshLists::release() {
  if (made_ && base_ != 0) glDeleteLists(base_, NUMPEZZI * PARTS);
  base_ = 0;
  made_ = false;
}
