// Shared set-up of the window tests: a program folder of its own with the
// shipped languages and skins, a toolkit that counts beeps, no standard
// input, and a closer for the modal dialogs the window opens.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <deque>
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
#include "records/verifylog.h"
#include "settings/language.h"
#include "settings/manageini.h"
#include "support/game_fixture.h"
#include "support/tempfolder.h"
#include "text/namevalue.h"
#include "text/output.h"
#include "ui/main.h"
#include "ui/protocolbridge.h"
#include "ui/qttoolkit.h"
#include "ui/windowstate.h"

namespace zeftest {

// A text of the loaded language, and a standard string, as the window shows them.
inline QString t(const char* chiave) { return QString::fromUtf8(testo(chiave)); }
inline QString q(const std::string& s) { return QString::fromStdString(s); }

// A component of the window by its object name: the panels' widgets first
// (the dialogs have components of the same names), then menus and timer.
template <class T>
T* trova(QMainWindow& w, const char* nome) {
  const QString n = QString::fromUtf8(nome);
  T* o = w.centralWidget() ? w.centralWidget()->findChild<T*>(n) : nullptr;
  if (!o) o = w.findChild<T*>(n);
  if (!o) ADD_FAILURE() << "the window has no component " << nome;
  return o;
}

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

// Answers the file dialogs the window opens, in order: a name selects that
// file, an empty name cancels. Remembers each dialog's filters and folder.
class RispondiFile : public QObject {
 public:
  explicit RispondiFile(std::deque<QString> risposte) : risposte_(std::move(risposte)) {
    timer_.setInterval(30);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());

      // A dialog is answered once (the next one may live at the same address).
      if (!d || d->property("risposto").toBool()) return;
      d->setProperty("risposto", true);
      filtri.push_back(d->nameFilters().join(";;"));
      cartelle.push_back(d->directory().absolutePath());
      if (risposte_.empty() || risposte_.front().isEmpty()) {
        if (!risposte_.empty()) risposte_.pop_front();
        d->reject();
        return;
      }
      // The name typed into the dialog's name box, then Open, as a person does.
      if (auto* nome = d->findChild<QLineEdit*>("fileNameEdit"))
        nome->setText(risposte_.front());
      else
        d->selectFile(risposte_.front());
      risposte_.pop_front();
      static_cast<QDialog*>(d)->accept();
    });
    timer_.start();
  }
  std::vector<QString> filtri;
  std::vector<QString> cartelle;

 private:
  std::deque<QString> risposte_;
  QTimer timer_;
};

// The pixel of a w x h board panel where the centre of square s is drawn
// under the current camera.
inline QPoint puntocasella(int s, int w, int h) {
  float px = 0.0f, py = 0.0f;
  projectPoint(static_cast<float>(s & 7) - 3.5f, -1.0f, 3.5f - static_cast<float>(s >> 3), w, h, px, py);
  return QPoint(static_cast<int>(std::floor(px)), static_cast<int>(std::floor(py)));
}

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
    clearProblems();
    std::string errore;
    ASSERT_TRUE(caricalingua("english.dat", errore)) << errore;
    setEventPump(&toolkit);
    setLineSink([](const std::string&) {});
    impostaprotocollo([] { return partita.inricerca == 0; });
    setClockSource(nullptr);
    risultatovisibile = 0;
    contatoretick = 0;
    releaseAllKeys();
    partita.tempoBase = 300000;
    partita.modoTempo = 2;
    nuovapartita();
  }

  void TearDown() override {
    w.reset();
    impostaprotocollo(nullptr);
    setLineSink(nullptr);
    setClockSource(nullptr);
    setEventPump(nullptr);
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
