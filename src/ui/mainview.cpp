// What the window shows when the game controller reports a change.
#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>

#include "engine/position/position.h"
#include "engine/toolkit.h"
#include "graphics/core/scene.h"
#include "graphics/gl/boardview.h"
#include "ui/main.h"

void TZefiran_3D::boardChanged() {
  // A piece picked up on the board it showed before is no longer there.
  casellascelta = -1;
  ridisegna = 1;
  Panel1->disegnascena(true);
}

void TZefiran_3D::movesChanged() {
  followCurrent_ = true;
  sistemagriglia(1);
}

void TZefiran_3D::playersChanged() {
  // The menus show who plays each side, whatever changed it.
  Umano1->setChecked(partita.motorebianco == 0);
  Dralen1->setChecked(partita.motorebianco == 1);
  Umano2->setChecked(partita.motorenero == 0);
  Dralen2->setChecked(partita.motorenero == 1);
  showPlayers();
}

void TZefiran_3D::clocksChanged() { showClocks(); }

void TZefiran_3D::thinkingLine(bool white, const std::string& line) {
  (white ? Memo2 : Memo1)->appendPlainText(QString::fromStdString(line));
}

void TZefiran_3D::engineMoved(bool white) {
  (white ? Memo2 : Memo1)->appendPlainText(QStringLiteral("+-+-+-+-+-+-+-+-+-+-+-+-"));
  Panel1->disegnascena(true);
  systemBeep();
}

void TZefiran_3D::gameOver(const GameOverMessage& m) {
  Panel1->disegnascena(true);
  showGameOver(m);
}

void TZefiran_3D::status(const std::string& line) { addStatus(QString::fromStdString(line)); }
