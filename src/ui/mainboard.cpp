// The board surface's mouse: the square under the pointer and the two
// clicks (piece, then target) that make a human move.
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

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
  switch (e->type()) {
    case QEvent::MouseMove: {
      const auto* m = static_cast<QMouseEvent*>(e);
      Panel1MouseMove(static_cast<int>(m->position().x()), static_cast<int>(m->position().y()));
      break;
    }
    case QEvent::MouseButtonRelease: {
      const auto* m = static_cast<QMouseEvent*>(e);
      const QPoint p = m->position().toPoint();
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
      if (!controllore().searching() && casellasotto >= 0) {
        casellasotto = -1;
        Panel1->disegnascena(true);
      }
      break;
    default: break;
  }
  return false;
}

void TZefiran_3D::Panel1MouseMove(int x, int y) {
  // During a search the board takes no hover: the pointer stays visible so
  // that the menus and the grid can still be reached with it.
  if (controllore().searching()) {
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
    Panel1->disegnascena(true);
    return;
  }
  if (casellasotto == casellascelta) {
    casellascelta = -1;
    return;
  }
  if (casellasotto < 0 || casellasotto > 63) {
    Panel1->disegnascena(true);
    return;
  }
  if (colourAt(casellasotto) != 0 && colourAt(casellasotto) == colourAt(casellascelta)) {
    casellascelta = casellasotto;
    return;
  }
  const int from = casellascelta, to = casellasotto;
  MoveAttempt attempt = session.humanMove(from, to);
  if (attempt == MoveAttempt::needsPromotion) {
    const std::string before = session.currentFen();
    promozione->impostacolore(session.whiteToMove());
    promozione->exec();
    // The dialog's own event loop ran the ticks: the move still has to be
    // this position's (the controller refuses it while a search runs).
    if (closed_ || session.currentFen() != before) return;
    attempt = session.humanMove(from, to, sceltapromozione);
  }
  if (attempt == MoveAttempt::played) {
    casellascelta = -1;
    casellasotto = -1;
  }
  Panel1->disegnascena(true);
}
