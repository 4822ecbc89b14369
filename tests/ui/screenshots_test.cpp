// Pictures of the window for a person to look at (written to the folder
// named by ZEF_SCREENSHOTS, else the test's temporary folder), with the
// checks a picture allows: something is drawn where the board, the
// thinking lines and the dialog should be.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QTabWidget>
#include <cstdlib>

#include "graphics/gl/boardview.h"
#include "support/engine_fixture.h"
#include "ui/Uniteditfen.h"
#include "ui/Unitinfo.h"
#include "ui/indicatore.h"
#include "ui/unitconfig.h"
#include "uifixture.h"

namespace {

using zeftest::component;
using zeftest::ModalCloser;
using zeftest::WindowTest;

QString cartellafoto() {
  const char* d = std::getenv("ZEF_SCREENSHOTS");
  const QString c = d ? QString::fromLocal8Bit(d) : QString::fromStdString(zeftest::tempPath("shots"));
  QDir().mkpath(c);
  return c;
}

int colori(const QImage& img) {
  QSet<QRgb> seen;
  for (int y = 0; y < img.height(); y += 4)
    for (int x = 0; x < img.width(); x += 4) seen.insert(img.pixel(x, y));
  return static_cast<int>(seen.size());
}

TEST_F(WindowTest, PicturesAtStartDuringAGameAndWithTheConfiguration) {
  TZefiran_3D& f = openWindow(1200, 800);
  QTest::qWait(200);
  const QImage inizio = f.grab().toImage();
  ASSERT_TRUE(inizio.save(cartellafoto() + "/start.png"));
  EXPECT_GT(colori(component<BoardView>(f, "Panel1")->grabFramebuffer()), 20) << "the board is drawn";

  // An engine game, pictured while the engine thinks a few moves in.
  ModalCloser chiudi;
  partita.tempoBase = partita.tempoBianco = partita.tempoNero = 60000;
  QImage partitaincorso;
  QTimer scatto;
  scatto.setInterval(50);
  QObject::connect(&scatto, &QTimer::timeout, [&] {
    if (partitaincorso.isNull() && partita.count >= 6 && partita.inricerca != 0 &&
        !component<QPlainTextEdit>(f, "Memo2")->toPlainText().isEmpty() &&
        (component<Cornice>(f, "PaintBox2")->fase() >= 0 || component<Cornice>(f, "PaintBox3")->fase() >= 0))
      partitaincorso = f.grab().toImage();
  });
  scatto.start();
  component<QAction>(f, "Dralen1")->trigger();
  component<QAction>(f, "Dralen2")->trigger();
  ASSERT_TRUE(waitFor([&] { return !partitaincorso.isNull() || partita.motorebianco == 0; }, 120000));
  component<QAction>(f, "muovisubito1")->trigger();
  partita.motorebianco = partita.motorenero = 0;
  ASSERT_TRUE(waitFor([] { return partita.inricerca == 0; }, 20000));
  ASSERT_FALSE(partitaincorso.isNull()) << "the game ended before the picture";
  ASSERT_TRUE(partitaincorso.save(cartellafoto() + "/game.png"));
  EXPECT_NE(partitaincorso, inizio);

  // The configuration dialog over the window.
  QImage configurazione;
  chiudi.beforeClosing = [&](QDialog* d) {
    if (d != component<Tconfigurazione>(f, "configurazione")) return;
    component<Tconfigurazione>(f, "configurazione")->PageControl1->setCurrentIndex(3);
    QTest::qWait(100);
    configurazione = d->screen()->grabWindow(0).toImage();
  };
  component<QAction>(f, "configurazione1")->trigger();
  ASSERT_FALSE(configurazione.isNull());
  ASSERT_TRUE(configurazione.save(cartellafoto() + "/config.png"));
  EXPECT_GT(colori(component<Tconfigurazione>(f, "configurazione")->Image1->grab().toImage()), 4)
      << "the current skin is pictured";
}

}  // namespace

namespace {

using zeftest::ModalCloser;
using zeftest::squarePoint;
using zeftest::WindowTest;

// A game well under way, in both views, with the grid filled; the promotion
// question; the information box; the EPD page after a run.
TEST_F(WindowTest, PicturesOfTheGridTheDialogsAndTheEpdPage) {
  TZefiran_3D& f = openWindow(1200, 800);
  component<QTimer>(f, "Timer1")->stop();
  partita.motorebianco = partita.motorenero = 0;
  const char* mosse[] = {"e2e4", "e7e5", "g1f3", "b8c6", "f1b5", "a7a6", "b5a4", "g8f6", "e1g1", "f8e7",
                         "f1e1", "b7b5", "a4b3", "d7d6", "c2c3", "e8g8", "h2h3", "c6a5", "b3c2", "c7c5"};
  for (const char* m : mosse) ASSERT_TRUE(giocamossa(zeftest::findMove(m))) << m;
  f.sistemagriglia(1);
  const QPoint cavallo = squarePoint(zeftest::sq("f3"), component<BoardView>(f, "Panel1")->width(),
                                     component<BoardView>(f, "Panel1")->height());
  QTest::mouseClick(component<BoardView>(f, "Panel1"), Qt::LeftButton, {}, cavallo);  // the knight picked up
  f.PaintBox1MouseMove(component<QWidget>(f, "PaintBox1")->width() / 2, f.rowHeight() * 2 + 3);
  QTest::qWait(100);
  const QImage tre = f.grab().toImage();
  ASSERT_TRUE(tre.save(cartellafoto() + "/grid3d.png"));
  component<QAction>(f, "scacchiera2D1")->trigger();
  QTest::qWait(100);
  const QImage due = f.grab().toImage();
  ASSERT_TRUE(due.save(cartellafoto() + "/grid2d.png"));
  EXPECT_NE(tre, due);
  EXPECT_GT(colori(f.gridBitmap().toImage()), 3) << "numbers, white and black moves on grey";

  ModalCloser chiudi;
  QImage promozione, info;
  chiudi.beforeClosing = [&](QDialog* d) {
    QTest::qWait(100);
    const QImage schermo = d->screen()->grabWindow(0).toImage();
    (d == static_cast<QDialog*>(component<TInfo>(f, "info")) ? info : promozione) = schermo;
  };
  ASSERT_TRUE(f.applyFen("7k/P7/8/8/8/8/8/K7 w - - 0 1"));
  for (const char* c : {"a7", "a8"})
    QTest::mouseClick(component<BoardView>(f, "Panel1"), Qt::LeftButton, {},
                      squarePoint(zeftest::sq(c), component<BoardView>(f, "Panel1")->width(),
                                  component<BoardView>(f, "Panel1")->height()));
  ASSERT_FALSE(promozione.isNull());
  ASSERT_TRUE(promozione.save(cartellafoto() + "/promotion.png"));
  component<QAction>(f, "Info1")->trigger();
  ASSERT_FALSE(info.isNull());
  ASSERT_TRUE(info.save(cartellafoto() + "/info.png"));

  // The FEN entry refusing a board without kings.
  QImage rifiuto;
  chiudi.beforeClosing = [&](QDialog* d) {
    if (d != static_cast<QDialog*>(component<Teditfen>(f, "editfen"))) return;
    QTest::keyClicks(component<Teditfen>(f, "editfen")->Edit1, "8/8/8/8/8/8/8/8 w - - 0 1");
    QTest::mouseClick(component<Teditfen>(f, "editfen")->BitBtn1, Qt::LeftButton);
    QTest::qWait(100);
    rifiuto = d->screen()->grabWindow(0).toImage();
    d->reject();
  };
  component<QAction>(f, "editaposizioneFEN1")->trigger();
  ASSERT_FALSE(rifiuto.isNull());
  ASSERT_TRUE(rifiuto.save(cartellafoto() + "/fenrefused.png"));
  chiudi.beforeClosing = nullptr;

  folder.write("matti.epd",
               "6k1/5ppp/8/8/8/8/5PPP/R5K1 w - - bm Ra8+; id \"bianco\";\r\n"
               "r5k1/5ppp/8/8/8/8/5PPP/6K1 b - - bm Ra1+; id \"nero\";\r\n");
  setDebugFile(zeftest::tempPath("debug.txt"));
  f.epdTime = 1000;
  f.runEpdOn(QString::fromStdString(folder.file("matti.epd")));
  setDebugFile("debug.txt");
  QTest::qWait(100);
  ASSERT_TRUE(f.grab().toImage().save(cartellafoto() + "/epd.png"));
}

// The board turned half round with its coordinates, and a king in check,
// in both views. The mark sits under Black's king on e8, the only square
// so marked.
TEST_F(WindowTest, PicturesOfTheTurnedBoardWithCoordinatesAndACheck) {
  TZefiran_3D& f = openWindow(1200, 800);
  component<QTimer>(f, "Timer1")->stop();
  partita.motorebianco = partita.motorenero = 0;
  for (const char* m : {"e2e4", "f7f5", "d1h5"}) ASSERT_TRUE(giocamossa(zeftest::findMove(m))) << m;
  ASSERT_NE(posizioni[0].checker, NOSQ);
  f.sistemagriglia(1);
  component<QAction>(f, "Ruota1801")->trigger();
  for (const char* nome : {"turned_check_3d", "turned_check_flat"}) {
    if (std::string(nome) == "turned_check_flat") {
      component<QAction>(f, "scacchiera2D1")->trigger();
      component<QAction>(f, "Ruota1801")->trigger();
    }
    component<BoardView>(f, "Panel1")->disegnascena(true);
    QTest::qWait(100);
    // The window as it is composed on the screen, with the board in it.
    const QImage finestra = f.grab().toImage();
    ASSERT_TRUE(finestra.save(cartellafoto() + "/" + nome + ".png"));
    const QPoint origine = component<BoardView>(f, "Panel1")->mapTo(&f, QPoint(0, 0));
    const QImage board = finestra.copy(QRect(origine, component<BoardView>(f, "Panel1")->size()));
    // Beside the king, toward the viewer (rank 1 is now far away), the mark's red.
    float px = 0, py = 0;
    ASSERT_TRUE(projectPoint(0.5f + 0.4f, -1, -3.5f - 0.4f, board.width(), board.height(), px, py));
    const QRgb c = board.pixel(static_cast<int>(px), static_cast<int>(py));
    EXPECT_GT(qRed(c), qGreen(c) + 60) << nome;
    EXPECT_GT(qRed(c), qBlue(c) + 60) << nome;
  }
}

}  // namespace
