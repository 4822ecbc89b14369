// Shared set-up of the window tests: a program folder of its own with the
// shipped languages and skins, a toolkit that counts beeps, no standard
// input, and a closer for the modal dialogs the window opens.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/position/fen.h"
#include "engine/position/game.h"
#include "engine/position/position.h"
#include "engine/search/clock.h"
#include "engine/search/searchstate.h"
#include "engine/toolkit.h"
#include "graphics/core/scene.h"
#include "protocol/output.h"
#include "records/verifylog.h"
#include "settings/language.h"
#include "settings/manageini.h"
#include "settings/namevalue.h"
#include "settings/tempfolder.h"
#include "ui/controller.h"
#include "ui/main.h"
#include "ui/protocolbridge.h"
#include "ui/qttoolkit.h"

namespace zeftest {

class ToolkitContato : public QtToolkit {
 public:
  void beep() override { ++beep_; }
  int beep_ = 0;
};

// Accepts every modal dialog that opens, remembering which ones it saw.
class ChiudiModali : public QObject {
 public:
  ChiudiModali() {
    timer_.setInterval(30);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        visti.push_back(d->objectName());
        if (primadichiudere) primadichiudere(d);
        d->accept();
      }
    });
    timer_.start();
  }
  std::vector<QString> visti;
  std::function<void(QDialog*)> primadichiudere;

 private:
  QTimer timer_;
};

class Finestra : public ::testing::Test {
 protected:
  void SetUp() override {
    cartellasalvata_ = cartella;
    for (const char* sotto : {"languages", "skins"}) {
      std::filesystem::create_directories(folder.file(sotto));
      for (const auto& e : std::filesystem::directory_iterator(std::string(ZEF_SOURCE_DIR) + "/data/" + sotto))
        std::filesystem::copy_file(e.path(), folder.file(std::string(sotto) + "/" + e.path().filename().string()));
    }
    cartella = folder.dir();
    listaini.clear();
    inidefault();
    cancellaproblemi();
    std::string errore;
    ASSERT_TRUE(caricalingua("english.dat", errore)) << errore;
    setToolkit(&toolkit);
    setLineSink([](const std::string&) {});
    impostaprotocollo([] { return partita.inricerca == 0; });
    setClockSource(nullptr);
    risultatovisibile = 0;
    contatoretick = 0;
    rilasciatutti();
    partita.tempoBase = 300000;
    partita.modoTempo = 2;
    nuovapartita();
  }

  void TearDown() override {
    w.reset();
    impostaprotocollo(nullptr);
    setLineSink(nullptr);
    setClockSource(nullptr);
    setToolkit(nullptr);
    partita.inricerca = 0;
    cartella = cartellasalvata_;
    listaini.clear();
    inidefault();
    nuovapartita();
  }

  // The window as the program opens it, at a fixed size, in window mode.
  TZefiran_3D& apri(int larghezza = 1024, int altezza = 768) {
    w = std::make_unique<TZefiran_3D>();
    w->fileverifica = QString::fromStdString(folder.file("verifica.txt"));
    w->resize(larghezza, altezza);
    w->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    QTest::qWait(30);
    modointerfaccia = 1;
    return *w;
  }

  // Runs the event loop until the condition holds or the time is up.
  static bool attendi(const std::function<bool()>& condizione, int ms) {
    QElapsedTimer t;
    t.start();
    while (!condizione()) {
      if (t.elapsed() > ms) return false;
      QTest::qWait(10);
    }
    return true;
  }

  TempFolder folder;
  ToolkitContato toolkit;
  std::unique_ptr<TZefiran_3D> w;

 private:
  std::string cartellasalvata_;
};

}  // namespace zeftest
