#include "ui/app.h"

#include <QApplication>
#include <QCoreApplication>
#include <QSurfaceFormat>

#include "app/startup.h"
#include "graphics/core/pieces.h"
#include "graphics/gl/boardview.h"
#include "ui/main.h"
#include "ui/protocolbridge.h"
#include "ui/qttoolkit.h"

int eseguifinestra(int argc, char** argv) {
  QSurfaceFormat::setDefaultFormat(BoardView::formatoscena());
  QApplication app(argc, argv);
  QtToolkit toolkit;
  setToolkit(&toolkit);
  avviaprogramma(argc > 0 ? argv[0] : nullptr);

  int esito = 0;
  {
    TZefiran_3D finestra;
    collegaprotocollo(
        [&finestra] {
          svuotapezzi();
          finestra.hide();
        },
        [&finestra] {
          finestra.close();
          QCoreApplication::quit();
        });
    finestra.showMaximized();
    esito = app.exec();
    collegaprotocollo(nullptr, nullptr);
  }
  setToolkit(nullptr);
  return esito;
}
