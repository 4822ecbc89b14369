#include "graphics/gl/pieceshadows.h"

#include <QOpenGLContext>
#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/position/position.h"
#include "graphics/core/piecemesh.h"
#include "graphics/core/pieceset.h"
#include "graphics/core/scene.h"
#include "graphics/gl/piecelight.h"

namespace {

constexpr int DISC = 64;            // the blurred disc's texture side
constexpr float SOFT_FROM = 0.45f;  // of the disc's radius
constexpr float CONTACT_DARKNESS = 0.7f;
constexpr float CAST_DARKNESS = 0.45f;
constexpr float CAST_REACH = 0.3f;  // how far the cast shadow leans out, per unit of height

unsigned int makeDisc() {
  // Black, its alpha falling off from the middle.
  std::vector<unsigned char> rgba(static_cast<size_t>(DISC) * DISC * 4, 0);
  for (int y = 0; y < DISC; ++y)
    for (int x = 0; x < DISC; ++x) {
      const float u = (static_cast<float>(x) + 0.5f) / DISC * 2.0f - 1.0f;
      const float v = (static_cast<float>(y) + 0.5f) / DISC * 2.0f - 1.0f;
      // Full in the middle, fading out over the outer half.
      const float r = std::min(std::sqrt(u * u + v * v), 1.0f);
      const float t = std::max(0.0f, (r - SOFT_FROM) / (1.0f - SOFT_FROM));
      const float a = 1.0f - t * t * (3.0f - 2.0f * t);
      rgba[(static_cast<size_t>(y) * DISC + x) * 4 + 3] = static_cast<unsigned char>(a * 255.0f + 0.5f);
    }
  GLuint t = 0;
  glGenTextures(1, &t);
  glBindTexture(GL_TEXTURE_2D, t);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, DISC, DISC, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
  return t;
}

// An ellipse of the disc: centre, unit axis (ax, az) with its radius, and the
// radius across it.
void pool(float cx, float cz, float ax, float az, float along, float across, float darkness) {
  glColor4f(0.0f, 0.0f, 0.0f, darkness);
  const float ux = ax * along, uz = az * along, vx = -az * across, vz = ax * across;
  glTexCoord2f(0.0f, 0.0f);
  glVertex3f(cx - ux - vx, SHADOW_HEIGHT, cz - uz - vz);
  glTexCoord2f(0.0f, 1.0f);
  glVertex3f(cx - ux + vx, SHADOW_HEIGHT, cz - uz + vz);
  glTexCoord2f(1.0f, 1.0f);
  glVertex3f(cx + ux + vx, SHADOW_HEIGHT, cz + uz + vz);
  glTexCoord2f(1.0f, 0.0f);
  glVertex3f(cx + ux - vx, SHADOW_HEIGHT, cz + uz - vz);
}

}  // namespace

int32_t PieceShadows::draw(const tposizione& pos, const MeshLists& lists) {
  if (texture_ == 0) texture_ = makeDisc();
  // Away from the key light, along the board.
  const float l = std::hypot(KEY_LIGHT[0], KEY_LIGHT[2]);
  const float ax = -KEY_LIGHT[0] / l, az = -KEY_LIGHT[2] / l;
  const float lean = l / KEY_LIGHT[1];
  glDisable(GL_LIGHTING);
  glDisable(GL_CULL_FACE);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, texture_);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  // The window composes the board by the framebuffer's alpha: the blend
  // must leave the board's own alpha, or the shadows would show the window
  // through them as a pale haze.
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
  glDepthMask(GL_FALSE);
  int32_t quads = 0;
  glBegin(GL_QUADS);
  for (int s = 0; s < 64; ++s) {
    const int8_t piece = pos.board[s];
    if (piece == EMPTY) continue;
    const int k = meshForPiece(piece);
    // A dragged piece casts its shadow where it hangs.
    const bool dragged = s == draggedPiece.square;
    const float x0 = dragged ? draggedPiece.x : static_cast<float>(s & 7) - 3.5f;
    const float z0 = dragged ? draggedPiece.z : 3.5f - static_cast<float>(s >> 3);
    const float r = lists.radius(k), h = lists.height(k);
    pool(x0, z0, ax, az, r * 1.35f, r * 1.35f, CONTACT_DARKNESS);
    const float reach = CAST_REACH * h * lean;
    pool(x0 + ax * reach, z0 + az * reach, ax, az, r * 1.1f + reach, r * 1.1f, CAST_DARKNESS);
    quads += 2;
  }
  glEnd();
  glDepthMask(GL_TRUE);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  return quads;
}

void PieceShadows::release() {
  if (texture_ != 0) {
    GLuint t = texture_;
    glDeleteTextures(1, &t);
  }
  texture_ = 0;
}
