#include "ui/app.h"

#include <QApplication>
#include <QCoreApplication>
#include <QScreen>
#include <QSurfaceFormat>
#include <cstdio>
#include <string>

#include "graphics/core/pieces.h"
#include "graphics/gl/boardview.h"
#include "records/book.h"
#include "settings/manageini.h"
#include "text/namevalue.h"
#include "ui/main.h"
#include "ui/protocolbridge.h"
#include "ui/qttoolkit.h"

namespace {

// The book loader reports a missing book on standard error only: the
// status strip names it like the other start-up problems.
std::string libromancante() {
  if (!listabook.empty()) return {};
  for (const std::string& p : problemiavvio())
    if (p.find(NOMEBOOK) != std::string::npos) return {};
  const std::string percorso = bookFile();
  if (std::FILE* f = std::fopen(percorso.c_str(), "rb")) {
    std::fclose(f);
    return {};  // present but empty: nothing to report
  }
  return "cannot open " + percorso + "; playing without an opening book";
}

}  // namespace

int eseguifinestra(int argc, char** argv, const WindowServices& services) {
  QSurfaceFormat::setDefaultFormat(BoardView::formatoscena());
  QApplication app(argc, argv);
  QtToolkit toolkit;
  setEventPump(&toolkit);
  if (services.start) services.start(argc > 0 ? argv[0] : nullptr);
  impostaprotocollo(services.protocolTick);
  const std::string libro = libromancante();

  int esito = 0;
  {
    TZefiran_3D finestra;
    if (!libro.empty()) finestra.addStatus(QString::fromStdString(libro));
    auto collega = [&services](std::function<void()> nascondi, std::function<void()> chiudi) {
      if (services.connectProtocol) services.connectProtocol(std::move(nascondi), std::move(chiudi));
    };
    collega(
        [&finestra] {
          svuotapezzi();
          finestra.hide();
        },
        [&finestra] {
          finestra.close();
          QCoreApplication::quit();
        });
    // Without a window manager "maximised" means nothing: fill the screen.
    if (QScreen* schermo = finestra.screen()) finestra.setGeometry(schermo->availableGeometry());
    finestra.showMaximized();
    esito = app.exec();
    collega(nullptr, nullptr);
  }
  impostaprotocollo(nullptr);
  setEventPump(nullptr);
  return esito;
}
