// Pictures of the window for a person to look at (written to the folder
// named by ZEF_SCREENSHOTS, else the test's temporary folder), with the
// checks a picture allows: something is drawn where the board, the
// thinking lines and the dialog should be.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSet>
#include <QTabWidget>

#include <cstdlib>

#include "graphics/gl/boardview.h"
#include "ui/indicatore.h"
#include "ui/unitconfig.h"
#include "uifixture.h"

namespace {

using zeftest::ChiudiModali;
using zeftest::Finestra;

QString cartellafoto() {
  const char* d = std::getenv("ZEF_SCREENSHOTS");
  const QString c = d ? QString::fromLocal8Bit(d) : QString::fromStdString(::testing::TempDir()) + "zefiran_shots";
  QDir().mkpath(c);
  return c;
}

int colori(const QImage& img) {
  QSet<QRgb> visti;
  for (int y = 0; y < img.height(); y += 4)
    for (int x = 0; x < img.width(); x += 4) visti.insert(img.pixel(x, y));
  return static_cast<int>(visti.size());
}

TEST_F(Finestra, PicturesAtStartDuringAGameAndWithTheConfiguration) {
  TZefiran_3D& f = apri(1200, 800);
  QTest::qWait(200);
  const QImage inizio = f.grab().toImage();
  ASSERT_TRUE(inizio.save(cartellafoto() + "/start.png"));
  EXPECT_GT(colori(f.Panel1->grabFramebuffer()), 20) << "the board is drawn";

  // An engine game, pictured while the engine thinks a few moves in.
  ChiudiModali chiudi;
  partita.tempoBase = partita.tempoBianco = partita.tempoNero = 60000;
  QImage partitaincorso;
  QTimer scatto;
  scatto.setInterval(50);
  QObject::connect(&scatto, &QTimer::timeout, [&] {
    if (partitaincorso.isNull() && partita.count >= 6 && partita.inricerca != 0 && !f.Memo2->toPlainText().isEmpty() &&
        (f.PaintBox2->fase() >= 0 || f.PaintBox3->fase() >= 0))
      partitaincorso = f.grab().toImage();
  });
  scatto.start();
  f.Dralen1->trigger();
  f.Dralen2->trigger();
  ASSERT_TRUE(attendi([&] { return !partitaincorso.isNull() || partita.motorebianco == 0; }, 120000));
  f.muovisubito1->trigger();
  partita.motorebianco = partita.motorenero = 0;
  ASSERT_TRUE(attendi([] { return partita.inricerca == 0; }, 20000));
  ASSERT_FALSE(partitaincorso.isNull()) << "the game ended before the picture";
  ASSERT_TRUE(partitaincorso.save(cartellafoto() + "/game.png"));
  EXPECT_NE(partitaincorso, inizio);

  // The configuration dialog over the window.
  QImage configurazione;
  chiudi.primadichiudere = [&](QDialog* d) {
    if (d != f.configurazione) return;
    f.configurazione->PageControl1->setCurrentIndex(3);
    QTest::qWait(100);
    configurazione = d->screen()->grabWindow(0).toImage();
  };
  f.configurazione1->trigger();
  ASSERT_FALSE(configurazione.isNull());
  ASSERT_TRUE(configurazione.save(cartellafoto() + "/config.png"));
  EXPECT_GT(colori(f.configurazione->Image1->grab().toImage()), 4) << "the current skin is pictured";
}

}  // namespace
