// The board surface's mouse: the square under the pointer, the two clicks
// (piece, then target) and the drag (press on a piece, carry it, release on
// its target) that make a person's move, and the marks they leave.
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <memory>

#include "game/gamecontroller.h"
#include "graphics/core/picking.h"
#include "graphics/core/scene.h"
#include "graphics/gl/boardview.h"
#include "ui/Unitpromozione.h"
#include "ui/main.h"

namespace {

// 1 White, -1 Black, 0 an empty square (or none).
int colourAt(int s) {
  const int8_t v = controllore().pieceAt(s);
  return v > 0 ? 1 : v < 0 ? -1 : 0;
}

}  // namespace

bool TZefiran_3D::boardEvent(QEvent* e) {
  // A search of the coach's (the analysis, a review) works on the position
  // shown: the left button's press and release, and the edit popup's
  // release, wait for it to stop and are taken then, in their order.
  if (controllore().coachSearching() &&
      (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonRelease)) {
    const auto* m = static_cast<QMouseEvent*>(e);
    if (m->button() == Qt::LeftButton ||
        (m->button() == Qt::RightButton && editing() && e->type() == QEvent::MouseButtonRelease)) {
      std::shared_ptr<QEvent> later(m->clone());
      controllore().whenIdle([this, later] { boardEvent(later.get()); }, false);
      return true;
    }
  }
  switch (e->type()) {
    case QEvent::MouseButtonPress: {
      const auto* m = static_cast<QMouseEvent*>(e);
      if (m->button() == Qt::LeftButton) pressAt(m->position().toPoint());
      break;
    }
    case QEvent::MouseMove: {
      const auto* m = static_cast<QMouseEvent*>(e);
      const QPoint p = m->position().toPoint();
      if ((m->buttons() & Qt::LeftButton) && dragFrom_ >= 0) {
        dragTo(p);
        break;
      }
      Panel1MouseMove(p.x(), p.y());
      break;
    }
    case QEvent::MouseButtonRelease: {
      const auto* m = static_cast<QMouseEvent*>(e);
      const QPoint p = m->position().toPoint();
      if (m->button() == Qt::LeftButton && draggedPiece.square >= 0) {
        drop(p);
        break;
      }
      dragFrom_ = -1;
      // A click is a release over the panel; the square is taken where the
      // button went up, also when no move event came before it.
      if (m->button() == Qt::LeftButton && Panel1->rect().contains(p)) {
        Panel1MouseMove(p.x(), p.y());
        Panel1Click();
      }
      if (m->button() == Qt::RightButton && editing() && !Panel1->orbitato()) {
        // The popup's items act on the square under the pointer now.
        editSquare_ = casellapunto(p.x(), p.y(), Panel1->width(), Panel1->height());
        if (editSquare_ >= 0) PopupMenu1->popup(m->globalPosition().toPoint());
      }
      break;
    }
    case QEvent::Leave:
      // A pointer gone from the panel hovers no square.
      if ((!controllore().searching() || controllore().coachSearching()) && casellasotto >= 0 &&
          draggedPiece.square < 0) {
        casellasotto = -1;
        Panel1->disegnascena(true);
      }
      break;
    default: break;
  }
  return false;
}

void TZefiran_3D::pressAt(const QPoint& p) {
  dragFrom_ = -1;
  if (testRunning_) return;
  const int s = casellapunto(p.x(), p.y(), Panel1->width(), Panel1->height());
  // Only a piece the player may move can be carried; any other press is
  // the first half of a click.
  if (controllore().canPickUp(s)) {
    dragFrom_ = s;
    pressPoint_ = p;
  }
}

void TZefiran_3D::dragTo(const QPoint& p) {
  if (draggedPiece.square < 0) {
    if ((p - pressPoint_).manhattanLength() < QApplication::startDragDistance()) return;
    if (!controllore().canPickUp(dragFrom_)) {
      dragFrom_ = -1;
      return;
    }
    // The carried piece is the chosen one: its targets show meanwhile.
    draggedPiece.square = dragFrom_;
    casellascelta = dragFrom_;
    refreshMarks();
  }
  float pr[16], mv[16], bx = 0.0f, bz = 0.0f;
  projectionMatrix(Panel1->width(), Panel1->height(), pr);
  cameraMatrix(mv);
  if (boardPoint(pr, mv, static_cast<float>(p.x()) + 0.5f, static_cast<float>(p.y()) + 0.5f, Panel1->width(),
                 Panel1->height(), bx, bz)) {
    draggedPiece.x = bx;
    draggedPiece.z = bz;
  }
  casellasotto = casellapunto(p.x(), p.y(), Panel1->width(), Panel1->height());
  Panel1->disegnascena(true);
}

void TZefiran_3D::drop(const QPoint& p) {
  const int from = draggedPiece.square;
  const int to = casellapunto(p.x(), p.y(), Panel1->width(), Panel1->height());
  draggedPiece.square = -1;
  dragFrom_ = -1;
  casellasotto = to;
  // Dropped where it cannot go, the piece goes back and stays chosen.
  if (to >= 0 && to != from && tryMove(from, to)) {
    casellascelta = -1;
  } else {
    casellascelta = from;
  }
  refreshMarks();
  Panel1->disegnascena(true);
}

bool TZefiran_3D::tryMove(int from, int to) {
  GameController& session = controllore();
  MoveAttempt attempt = session.humanMove(from, to);
  if (attempt == MoveAttempt::needsPromotion) {
    const std::string before = session.currentFen();
    promozione->impostacolore(session.whiteToMove());
    promozione->exec();
    // The dialog's own event loop ran the ticks: the move still has to be
    // this position's (the controller refuses it while a search runs).
    if (closed_ || session.currentFen() != before) return false;
    attempt = session.humanMove(from, to, sceltapromozione);
  }
  return attempt == MoveAttempt::played;
}

void TZefiran_3D::refreshMarks() {
  SquareMarks marks;
  const GameController& session = controllore();
  if (!session.editing()) {
    marks.lastFrom = session.lastMoveFrom();
    marks.lastTo = session.lastMoveTo();
    marks.hint = hintArrow();
    if (casellascelta >= 0 && showTargets_)
      for (int t : session.targets(casellascelta))
        (session.pieceAt(t) != board::EMPTY ? marks.captures : marks.targets).push_back(t);
  }
  Panel1->setMarks(marks);
}

void TZefiran_3D::Panel1MouseMove(int x, int y) {
  // During the engine's search the board takes no hover: the pointer stays
  // visible so that the menus and the grid can still be reached with it.
  // The coach's searches leave the board to the player.
  if (controllore().searching() && !controllore().coachSearching()) {
    if (Panel1->cursor().shape() == Qt::BlankCursor) Panel1->unsetCursor();
    return;
  }
  // The highlighted square shows where the pointer is.
  if (Panel1->cursor().shape() != Qt::BlankCursor) Panel1->setCursor(Qt::BlankCursor);
  // Off the squares nothing is hovered, and a click there does nothing.
  const int s = casellapunto(x, y, Panel1->width(), Panel1->height());
  if (s != casellasotto) {
    casellasotto = s;
    Panel1->disegnascena(true);
  }
  Edit1->setFocus();
}

void TZefiran_3D::Panel1Click() {
  // A test run or a book build replays positions of its own on the board;
  // in edit mode the right button places the pieces.
  GameController& session = controllore();
  if (session.searching() || testRunning_ || session.editing()) return;
  if (casellascelta < 0) {
    if (session.canPickUp(casellasotto)) casellascelta = casellasotto;
  } else if (casellasotto == casellascelta) {
    casellascelta = -1;
  } else if (casellasotto < 0 || casellasotto > 63) {
    // Beside the squares a click does nothing.
  } else if (colourAt(casellasotto) != 0 && colourAt(casellasotto) == colourAt(casellascelta)) {
    casellascelta = casellasotto;
  } else if (tryMove(casellascelta, casellasotto)) {
    casellascelta = -1;
    casellasotto = -1;
  }
  refreshMarks();
  Panel1->disegnascena(true);
}
