#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>

#include "engine/position/makemove.h"
#include "engine/search/cache.h"
#include "records/notation.h"
#include "support/engine_fixture.h"
#include "ui/indicatore.h"
#include "ui/resultunit.h"
#include "uifixture.h"

namespace {

using zeftest::ChiudiModali;
using zeftest::Finestra;
using zeftest::t;
using zeftest::trova;

// A clock the test moves by hand, in milliseconds of the day.
struct OrologioFinto {
  double ms = 10 * 3600 * 1000.0;
  OrologioFinto() {
    setClockSource([this] { return ms / 86400000.0; });
  }
  ~OrologioFinto() { setClockSource(nullptr); }
};

QColor coloretesto(const QLabel* l) { return l->palette().color(QPalette::WindowText); }

TEST_F(Finestra, ClocksCountDownAndTurnRedAtZero) {
  TZefiran_3D& f = apri();
  trova<QTimer>(f, "Timer1")->stop();
  OrologioFinto orologio;
  partita.motorebianco = 0;
  partita.motorenero = 0;
  partita.orologiofermo = 0;
  partita.tempoBianco = 5000;
  partita.tempoNero = 7000;
  moveStart = adesso();
  contatoretick = 0;

  orologio.ms += 1000;
  for (int i = 0; i < 15; ++i) f.Timer1Timer();
  EXPECT_EQ(trova<QLabel>(f, "Label4")->text(), QString("05.00")) << "refreshed only on the 16th tick";
  f.Timer1Timer();
  EXPECT_EQ(trova<QLabel>(f, "Label4")->text(), QString("00.04"));
  EXPECT_EQ(coloretesto(trova<QLabel>(f, "Label4")), QColor(255, 255, 255));
  EXPECT_EQ(trova<QLabel>(f, "Label3")->text(), QString("05.00")) << "Black is not to move";

  orologio.ms += 4000.5;  // exactly zero left (elapsed times are whole milliseconds)
  for (int i = 0; i < 16; ++i) f.Timer1Timer();
  EXPECT_EQ(trova<QLabel>(f, "Label4")->text(), QString("00.00"));
  EXPECT_EQ(coloretesto(trova<QLabel>(f, "Label4")), QColor(255, 0, 0));

  orologio.ms += 61000;  // past zero: still "00.00", still red, play goes on
  for (int i = 0; i < 16; ++i) f.Timer1Timer();
  EXPECT_EQ(trova<QLabel>(f, "Label4")->text(), QString("00.00"));
  EXPECT_EQ(coloretesto(trova<QLabel>(f, "Label4")), QColor(255, 0, 0));
  EXPECT_EQ(partita.tempoBianco, 5000) << "showing the clock does not charge it";

  // Black to move: Black's label counts, in black until it runs out.
  zeftest::setUp("4k3/8/8/8/8/8/8/4K3 b - - 0 1");
  partita.orologiofermo = 0;
  partita.tempoNero = 7000;
  moveStart = adesso();
  orologio.ms += 2500;
  for (int i = 0; i < 16; ++i) f.Timer1Timer();
  EXPECT_EQ(trova<QLabel>(f, "Label3")->text(), QString("00.04"));
  EXPECT_EQ(coloretesto(trova<QLabel>(f, "Label3")), QColor(0, 0, 0));
  orologio.ms += 5000;
  for (int i = 0; i < 16; ++i) f.Timer1Timer();
  EXPECT_EQ(coloretesto(trova<QLabel>(f, "Label3")), QColor(255, 0, 0));
}

TEST_F(Finestra, StoppedClocksAreNotRefreshed) {
  TZefiran_3D& f = apri();
  trova<QTimer>(f, "Timer1")->stop();
  OrologioFinto orologio;
  partita.motorebianco = 0;
  partita.orologiofermo = 1;
  partita.tempoBianco = 5000;
  moveStart = adesso();
  orologio.ms += 3000;
  for (int i = 0; i < 64; ++i) f.Timer1Timer();
  EXPECT_EQ(trova<QLabel>(f, "Label4")->text(), QString("05.00"));
  EXPECT_EQ(trova<Cornice>(f, "PaintBox2")->fase(), -1);
}

TEST_F(Finestra, ThinkingFrameRunsRoundTheSearchingSide) {
  TZefiran_3D& f = apri();
  trova<QTimer>(f, "Timer1")->stop();
  partita.inricerca = 1;
  contatoretick = 16 * 3;
  f.aggiornagrafica();
  EXPECT_EQ(trova<Cornice>(f, "PaintBox2")->fase(), 3);
  EXPECT_EQ(trova<Cornice>(f, "PaintBox3")->fase(), -1);
  QApplication::processEvents();
  // Segment s has colour C[(s + phase) mod 8]: at phase 3 the yellow lead
  // is segment 4 (bottom right), followed by white and silver towards the
  // left; the top and the right side are grey.
  const QImage img = trova<Cornice>(f, "PaintBox2")->grab().toImage();
  const int w = trova<Cornice>(f, "PaintBox2")->width(), h = trova<Cornice>(f, "PaintBox2")->height();
  EXPECT_EQ(QColor(img.pixel(w / 6, 1)), QColor(0x808080));
  EXPECT_EQ(QColor(img.pixel(5 * w / 6, 1)), QColor(0x808080));
  EXPECT_EQ(QColor(img.pixel(w - 1, h / 2)), QColor(0x808080));
  EXPECT_EQ(QColor(img.pixel(5 * w / 6, h - 1)), QColor(0xFFFF00));
  EXPECT_EQ(QColor(img.pixel(w / 2, h - 1)), QColor(0xFFFFFF));
  EXPECT_EQ(QColor(img.pixel(w / 6, h - 1)), QColor(0xC0C0C0));
  EXPECT_EQ(QColor(img.pixel(0, h / 2)), QColor(0x808080));

  partita.inricerca = 2;
  contatoretick = 16 * 9;
  f.aggiornagrafica();
  EXPECT_EQ(trova<Cornice>(f, "PaintBox3")->fase(), 1);
  EXPECT_EQ(trova<Cornice>(f, "PaintBox2")->fase(), -1);
  partita.inricerca = 0;
  f.aggiornagrafica();
  EXPECT_EQ(trova<Cornice>(f, "PaintBox3")->fase(), -1);

  EXPECT_EQ(Cornice::coloresegmento(0, 0), QColor(0xFFFFFF));
  EXPECT_EQ(Cornice::coloresegmento(0, 1), QColor(0xC0C0C0));
  EXPECT_EQ(Cornice::coloresegmento(1, 0), QColor(0xC0C0C0));
  EXPECT_EQ(Cornice::coloresegmento(7, 0), QColor(0xFFFF00));
  EXPECT_EQ(Cornice::coloresegmento(0, 7), QColor(0xFFFF00));
}

TEST_F(Finestra, ANestedTickStartsNoEngineMove) {
  TZefiran_3D& f = apri();
  trova<QTimer>(f, "Timer1")->stop();
  partita.motorebianco = 1;
  partita.motorenero = 0;
  partita.inricerca = 2;  // a search is running below this tick
  f.Timer1Timer();
  QApplication::processEvents();
  EXPECT_EQ(partita.count, 0);
  EXPECT_TRUE(trova<QPlainTextEdit>(f, "Memo2")->toPlainText().isEmpty());
  partita.inricerca = 0;
  // Idle, the same tick hands the move to the engine.
  partita.tempoBianco = 1000;
  f.Timer1Timer();
  QApplication::processEvents();
  EXPECT_EQ(partita.count, 1);
  EXPECT_FALSE(trova<QPlainTextEdit>(f, "Memo2")->toPlainText().isEmpty());
  partita.motorebianco = 0;
}

TEST_F(Finestra, TicksGoOnWhileTheEngineThinks) {
  TZefiran_3D& f = apri();
  partita.tempoBase = partita.tempoBianco = partita.tempoNero = 60000;
  int ticknellaricerca = 0;
  bool cornice = false;
  QTimer spia;
  spia.setInterval(5);
  int32_t ultimo = contatoretick;
  QObject::connect(&spia, &QTimer::timeout, [&] {
    if (partita.inricerca == 1 && contatoretick != ultimo) ++ticknellaricerca;
    ultimo = contatoretick;
    cornice |= partita.inricerca == 1 && trova<Cornice>(f, "PaintBox2")->fase() >= 0;
  });
  spia.start();
  trova<QAction>(f, "Dralen1")->trigger();
  ASSERT_TRUE(attendi([] { return partita.count >= 1; }, 30000));
  EXPECT_GT(ticknellaricerca, 5) << "the clock tick runs nested in the search";
  EXPECT_TRUE(cornice) << "the thinking frame is drawn while White thinks";
  partita.motorebianco = 0;
  partita.motorenero = 0;
  ASSERT_TRUE(attendi([] { return partita.inricerca == 0; }, 30000));
}

TEST_F(Finestra, TheEngineMatesAndTheGameOverNoticeAppearsOnce) {
  TZefiran_3D& f = apri();
  ChiudiModali chiudi;
  QString messaggio;
  chiudi.primadichiudere = [&](QDialog* d) {
    if (d == trova<Tresultform>(f, "resultform")) {
      messaggio = trova<Tresultform>(f, "resultform")->Label1->text();
      EXPECT_EQ(risultatovisibile, 1);
      EXPECT_EQ(trova<Tresultform>(f, "resultform")->windowTitle(), t("P_GAMEOVER"));
    }
  };
  zeftest::setUp("6k1/5ppp/8/8/8/8/5PPP/R5K1 w - - 0 1");
  partita.tempoBase = partita.tempoBianco = partita.tempoNero = 20000;
  trova<QAction>(f, "Dralen1")->trigger();
  trova<QAction>(f, "Dralen2")->trigger();
  ASSERT_TRUE(attendi([] { return controllore().over(); }, 30000));
  ASSERT_TRUE(
      attendi([&] { return risultatovisibile == 0 && trova<Tresultform>(f, "resultform")->aperture() > 0; }, 5000));
  QTest::qWait(200);
  EXPECT_EQ(trova<Tresultform>(f, "resultform")->aperture(), 1);
  EXPECT_EQ(finepartita(), GAME_MATE);
  EXPECT_EQ(partita.count, 1);
  EXPECT_EQ(partita.movetext[0].str(), "Ra8#");
  EXPECT_EQ(messaggio, t("LMATTOB"));
  EXPECT_TRUE(trova<QPlainTextEdit>(f, "Memo1")->toPlainText().endsWith(t("LMATTOB")));
  const QStringList bianco = trova<QPlainTextEdit>(f, "Memo2")->toPlainText().split('\n');
  ASSERT_GE(bianco.size(), 2);
  EXPECT_TRUE(bianco[0].startsWith("[3] ")) << bianco[0].toStdString();
  EXPECT_TRUE(bianco[0].contains(" Ra8")) << bianco[0].toStdString();
  EXPECT_EQ(bianco.last(), QString("+-+-+-+-+-+-+-+-+-+-+-+-"));
  EXPECT_LT(partita.tempoBianco, 20000 + 1) << "the engine's clock was charged";
  EXPECT_EQ(partita.inricerca, 0);
  EXPECT_GE(toolkit.beep_, 1);
}

TEST_F(Finestra, InsufficientMaterialEndsEnginePlaySilently) {
  TZefiran_3D& f = apri();
  ChiudiModali chiudi;
  // Taking the rook is White's only legal move; it leaves two bare kings.
  zeftest::setUp("8/8/8/4k3/8/8/1r6/K7 w - - 0 1");
  partita.tempoBase = partita.tempoBianco = partita.tempoNero = 20000;
  trova<QAction>(f, "Dralen1")->trigger();
  trova<QAction>(f, "Dralen2")->trigger();
  ASSERT_TRUE(attendi([] { return controllore().over(); }, 30000));
  QTest::qWait(150);
  EXPECT_EQ(partita.count, 1);
  EXPECT_EQ(finepartita(), GAME_MATERIAL);
  EXPECT_EQ(trova<Tresultform>(f, "resultform")->aperture(), 0);
  EXPECT_TRUE(chiudi.visti.empty());
  EXPECT_TRUE(trova<QPlainTextEdit>(f, "Memo1")->toPlainText().isEmpty())
      << "Black never moved and no message was added";
}

TEST_F(Finestra, TheEnginePlaysItselfToTheEndOfAGame) {
  TZefiran_3D& f = apri();
  ChiudiModali chiudi;
  partita.tempoBase = partita.tempoBianco = partita.tempoNero = 4000;
  trova<QAction>(f, "Dralen1")->trigger();
  trova<QAction>(f, "Dralen2")->trigger();
  ASSERT_TRUE(attendi([] { return controllore().over(); }, 240000)) << partita.count << " half-moves played";
  ASSERT_TRUE(attendi([] { return risultatovisibile == 0; }, 5000));
  QTest::qWait(200);
  const int r = finepartita();
  ASSERT_LT(r, 0) << "the engines stopped before the game ended";
  EXPECT_GT(partita.count, 4);
  const int atteso = r == GAME_MATERIAL ? 0 : 1;
  EXPECT_EQ(trova<Tresultform>(f, "resultform")->aperture(), atteso) << "result " << r;
  EXPECT_EQ(static_cast<int>(chiudi.visti.size()), atteso);
  // Every engine move closed its lines in the mover's memo.
  const int separatoribianco = trova<QPlainTextEdit>(f, "Memo2")->toPlainText().count("+-+-+-+-+-+-+-+-+-+-+-+-");
  const int separatorinero = trova<QPlainTextEdit>(f, "Memo1")->toPlainText().count("+-+-+-+-+-+-+-+-+-+-+-+-");
  EXPECT_EQ(separatoribianco, (partita.count + 1) / 2);
  EXPECT_EQ(separatorinero, partita.count / 2);
  // After the game nothing more is played.
  const int mosse = partita.count;
  QTest::qWait(200);
  EXPECT_EQ(partita.count, mosse);
}

}  // namespace
