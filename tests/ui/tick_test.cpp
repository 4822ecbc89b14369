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

QString t(const char* chiave) { return QString::fromUtf8(testo(chiave)); }

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
  f.Timer1->stop();
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
  EXPECT_EQ(f.Label4->text(), QString("05.00")) << "refreshed only on the 16th tick";
  f.Timer1Timer();
  EXPECT_EQ(f.Label4->text(), QString("00.04"));
  EXPECT_EQ(coloretesto(f.Label4), QColor(255, 255, 255));
  EXPECT_EQ(f.Label3->text(), QString("05.00")) << "Black is not to move";

  orologio.ms += 4000.5;  // exactly zero left (elapsed times are whole milliseconds)
  for (int i = 0; i < 16; ++i) f.Timer1Timer();
  EXPECT_EQ(f.Label4->text(), QString("00.00"));
  EXPECT_EQ(coloretesto(f.Label4), QColor(255, 0, 0));

  orologio.ms += 61000;  // past zero: still "00.00", still red, play goes on
  for (int i = 0; i < 16; ++i) f.Timer1Timer();
  EXPECT_EQ(f.Label4->text(), QString("00.00"));
  EXPECT_EQ(coloretesto(f.Label4), QColor(255, 0, 0));
  EXPECT_EQ(partita.tempoBianco, 5000) << "showing the clock does not charge it";

  // Black to move: Black's label counts, in black until it runs out.
  zeftest::setUp("4k3/8/8/8/8/8/8/4K3 b - - 0 1");
  partita.orologiofermo = 0;
  partita.tempoNero = 7000;
  moveStart = adesso();
  orologio.ms += 2500;
  for (int i = 0; i < 16; ++i) f.Timer1Timer();
  EXPECT_EQ(f.Label3->text(), QString("00.04"));
  EXPECT_EQ(coloretesto(f.Label3), QColor(0, 0, 0));
  orologio.ms += 5000;
  for (int i = 0; i < 16; ++i) f.Timer1Timer();
  EXPECT_EQ(coloretesto(f.Label3), QColor(255, 0, 0));
}

TEST_F(Finestra, StoppedClocksAreNotRefreshed) {
  TZefiran_3D& f = apri();
  f.Timer1->stop();
  OrologioFinto orologio;
  partita.motorebianco = 0;
  partita.orologiofermo = 1;
  partita.tempoBianco = 5000;
  moveStart = adesso();
  orologio.ms += 3000;
  for (int i = 0; i < 64; ++i) f.Timer1Timer();
  EXPECT_EQ(f.Label4->text(), QString("05.00"));
  EXPECT_EQ(f.PaintBox2->fase(), -1);
}

TEST_F(Finestra, ThinkingFrameRunsRoundTheSearchingSide) {
  TZefiran_3D& f = apri();
  f.Timer1->stop();
  partita.inricerca = 1;
  contatoretick = 16 * 3;
  f.aggiornagrafica();
  EXPECT_EQ(f.PaintBox2->fase(), 3);
  EXPECT_EQ(f.PaintBox3->fase(), -1);
  QApplication::processEvents();
  // Segment s has colour C[(s + phase) mod 8]: at phase 3 the yellow lead
  // is segment 4 (bottom right), followed by white and silver towards the
  // left; the top and the right side are grey.
  const QImage img = f.PaintBox2->grab().toImage();
  const int w = f.PaintBox2->width(), h = f.PaintBox2->height();
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
  EXPECT_EQ(f.PaintBox3->fase(), 1);
  EXPECT_EQ(f.PaintBox2->fase(), -1);
  partita.inricerca = 0;
  f.aggiornagrafica();
  EXPECT_EQ(f.PaintBox3->fase(), -1);

  EXPECT_EQ(Cornice::coloresegmento(0, 0), QColor(0xFFFFFF));
  EXPECT_EQ(Cornice::coloresegmento(0, 1), QColor(0xC0C0C0));
  EXPECT_EQ(Cornice::coloresegmento(1, 0), QColor(0xC0C0C0));
  EXPECT_EQ(Cornice::coloresegmento(7, 0), QColor(0xFFFF00));
  EXPECT_EQ(Cornice::coloresegmento(0, 7), QColor(0xFFFF00));
}

TEST_F(Finestra, ANestedTickStartsNoEngineMove) {
  TZefiran_3D& f = apri();
  f.Timer1->stop();
  partita.motorebianco = 1;
  partita.motorenero = 0;
  partita.inricerca = 2;  // a search is running below this tick
  f.Timer1Timer();
  QApplication::processEvents();
  EXPECT_EQ(partita.count, 0);
  EXPECT_TRUE(f.Memo2->toPlainText().isEmpty());
  partita.inricerca = 0;
  // Idle, the same tick hands the move to the engine.
  partita.tempoBianco = 1000;
  f.Timer1Timer();
  QApplication::processEvents();
  EXPECT_EQ(partita.count, 1);
  EXPECT_FALSE(f.Memo2->toPlainText().isEmpty());
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
    cornice |= partita.inricerca == 1 && f.PaintBox2->fase() >= 0;
  });
  spia.start();
  f.Dralen1->trigger();
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
    if (d == f.resultform) {
      messaggio = f.resultform->Label1->text();
      EXPECT_EQ(risultatovisibile, 1);
      EXPECT_EQ(f.resultform->windowTitle(), t("P_GAMEOVER"));
    }
  };
  zeftest::setUp("6k1/5ppp/8/8/8/8/5PPP/R5K1 w - - 0 1");
  partita.tempoBase = partita.tempoBianco = partita.tempoNero = 20000;
  f.Dralen1->trigger();
  f.Dralen2->trigger();
  ASSERT_TRUE(attendi([] { return partita.motorebianco == 0 && partita.motorenero == 0; }, 30000));
  ASSERT_TRUE(attendi([&] { return risultatovisibile == 0 && f.resultform->aperture() > 0; }, 5000));
  QTest::qWait(200);
  EXPECT_EQ(f.resultform->aperture(), 1);
  EXPECT_EQ(finepartita(), GAME_MATE);
  EXPECT_EQ(partita.count, 1);
  EXPECT_EQ(partita.movetext[0].str(), "Ra8");
  EXPECT_EQ(messaggio, t("LMATTOB"));
  EXPECT_TRUE(f.Memo1->toPlainText().endsWith(t("LMATTOB")));
  const QStringList bianco = f.Memo2->toPlainText().split('\n');
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
  f.Dralen1->trigger();
  f.Dralen2->trigger();
  ASSERT_TRUE(attendi([] { return partita.motorebianco == 0 && partita.motorenero == 0; }, 30000));
  QTest::qWait(150);
  EXPECT_EQ(partita.count, 1);
  EXPECT_EQ(finepartita(), GAME_MATERIAL);
  EXPECT_EQ(f.resultform->aperture(), 0);
  EXPECT_TRUE(chiudi.visti.empty());
  EXPECT_TRUE(f.Memo1->toPlainText().isEmpty()) << "Black never moved and no message was added";
}

TEST_F(Finestra, TheEnginePlaysItselfToTheEndOfAGame) {
  TZefiran_3D& f = apri();
  ChiudiModali chiudi;
  partita.tempoBase = partita.tempoBianco = partita.tempoNero = 4000;
  f.Dralen1->trigger();
  f.Dralen2->trigger();
  ASSERT_TRUE(attendi([] { return partita.motorebianco == 0 && partita.motorenero == 0; }, 240000))
      << partita.count << " half-moves played";
  ASSERT_TRUE(attendi([] { return risultatovisibile == 0; }, 5000));
  QTest::qWait(200);
  const int r = finepartita();
  ASSERT_LT(r, 0) << "the engines stopped before the game ended";
  EXPECT_GT(partita.count, 4);
  const int atteso = r == GAME_MATERIAL ? 0 : 1;
  EXPECT_EQ(f.resultform->aperture(), atteso) << "result " << r;
  EXPECT_EQ(static_cast<int>(chiudi.visti.size()), atteso);
  // Every engine move closed its lines in the mover's memo.
  const int separatoribianco = f.Memo2->toPlainText().count("+-+-+-+-+-+-+-+-+-+-+-+-");
  const int separatorinero = f.Memo1->toPlainText().count("+-+-+-+-+-+-+-+-+-+-+-+-");
  EXPECT_EQ(separatoribianco, (partita.count + 1) / 2);
  EXPECT_EQ(separatorinero, partita.count / 2);
  // After the game nothing more is played.
  const int mosse = partita.count;
  QTest::qWait(200);
  EXPECT_EQ(partita.count, mosse);
}

TEST(RigaRicerca, DepthScoreTimeAndTheLineInSan) {
  zeftest::setUp("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1");
  const uint32_t e4 = zeftest::findMove("e2e4");
  ASSERT_NE(e4, 0u);
  clearPvTable();
  Iteration it{3, 25, 1234, 100, e4};
  EXPECT_EQ(rigaricerca(it), "[3]   25 00.01,23 e4");
  it.score = -31990;
  it.depth = 12;
  EXPECT_EQ(rigaricerca(it).substr(0, 23), "[12] -31990 00.01,23 e4") << "a long score is not cut";
  it.best = 0;
  EXPECT_EQ(rigaricerca(it), "[12] -31990 00.01,23 ");
}

TEST(RigaRicerca, ThePrincipalVariationIsWrittenInSan) {
  zeftest::setUp("6k1/5ppp/8/8/8/8/5PPP/R5K1 w - - 0 1");
  moveStart = adesso();
  clockNow = moveStart;
  searchDeadline = 100000;
  SearchLimits l;
  l.targetDepth = 5;
  std::vector<std::string> righe;
  iterativeDeepening(l, [&](const Iteration& it) { righe.push_back(rigaricerca(it)); });
  ASSERT_FALSE(righe.empty());
  // Each line names the best move and then at most depth + 3 SAN moves,
  // none of them empty.
  for (const std::string& r : righe) {
    const size_t inizio = r.find(" Ra8");
    ASSERT_NE(inizio, std::string::npos) << r;
    const std::string mosse = r.substr(inizio + 1);
    EXPECT_EQ(mosse.find("  "), std::string::npos) << r;
    EXPECT_NE(mosse.back(), ' ') << r;
    const int depth = std::stoi(r.substr(1));
    EXPECT_LE(std::count(mosse.begin(), mosse.end(), ' '), depth + 3) << r;
  }
  EXPECT_EQ(posizioni[0].board[0], ROOK) << "the root position is untouched";
}

TEST(RigaRicerca, TheLineReplaysAsLegalMovesFromTheRoot) {
  const std::string fen = "r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R w KQkq - 2 3";
  zeftest::setUp(fen);
  moveStart = adesso();
  clockNow = moveStart;
  searchDeadline = 100000;
  SearchLimits l;
  l.targetDepth = 6;
  std::string ultima;
  iterativeDeepening(l, [&](const Iteration& it) { ultima = rigaricerca(it); });
  // Tokens: "[d]", score, time, then the moves.
  std::vector<std::string> parole;
  for (size_t i = 0; i < ultima.size();) {
    const size_t j = ultima.find(' ', i);
    const std::string p = ultima.substr(i, j == std::string::npos ? std::string::npos : j - i);
    if (!p.empty()) parole.push_back(p);
    if (j == std::string::npos) break;
    i = j + 1;
  }
  ASSERT_GE(parole.size(), 5u) << ultima << " (a line of at least two moves)";
  zeftest::setUp(fen);
  for (size_t k = 3; k < parole.size(); ++k) {
    const uint32_t m = mossavalida(leggisan(parole[k]));
    ASSERT_NE(m, 0u) << parole[k] << " in " << ultima;
    ASSERT_TRUE(giocamossa(m)) << parole[k] << " in " << ultima;
  }
}

// With 1 ms to think, iterations are cut short at once; the move they
// hand back must still be one the game accepts.
TEST(TurnoMotore, InTimeTroubleTheEngineStillPlaysALegalMove) {
  for (const char* fen : {"4k3/8/8/8/8/8/3PP3/r3K2R w K - 0 1", "r3k3/3pp3/8/8/8/8/8/R3K3 b - - 0 1",
                          "4k3/8/8/8/1b6/8/3PPP2/R3K2R w KQ - 0 1"}) {
    for (int volta = 0; volta < 20; ++volta) {
      zeftest::setUp(fen);
      moveStart = adesso();
      clockNow = moveStart;
      searchDeadline = 1;
      SearchLimits l;
      l.timeDivisor = 5;
      const EngineChoice c = pensamossa(l, nullptr);
      ASSERT_NE(c.move, 0u) << fen;
      ASSERT_TRUE(giocamossa(c.move)) << fen << ": the engine chose " << c.move;
    }
  }
}

TEST(MessaggioFinePartita, KeysAndMemosOfEachResult) {
  struct Caso {
    int r;
    Autore a;
    bool biancoamuovere;
    const char* chiave;
    int memo;
  };
  const Caso casi[] = {
      {GAME_STALEMATE, Autore::MotoreBianco, false, "LSTALLO", 1},
      {GAME_STALEMATE, Autore::Umano, true, "LSTALLO", 1},
      {GAME_MATE, Autore::MotoreBianco, false, "LMATTOB", 1},
      {GAME_MATE, Autore::MotoreNero, true, "LMATTON", 1},
      {GAME_MATE, Autore::Umano, true, "LMATTON", 1},
      {GAME_MATE, Autore::Umano, false, "LMATTOB", 1},
      {GAME_REPETITION, Autore::MotoreNero, true, "L3X", 1},
      {GAME_FIFTY, Autore::Umano, false, "L50MOSSE", 1},
      {GAME_RESIGN, Autore::MotoreBianco, false, "LABBANDONAB", 2},
      {GAME_RESIGN, Autore::MotoreNero, true, "LABBANDONAN", 2},
      {GAME_RESIGN, Autore::Umano, true, nullptr, 0},
      {GAME_MATERIAL, Autore::MotoreBianco, false, nullptr, 0},
      {GAME_MATERIAL, Autore::Umano, false, nullptr, 0},
      {GAME_ON, Autore::MotoreBianco, false, nullptr, 0},
  };
  for (const Caso& c : casi) {
    const MessaggioFine m = messaggiofinepartita(c.r, c.a, c.biancoamuovere);
    SCOPED_TRACE(std::to_string(c.r));
    if (!c.chiave) {
      EXPECT_EQ(m.chiave, nullptr);
      continue;
    }
    ASSERT_NE(m.chiave, nullptr);
    EXPECT_STREQ(m.chiave, c.chiave);
    EXPECT_EQ(m.memo, c.memo);
  }
}

TEST_F(Finestra, AHumanMateShowsTheNoticeWithoutTouchingThePlayers) {
  TZefiran_3D& f = apri();
  ChiudiModali chiudi;
  f.Timer1->stop();
  zeftest::setUp("6k1/5ppp/8/8/8/8/5PPP/R5K1 w - - 0 1");
  partita.motorenero = 1;
  ASSERT_TRUE(giocamossa(zeftest::findMove("a1a8")));
  const int r = finepartita();
  ASSERT_EQ(r, GAME_MATE);
  f.finepartitaumana(r);
  EXPECT_EQ(f.resultform->aperture(), 1);
  EXPECT_EQ(f.resultform->Label1->text(), t("LMATTOB"));
  EXPECT_EQ(partita.motorenero, 1);
  risultatovisibile = 1;  // a notice is open already: no second one
  f.finepartitaumana(r);
  EXPECT_EQ(f.resultform->aperture(), 1);
  risultatovisibile = 0;
  partita.motorenero = 0;
}

}  // namespace
