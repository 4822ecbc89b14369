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

using zeftest::ChiudiModali;
using zeftest::Finestra;
using zeftest::trova;

QString cartellafoto() {
  const char* d = std::getenv("ZEF_SCREENSHOTS");
  const QString c = d ? QString::fromLocal8Bit(d) : QString::fromStdString(zeftest::tempPath("shots"));
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
  EXPECT_GT(colori(trova<BoardView>(f, "Panel1")->grabFramebuffer()), 20) << "the board is drawn";

  // An engine game, pictured while the engine thinks a few moves in.
  ChiudiModali chiudi;
  partita.tempoBase = partita.tempoBianco = partita.tempoNero = 60000;
  QImage partitaincorso;
  QTimer scatto;
  scatto.setInterval(50);
  QObject::connect(&scatto, &QTimer::timeout, [&] {
    if (partitaincorso.isNull() && partita.count >= 6 && partita.inricerca != 0 &&
        !trova<QPlainTextEdit>(f, "Memo2")->toPlainText().isEmpty() &&
        (trova<Cornice>(f, "PaintBox2")->fase() >= 0 || trova<Cornice>(f, "PaintBox3")->fase() >= 0))
      partitaincorso = f.grab().toImage();
  });
  scatto.start();
  trova<QAction>(f, "Dralen1")->trigger();
  trova<QAction>(f, "Dralen2")->trigger();
  ASSERT_TRUE(attendi([&] { return !partitaincorso.isNull() || partita.motorebianco == 0; }, 120000));
  trova<QAction>(f, "muovisubito1")->trigger();
  partita.motorebianco = partita.motorenero = 0;
  ASSERT_TRUE(attendi([] { return partita.inricerca == 0; }, 20000));
  ASSERT_FALSE(partitaincorso.isNull()) << "the game ended before the picture";
  ASSERT_TRUE(partitaincorso.save(cartellafoto() + "/game.png"));
  EXPECT_NE(partitaincorso, inizio);

  // The configuration dialog over the window.
  QImage configurazione;
  chiudi.primadichiudere = [&](QDialog* d) {
    if (d != trova<Tconfigurazione>(f, "configurazione")) return;
    trova<Tconfigurazione>(f, "configurazione")->PageControl1->setCurrentIndex(3);
    QTest::qWait(100);
    configurazione = d->screen()->grabWindow(0).toImage();
  };
  trova<QAction>(f, "configurazione1")->trigger();
  ASSERT_FALSE(configurazione.isNull());
  ASSERT_TRUE(configurazione.save(cartellafoto() + "/config.png"));
  EXPECT_GT(colori(trova<Tconfigurazione>(f, "configurazione")->Image1->grab().toImage()), 4)
      << "the current skin is pictured";
}

}  // namespace

namespace {

using zeftest::ChiudiModali;
using zeftest::Finestra;
using zeftest::puntocasella;

// A game well under way, in both views, with the grid filled; the promotion
// question; the information box; the EPD page after a run.
TEST_F(Finestra, PicturesOfTheGridTheDialogsAndTheEpdPage) {
  TZefiran_3D& f = apri(1200, 800);
  trova<QTimer>(f, "Timer1")->stop();
  partita.motorebianco = partita.motorenero = 0;
  const char* mosse[] = {"e2e4", "e7e5", "g1f3", "b8c6", "f1b5", "a7a6", "b5a4", "g8f6", "e1g1", "f8e7",
                         "f1e1", "b7b5", "a4b3", "d7d6", "c2c3", "e8g8", "h2h3", "c6a5", "b3c2", "c7c5"};
  for (const char* m : mosse) ASSERT_TRUE(giocamossa(zeftest::findMove(m))) << m;
  f.sistemagriglia(1);
  const QPoint cavallo =
      puntocasella(zeftest::sq("f3"), trova<BoardView>(f, "Panel1")->width(), trova<BoardView>(f, "Panel1")->height());
  QTest::mouseClick(trova<BoardView>(f, "Panel1"), Qt::LeftButton, {}, cavallo);  // the knight picked up
  f.PaintBox1MouseMove(trova<QWidget>(f, "PaintBox1")->width() / 2, f.rowHeight() * 2 + 3);
  QTest::qWait(100);
  const QImage tre = f.grab().toImage();
  ASSERT_TRUE(tre.save(cartellafoto() + "/grid3d.png"));
  trova<QAction>(f, "scacchiera2D1")->trigger();
  QTest::qWait(100);
  const QImage due = f.grab().toImage();
  ASSERT_TRUE(due.save(cartellafoto() + "/grid2d.png"));
  EXPECT_NE(tre, due);
  EXPECT_GT(colori(f.gridBitmap().toImage()), 3) << "numbers, white and black moves on grey";

  ChiudiModali chiudi;
  QImage promozione, info;
  chiudi.primadichiudere = [&](QDialog* d) {
    QTest::qWait(100);
    const QImage schermo = d->screen()->grabWindow(0).toImage();
    (d == static_cast<QDialog*>(trova<TInfo>(f, "info")) ? info : promozione) = schermo;
  };
  ASSERT_TRUE(f.applyFen("7k/P7/8/8/8/8/8/K7 w - - 0 1"));
  for (const char* c : {"a7", "a8"})
    QTest::mouseClick(
        trova<BoardView>(f, "Panel1"), Qt::LeftButton, {},
        puntocasella(zeftest::sq(c), trova<BoardView>(f, "Panel1")->width(), trova<BoardView>(f, "Panel1")->height()));
  ASSERT_FALSE(promozione.isNull());
  ASSERT_TRUE(promozione.save(cartellafoto() + "/promotion.png"));
  trova<QAction>(f, "Info1")->trigger();
  ASSERT_FALSE(info.isNull());
  ASSERT_TRUE(info.save(cartellafoto() + "/info.png"));

  // The FEN entry refusing a board without kings.
  QImage rifiuto;
  chiudi.primadichiudere = [&](QDialog* d) {
    if (d != static_cast<QDialog*>(trova<Teditfen>(f, "editfen"))) return;
    QTest::keyClicks(trova<Teditfen>(f, "editfen")->Edit1, "8/8/8/8/8/8/8/8 w - - 0 1");
    QTest::mouseClick(trova<Teditfen>(f, "editfen")->BitBtn1, Qt::LeftButton);
    QTest::qWait(100);
    rifiuto = d->screen()->grabWindow(0).toImage();
    d->reject();
  };
  trova<QAction>(f, "editaposizioneFEN1")->trigger();
  ASSERT_FALSE(rifiuto.isNull());
  ASSERT_TRUE(rifiuto.save(cartellafoto() + "/fenrefused.png"));
  chiudi.primadichiudere = nullptr;

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
TEST_F(Finestra, PicturesOfTheTurnedBoardWithCoordinatesAndACheck) {
  TZefiran_3D& f = apri(1200, 800);
  trova<QTimer>(f, "Timer1")->stop();
  partita.motorebianco = partita.motorenero = 0;
  for (const char* m : {"e2e4", "f7f5", "d1h5"}) ASSERT_TRUE(giocamossa(zeftest::findMove(m))) << m;
  ASSERT_NE(posizioni[0].checker, NOSQ);
  f.sistemagriglia(1);
  trova<QAction>(f, "Ruota1801")->trigger();
  for (const char* nome : {"turned_check_3d", "turned_check_flat"}) {
    if (std::string(nome) == "turned_check_flat") {
      trova<QAction>(f, "scacchiera2D1")->trigger();
      trova<QAction>(f, "Ruota1801")->trigger();
    }
    trova<BoardView>(f, "Panel1")->disegnascena(true);
    QTest::qWait(100);
    // The window as it is composed on the screen, with the board in it.
    const QImage finestra = f.grab().toImage();
    ASSERT_TRUE(finestra.save(cartellafoto() + "/" + nome + ".png"));
    const QPoint origine = trova<BoardView>(f, "Panel1")->mapTo(&f, QPoint(0, 0));
    const QImage board = finestra.copy(QRect(origine, trova<BoardView>(f, "Panel1")->size()));
    // Beside the king, toward the viewer (rank 1 is now far away), the mark's red.
    float px = 0, py = 0;
    ASSERT_TRUE(projectPoint(0.5f + 0.4f, -1, -3.5f - 0.4f, board.width(), board.height(), px, py));
    const QRgb c = board.pixel(static_cast<int>(px), static_cast<int>(py));
    EXPECT_GT(qRed(c), qGreen(c) + 60) << nome;
    EXPECT_GT(qRed(c), qBlue(c) + 60) << nome;
  }
}

}  // namespace
