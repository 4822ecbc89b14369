// The move grid: three columns (move number, White's move, Black's move) on
// an off-screen bitmap, the hovered and the current half-move marked, a
// scroll bar once the moves outgrow the rows, and a click that sets the
// board to the position after the clicked move.
#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>

#include "game/gamecontroller.h"
#include "game/reviewnotes.h"
#include "graphics/core/scene.h"
#include "graphics/gl/boardview.h"
#include "ui/calmgrid.h"
#include "ui/griglia.h"
#include "ui/look.h"
#include "ui/main.h"

namespace {

const QColor GIALLO(255, 255, 0);
const QColor BIANCO(255, 255, 255);
const QColor NERO(0, 0, 0);

// A game set up with Black to move opens with an empty White cell.
int gridShift() { return controllore().blackStarts() ? 1 : 0; }

// The stored text of half-move k (1-based) with its glyph from the game's
// notes (a review's mark, a file's "!?"), empty past the game's end.
QString testomossa(int k) { return QString::fromStdString(controllore().moveText(k) + moveSign(k)); }

}  // namespace

bool TZefiran_3D::gridEvent(QEvent* e) {
  switch (e->type()) {
    case QEvent::Paint: PaintBox1Paint(); return true;
    case QEvent::MouseMove: {
      const auto* m = static_cast<QMouseEvent*>(e);
      PaintBox1MouseMove(static_cast<int>(m->position().x()), static_cast<int>(m->position().y()));
      return false;
    }
    case QEvent::MouseButtonRelease: {
      const auto* m = static_cast<QMouseEvent*>(e);
      const QPoint p = m->position().toPoint();
      if (m->button() == Qt::LeftButton && PaintBox1->rect().contains(p)) {
        PaintBox1MouseMove(p.x(), p.y());
        PaintBox1Click();
      }
      return false;
    }
    case QEvent::Wheel: {
      // A notch of the wheel is a row.
      const auto* w = static_cast<QWheelEvent*>(e);
      const int righe = w->angleDelta().y() / 120;
      if (righe != 0 && ScrollBar1->isEnabled()) ScrollBar1->setValue(ScrollBar1->value() - righe);
      return true;
    }
    default: return false;
  }
}

int TZefiran_3D::rowHeight() const {
  // The height of "lg" on the grid's canvas and two pixels above and below.
  return QFontMetrics(PaintBox1->font()).height() + 4;
}

void TZefiran_3D::drawGrid() {
  const QSize dimensione = PaintBox1->size();
  if (gridBitmap_.size() != dimensione) gridBitmap_ = QPixmap(dimensione);
  if (dimensione.isEmpty()) return;
  const int larghezza = dimensione.width();
  const int rh = rowHeight();
  const int u = larghezza / 7;
  const int n = dimensione.height() / rh;

  const int spostamento = gridShift();
  const GameController& gioco = controllore();
  const int a = (gioco.recordedMoves() + spostamento) / 2 - n;
  int primo = 1;
  {
    // Setting the bar up is not a move of the user's.
    const QSignalBlocker blocco(ScrollBar1);
    if (a < 0) {
      ScrollBar1->setEnabled(false);
      ScrollBar1->setRange(1, 1);
      ScrollBar1->setValue(1);
    } else {
      ScrollBar1->setEnabled(true);
      ScrollBar1->setRange(1, a + 2);
      ScrollBar1->setPageStep(n > 0 ? n : 1);
      if (followCurrent_) {
        // The current half-move stays in sight.
        const int riga = (gioco.shownMove() + spostamento + 1) / 2;
        if (riga >= 1 && riga < ScrollBar1->value()) ScrollBar1->setValue(riga);
        if (n > 0 && riga > ScrollBar1->value() + n - 1) ScrollBar1->setValue(riga - n + 1);
      }
      primo = ScrollBar1->value();
    }
  }

  if (windowStyle() == WindowStyle::Calm) {
    GridRows g;
    g.rowHeight = rh;
    g.firstRow = primo;
    g.rows = n;
    g.shift = spostamento;
    g.firstNumber = controllore().startMoveNumber() - 1;
    g.recorded = gioco.recordedMoves();
    g.shown = gioco.shownMove();
    g.hovered = mossasotto;
    g.text = testomossa;
    drawCalmGrid(gridBitmap_, PaintBox1->font(), g);
    followCurrent_ = false;
    return;
  }

  QPainter p(&gridBitmap_);
  QFont normale = PaintBox1->font();
  QFont grassetto = normale;
  grassetto.setBold(true);
  p.setFont(normale);
  p.fillRect(QRect(QPoint(0, 0), dimensione), grigiogriglia());
  videolinea(p, u, 0, 1, dimensione.height(), u);
  videolinea(p, 4 * u, 0, 1, dimensione.height(), 4 * u);
  followCurrent_ = false;
  const int numero = controllore().startMoveNumber() - 1;
  for (int c = 0; c < n; ++c) {
    const int m = primo + c;
    const int y1 = rh * c + 1;
    const int y2 = rh * (c + 1) - 1;
    videolinea(p, 0, rh * (c + 1), 1, rh * (c + 1), larghezza);
    videoscritta(p, 1, y1, GIALLO, 'c', QString::number(numero + m), y2, u - 1);

    const int bianca = 2 * m - 1 - spostamento;
    p.setFont(mossasotto == bianca ? grassetto : normale);
    videoscritta(p, u + 1, y1, gioco.shownMove() == bianca ? GIALLO : BIANCO, 'c', testomossa(bianca), y2, 4 * u - 1);
    const int nera = 2 * m - spostamento;
    p.setFont(mossasotto == nera ? grassetto : normale);
    videoscritta(p, 4 * u + 1, y1, gioco.shownMove() == nera ? GIALLO : NERO, 'c', testomossa(nera), y2, 7 * u - 1);
    p.setFont(normale);
  }
}

void TZefiran_3D::sistemagriglia(int) {
  drawGrid();
  PaintBox1->update();
  showFenStrip();
}

void TZefiran_3D::PaintBox1Paint() {
  drawGrid();
  QPainter p(PaintBox1);
  p.drawPixmap(0, 0, gridBitmap_);
}

void TZefiran_3D::ScrollBar1Change() { sistemagriglia(1); }

void TZefiran_3D::PaintBox1MouseMove(int x, int y) {
  const int rh = rowHeight();
  if (rh <= 0) return;
  const int r = y / rh + ScrollBar1->value();
  const int m = (x < 4 * (PaintBox1->width() / 7) ? 2 * r - 1 : 2 * r) - gridShift();
  if (m == mossasotto) return;
  mossasotto = m;
  sistemagriglia(1);
}

void TZefiran_3D::PaintBox1Click() {
  if (testRunning_ || editing()) return;
  // Past the last move there is nothing to go to.
  if (mossasotto < 1 || mossasotto > controllore().recordedMoves()) return;
  controllore().goToMove(mossasotto);
}

void TZefiran_3D::navigate(void (GameController::*passo)()) {
  if (testRunning_ || editing()) return;
  (controllore().*passo)();
}
