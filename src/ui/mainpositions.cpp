// Positions and games out of the window and back in: the FEN file, and the
// clipboard's FEN or PGN text.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

#include "game/gamecontroller.h"
#include "game/gamefiles.h"
#include "settings/folders.h"
#include "settings/language.h"
#include "settings/manageini.h"
#include "ui/main.h"

namespace {

QString t(const char* chiave) { return QString::fromUtf8(testo(chiave)); }
QString q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

void TZefiran_3D::Salvaposizionefen1Click() {
  const QString nome = chooseFile(t("M_SAVEFEN"), "positions", QStringLiteral("FEN (*.fen);;* (*)"), true);
  if (nome.isEmpty()) return;
  saveFenTo(nome);
}

bool TZefiran_3D::saveFenTo(const QString& nome) {
  std::string errore;
  if (salvafen(nome.toStdString(), controllore().currentFen(), errore)) return true;
  addStatus(t("P_NOTSAVED") + " " + q(errore));
  return false;
}

void TZefiran_3D::copyFenClick() { QApplication::clipboard()->setText(q(controllore().currentFen())); }

void TZefiran_3D::copyPgnClick() {
  QString testo;
  for (const std::string& riga : righepgn()) testo += q(riga) + QStringLiteral("\n");
  QApplication::clipboard()->setText(testo);
}

void TZefiran_3D::pasteClick() {
  if (busy() || editing() || !mayDiscardGame()) return;
  if (controllore().searching()) {
    controllore().whenIdle([this] { pasteClick(); }, true);
    return;
  }
  const QString incollato = QApplication::clipboard()->text().trimmed();
  if (incollato.isEmpty()) {
    addStatus(t("P_PASTEEMPTY"));
    return;
  }
  // A single line that is not a tag is taken as a FEN; anything else as a
  // game, loaded like a file that holds one.
  const bool pgn = incollato.contains(QLatin1Char('\n')) || incollato.startsWith(QLatin1Char('[')) ||
                   incollato.startsWith(QLatin1String("1."));
  if (!pgn) {
    applyFen(incollato);
    return;
  }
  QTemporaryDir cartellatemporanea;
  if (!cartellatemporanea.isValid()) {
    addStatus(t("P_PASTEEMPTY"));
    return;
  }
  const QString nome = cartellatemporanea.filePath(QStringLiteral("clipboard.pgn"));
  QFile f(nome);
  if (!f.open(QIODevice::WriteOnly) || f.write((incollato + QStringLiteral("\n")).toUtf8()) < 0) {
    addStatus(t("P_PASTEEMPTY"));
    return;
  }
  f.close();
  openPgn(nome);
}
