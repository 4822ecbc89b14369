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
#include "graphics/core/picking.h"
#include "graphics/core/scene.h"
#include "records/verifylog.h"
#include "settings/language.h"
#include "settings/manageini.h"
#include "support/game_fixture.h"
#include "support/tempfolder.h"
#include "text/namevalue.h"
#include "text/output.h"
#include "ui/discardquestion.h"
#include "ui/main.h"
#include "ui/preferences.h"
#include "ui/protocolbridge.h"
#include "ui/qttoolkit.h"
#include "ui/windowstate.h"

namespace zeftest {

// A text of the loaded language, and a standard string, as the window shows them.
inline QString t(const char* key) { return QString::fromUtf8(testo(key)); }
inline QString q(const std::string& s) { return QString::fromStdString(s); }

// A component of the window by its object name: the panels' widgets first
// (the dialogs have components of the same names), then menus and timer.
template <class T>
T* component(QMainWindow& w, const char* name) {
  const QString n = QString::fromUtf8(name);
  T* o = w.centralWidget() ? w.centralWidget()->findChild<T*>(n) : nullptr;
  if (!o) o = w.findChild<T*>(n);
  if (!o) ADD_FAILURE() << "the window has no component " << name;
  return o;
}

class CountingPump : public QtToolkit {
 public:
  void beep() override { ++beeps; }
  int beeps = 0;
};

// Accepts every modal dialog that opens, remembering which ones it saw.
class ModalCloser : public QObject {
 public:
  ModalCloser() {
    timer_.setInterval(30);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        seen.push_back(d->objectName());
        if (beforeClosing) beforeClosing(d);
        // An answer given before closing stands.
        if (d->isVisible()) d->accept();
      }
    });
    timer_.start();
  }
  std::vector<QString> seen;
  std::function<void(QDialog*)> beforeClosing;

 private:
  QTimer timer_;
};

// Answers the file dialogs the window opens, in order: a name selects that
// file, an empty name cancels. Remembers each dialog's filters and folder.
class FileAnswers : public QObject {
 public:
  explicit FileAnswers(std::deque<QString> answers) : answers_(std::move(answers)) {
    timer_.setInterval(30);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());

      // A dialog is answered once (the next one may live at the same address).
      if (!d || d->property("answered").toBool()) return;
      d->setProperty("answered", true);
      filters.push_back(d->nameFilters().join(";;"));
      folders.push_back(d->directory().absolutePath());
      if (answers_.empty() || answers_.front().isEmpty()) {
        if (!answers_.empty()) answers_.pop_front();
        d->reject();
        return;
      }
      // The name typed into the dialog's name box, then Open, as a person does.
      if (auto* name = d->findChild<QLineEdit*>("fileNameEdit"))
        name->setText(answers_.front());
      else
        d->selectFile(answers_.front());
      answers_.pop_front();
      static_cast<QDialog*>(d)->accept();
    });
    timer_.start();
  }
  std::vector<QString> filters;
  std::vector<QString> folders;

 private:
  std::deque<QString> answers_;
  QTimer timer_;
};

// The pixel of a w x h board panel where board point (x, y, z) is drawn
// under the current camera.
inline QPoint boardPixel(float x, float y, float z, int w, int h) {
  float px = 0.0f, py = 0.0f;
  projectPoint(x, y, z, w, h, px, py);
  return QPoint(static_cast<int>(std::floor(px)), static_cast<int>(std::floor(py)));
}

// Where a person clicks square s on a w x h board panel: its drawn centre,
// or, where a piece in front hides that, a visible part of the square or of
// the piece standing on it (the body of a piece picks its square).
inline QPoint squarePoint(int s, int w, int h) {
  const float x = static_cast<float>(s & 7) - 3.5f, z = 3.5f - static_cast<float>(s >> 3);
  const QPoint centre = boardPixel(x, -1.0f, z, w, h);
  if (casellapunto(centre.x(), centre.y(), w, h) == s) return centre;
  for (float y = -0.9f; y < 1.0f; y += 0.1f) {
    const QPoint body = boardPixel(x, y, z, w, h);
    if (casellapunto(body.x(), body.y(), w, h) == s) return body;
  }
  for (float dz = 0.45f; dz > -0.5f; dz -= 0.1f)
    for (float dx = -0.45f; dx < 0.5f; dx += 0.1f) {
      const QPoint floor = boardPixel(x + dx, -1.0f, z + dz, w, h);
      if (casellapunto(floor.x(), floor.y(), w, h) == s) return floor;
    }
  return centre;
}

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedFolder_ = cartella;
    for (const char* sub : {"languages", "skins"}) {
      std::filesystem::create_directories(folder.file(sub));
      for (const auto& e : std::filesystem::directory_iterator(std::string(ZEF_SOURCE_DIR) + "/data/" + sub))
        std::filesystem::copy_file(e.path(), folder.file(std::string(sub) + "/" + e.path().filename().string()));
    }
    cartella = folder.dir();
    // Preferences of the test's own: the defaults, without the question
    // before a game is thrown away (the tests that want it turn it on).
    Preferences::useFile(QString::fromStdString(folder.file("preferences.conf")));
    Preferences::instance().setValue(ASK_BEFORE_DISCARD, false);
    listaini.clear();
    inidefault();
    clearProblems();
    std::string error;
    ASSERT_TRUE(caricalingua("english.dat", error)) << error;
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
    Preferences::useFile(QString());
    impostaprotocollo(nullptr);
    setLineSink(nullptr);
    setClockSource(nullptr);
    setEventPump(nullptr);
    partita.inricerca = 0;
    cartella = savedFolder_;
    listaini.clear();
    inidefault();
    nuovapartita();
  }

  // The window as the program opens it, at a fixed size, in window mode.
  TZefiran_3D& openWindow(int width = 1024, int height = 768) {
    w = std::make_unique<TZefiran_3D>();
    w->fileverifica = QString::fromStdString(folder.file("verifica.txt"));
    w->resize(width, height);
    w->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    QTest::qWait(30);
    modointerfaccia = 1;
    return *w;
  }

  // Runs the event loop until the condition holds or the time is up.
  static bool waitFor(const std::function<bool()>& condition, int ms) {
    QElapsedTimer t;
    t.start();
    while (!condition()) {
      if (t.elapsed() > ms) return false;
      QTest::qWait(10);
    }
    return true;
  }

  TempFolder folder;
  CountingPump toolkit;
  std::unique_ptr<TZefiran_3D> w;

 private:
  std::string savedFolder_;
};

}  // namespace zeftest
