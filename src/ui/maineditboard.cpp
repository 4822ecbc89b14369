// Board editing in the window: the popup's pieces on the square that was
// right-clicked, the side to move and castling rights on the edit page, and
// "Ritorna al gioco", which starts a game from a playable position.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QSignalBlocker>

#include "game/gamecontroller.h"
#include "graphics/core/scene.h"
#include "graphics/gl/boardview.h"
#include "settings/language.h"
#include "ui/main.h"

namespace {

QString t(const char* chiave) { return QString::fromUtf8(testo(chiave)); }

constexpr uint8_t DIRITTI[4] = {board::WHITE_KINGSIDE, board::WHITE_QUEENSIDE, board::BLACK_KINGSIDE,
                                board::BLACK_QUEENSIDE};

}  // namespace

void TZefiran_3D::EditaScacchiera1Click() {
  if (busy() || editing()) return;
  if (controllore().searching()) {
    controllore().whenIdle([this] { EditaScacchiera1Click(); }, true);
    return;
  }
  controllore().beginEditing();
  casellascelta = -1;
  Panel1->modoedita(true);
  showSidePage("editmode");
  Panel11->setText(t("P_RIGHTCLICK"));
  showEditPage();
  Panel1->disegnascena(false);
}

void TZefiran_3D::Button1Click() {
  // The analysis may be searching the board being edited.
  if (controllore().coachSearching()) {
    controllore().whenIdle([this] { Button1Click(); }, false);
    return;
  }
  if (editing()) {
    std::string perche;
    bool chiave = false;
    if (!controllore().finishEditing(perche, chiave)) {
      // Not playable: the edit goes on, and the strip says why.
      Panel11->setText(chiave ? t(perche.c_str()) : t("E_FENREFUSED") + " " + QString::fromStdString(perche));
      return;
    }
  }
  Panel1->modoedita(false);
  showSidePage("Default");
  Panel11->clear();
  drawlog(1);
  Panel1->disegnascena(false);
}

void TZefiran_3D::showEditPage() {
  BoardEditor& e = controllore().editor();
  {
    const QSignalBlocker a(whiteToMove_), b(blackToMove_);
    whiteToMove_->setChecked(e.whiteToMove());
    blackToMove_->setChecked(!e.whiteToMove());
  }
  // A right is offered only while its king and rook stand at home.
  for (int i = 0; i < 4; ++i) {
    const QSignalBlocker blocco(castling_[i]);
    castling_[i]->setEnabled(e.castlingPossible(DIRITTI[i]));
    castling_[i]->setChecked(e.castling(DIRITTI[i]));
  }
}

void TZefiran_3D::editPut(int8_t pezzo) {
  if (!editing() || editSquare_ < 0 || editSquare_ > 63) return;
  controllore().editor().put(editSquare_, pezzo);
  controllore().editChanged();
  showEditPage();
}

void TZefiran_3D::editSideToMove(bool bianco) {
  if (!editing()) return;
  controllore().editor().setWhiteToMove(bianco);
  controllore().editChanged();
}

void TZefiran_3D::editCastling(int diritto, bool acceso) {
  if (!editing() || diritto < 0 || diritto > 3) return;
  controllore().editor().setCastling(DIRITTI[diritto], acceso);
  controllore().editChanged();
  showEditPage();
}
