// The board surface's mouse: the square under the pointer and the two
// clicks (piece, then target) that make a human move.
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

#include "engine/position/game.h"
#include "engine/position/makemove.h"
#include "engine/position/position.h"
#include "engine/search/clock.h"
#include "engine/toolkit.h"
#include "game/gamecontroller.h"
#include "graphics/core/picking.h"
#include "graphics/core/scene.h"
#include "graphics/gl/boardview.h"
#include "ui/Unitpromozione.h"
#include "ui/main.h"

namespace {

// 1 White, 2 Black, 0 an empty square.
int colorecasella(int s) {
  if (s < 0 || s > 63) return 0;
  const int v = posizioni[0].board[s];
  return v > 0 ? WHITE : v < 0 ? BLACK : 0;
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
      if (m->button() == Qt::RightButton && editing_ && !Panel1->orbitato()) {
        // The popup's items act on the square under the pointer now.
        editSquare_ = casellapunto(p.x(), p.y(), Panel1->width(), Panel1->height());
        if (editSquare_ >= 0) PopupMenu1->popup(m->globalPosition().toPoint());
      }
      break;
    }
    case QEvent::Leave:
      // A pointer gone from the panel hovers no square.
      if (partita.inricerca == 0 && casellasotto >= 0) {
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
  if (partita.inricerca != 0) {
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
  if (partita.inricerca != 0 || testRunning_ || editing_) return;
  if (casellascelta < 0) {
    if (casellasotto >= 0 && colorecasella(casellasotto) == posizioni[0].side) casellascelta = casellasotto;
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
  if (colorecasella(casellasotto) != 0 && colorecasella(casellasotto) == colorecasella(casellascelta)) {
    casellascelta = casellasotto;
    return;
  }

  uint32_t codice = mossavalida(static_cast<uint32_t>(casellascelta + 64 * casellasotto));
  // The generator's moves may still leave the king in check: such a target
  // is refused like any other illegal one, before the promotion question.
  if (codice) {
    ply = 1;
    if (!eseguimossa(codice, 32100)) codice = 0;
  }
  if (codice & MV_PROMOS) {
    const uint32_t chiave = posizioni[0].hashcheck;
    promozione->impostacolore(posizioni[0].side == WHITE);
    promozione->exec();
    // The dialog's own event loop ran the ticks: the move still has to be
    // this position's and nobody may be searching.
    if (partita.inricerca != 0 || closed_ || posizioni[0].hashcheck != chiave) return;
    codice = (codice & 8191) + static_cast<uint32_t>(sceltapromozione);
  }
  if (codice > 0 && controllore().humanMove(codice)) {
    casellascelta = -1;
    casellasotto = -1;
  }
  Panel1->disegnascena(true);
}
