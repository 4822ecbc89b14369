#include "graphics/gl/stauntonscene.h"

#include <QOpenGLContext>

#include "engine/position/position.h"
#include "graphics/core/lookeffects.h"
#include "graphics/core/piecemesh.h"
#include "graphics/core/pieceset.h"
#include "graphics/core/scene.h"
#include "graphics/core/scenewalk.h"
#include "graphics/gl/glquads.h"
#include "graphics/gl/piecelight.h"

namespace {

// Flat colours of the symbols.
const GLfloat whiteFill[3] = {0.98f, 0.96f, 0.91f};
const GLfloat blackFill[3] = {0.16f, 0.15f, 0.15f};
const GLfloat ink[3] = {0.07f, 0.06f, 0.06f};
const GLfloat blackLines[3] = {0.9f, 0.87f, 0.8f};
const GLfloat whiteMoved[3] = {1.0f, 0.9f, 0.58f};
const GLfloat blackMoved[3] = {0.42f, 0.16f, 0.1f};

constexpr float BOARD_PLANE = -1.0f;
constexpr float FAR_AWAY = 100.0f;  // beyond the far plane's reach on the board

bool movedLast(const tposizione& pos, int s) { return (pos.lastmove & MV_MOVE) != 0 && s == mvTo(pos.lastmove); }

// Draws every piece of the position, each with the model-view matrix moved
// to its square (the dragged one to the pointer, lifted); adds up what draw
// returns.
template <class F>
int32_t eachPiece(const tposizione& pos, F&& draw) {
  int32_t quads = 0;
  for (int s = 0; s < 64; ++s) {
    const int8_t piece = pos.board[s];
    if (piece == EMPTY) continue;
    glPushMatrix();
    if (s == draggedPiece.square)
      glTranslatef(draggedPiece.x, vista == VISTA_PIATTA ? DRAG_LIFT_FLAT : DRAG_LIFT_3D, draggedPiece.z);
    else
      glTranslatef(static_cast<float>(s & 7) - 3.5f, 0.0f, 3.5f - static_cast<float>(s >> 3));
    quads += draw(piece, s);
    glPopMatrix();
  }
  return quads;
}

}  // namespace

int32_t StauntonScene::drawBoard() {
  GlQuads out;
  return percorritavola(out);
}

void StauntonScene::maskOutsideTheBoard() {
  // Depth only, in the board's plane around the frame: a reflection seen
  // past the board's edge lies behind it and is not drawn.
  glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
  glDisable(GL_LIGHTING);
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_CULL_FACE);
  const float e = 5.0f, f = FAR_AWAY, y = BOARD_PLANE;
  glBegin(GL_QUADS);
  const float ring[4][4] = {{-f, -f, f, -e}, {-f, e, f, f}, {-f, -e, -e, e}, {e, -e, f, e}};  // x0 z0 x1 z1
  for (const auto& r : ring) {
    glVertex3f(r[0], y, r[1]);
    glVertex3f(r[2], y, r[1]);
    glVertex3f(r[2], y, r[3]);
    glVertex3f(r[0], y, r[3]);
  }
  glEnd();
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
}

int32_t StauntonScene::drawSolids(const tposizione& pos, bool mirrored) {
  glEnable(GL_LIGHTING);
  glDisable(GL_TEXTURE_2D);
  glEnable(GL_CULL_FACE);
  // A mirror turns the winding over.
  glCullFace(mirrored ? GL_FRONT : GL_BACK);
  setPieceLights();
  return eachPiece(pos, [this, &pos](int8_t piece, int s) {
    const bool white = piece > 0;
    const int k = meshForPiece(piece);
    // Each side's knights look toward the other side.
    if (!white && k == MESH_CAVALLO) glRotatef(180.0f, 0.0f, 1.0f, 0.0f);
    setPieceMaterial(white, movedLast(pos, s), false, lookEffects.specular);
    lists_.draw(k, MeshLists::BODY);
    if (lists_.quads(k, MeshLists::DETAIL) > 0) {
      setPieceMaterial(white, false, true, lookEffects.specular);
      lists_.draw(k, MeshLists::DETAIL);
    }
    return lists_.quads(k, MeshLists::BODY) + lists_.quads(k, MeshLists::DETAIL);
  });
}

int32_t StauntonScene::drawSymbols(const tposizione& pos) {
  glDisable(GL_LIGHTING);
  glDisable(GL_TEXTURE_2D);
  glEnable(GL_CULL_FACE);
  // With the flat board turned the symbols are mirrored, as the classic
  // ones are, so that they still read upright.
  const bool mirror = rotazione < 180.0f;
  glCullFace(mirror ? GL_FRONT : GL_BACK);
  return eachPiece(pos, [this, &pos, mirror](int8_t piece, int s) {
    const bool white = piece > 0;
    const int k = meshForPiece(piece);
    if (mirror) glScalef(1.0f, 1.0f, -1.0f);
    const bool moved = movedLast(pos, s);
    glColor3fv(white ? (moved ? whiteMoved : whiteFill) : (moved ? blackMoved : blackFill));
    lists_.draw(k, MeshLists::BODY);
    glColor3fv(ink);
    lists_.draw(k, MeshLists::OUTLINE);
    glColor3fv(white ? ink : blackLines);
    lists_.draw(k, MeshLists::DETAIL);
    int32_t quads = 0;
    for (int part = 0; part < MeshLists::PARTS; ++part) quads += lists_.quads(k, static_cast<MeshLists::Part>(part));
    return quads;
  });
}

int32_t StauntonScene::draw(const tposizione& pos) {
  lists_.update();
  glPushAttrib(GL_ALL_ATTRIB_BITS);
  int32_t quads = 0;
  const bool solid = vista != VISTA_PIATTA;
  if (solid && lookEffects.reflection) {
    // The board's colours first, leaving the depth clear under it; then the
    // pieces upside down beneath it; then the board again over them, a
    // little see-through.
    glDepthMask(GL_FALSE);
    drawBoard();
    glDepthMask(GL_TRUE);
    maskOutsideTheBoard();
    glPushMatrix();
    glTranslatef(0.0f, BOARD_PLANE, 0.0f);
    glScalef(1.0f, -1.0f, 1.0f);
    glTranslatef(0.0f, -BOARD_PLANE, 0.0f);
    drawSolids(pos, true);
    glPopMatrix();
    glPopAttrib();
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);  // the board's alpha stays whole (see the shadows)
    const GLfloat seeThrough[4] = {0.8f, 0.8f, 0.8f, 1.0f - REFLECTIVITY};
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, seeThrough);
    quads += drawBoard();
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glDisable(GL_BLEND);
    const GLfloat opaque[4] = {0.8f, 0.8f, 0.8f, 1.0f};
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, opaque);
  } else {
    quads += drawBoard();
  }
  if (solid) {
    if (lookEffects.shadows) shadows_.draw(pos, lists_);
    quads += drawSolids(pos, false);
  } else {
    quads += drawSymbols(pos);
  }
  glPopAttrib();
  return quads;
}

void StauntonScene::release() {
  lists_.release();
  shadows_.release();
}
