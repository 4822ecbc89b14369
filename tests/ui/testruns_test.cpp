// The test runs from the menu: the EPD page with its counters, the stop
// button reaching a running search through the event loop, the result page,
// and the speed run.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>

#include "records/testsuites.h"
#include "support/engine_fixture.h"
#include "uifixture.h"

namespace {

using zeftest::Finestra;
using zeftest::q;
using zeftest::RispondiFile;
using zeftest::t;
using zeftest::trova;

class Prove : public Finestra {
 protected:
  void SetUp() override {
    Finestra::SetUp();
    listadebug.clear();
    setDebugFile(zeftest::tempPath("debug.txt"));
  }
  void TearDown() override {
    setDebugFile("debug.txt");
    listadebug.clear();
    Finestra::TearDown();
  }
  static QString pagina(QStackedWidget* n) { return n->currentWidget()->objectName(); }
  static QStringList righe(const QPlainTextEdit* m) { return m->toPlainText().split('\n'); }
};

// Two mates in one, for White and for Black.
const char* const DUEMATTI =
    "6k1/5ppp/8/8/8/8/5PPP/R5K1 w - - bm Ra8+; id \"bianco\";\r\n"
    "r5k1/5ppp/8/8/8/8/5PPP/6K1 b - - bm Ra1+; id \"nero\";\r\n";

TEST_F(Prove, AnEpdRunFromTheMenuFillsItsPageAndShowsTheLog) {
  TZefiran_3D& f = apri();
  f.epdTime = 2000;
  folder.write("matti.epd", DUEMATTI);
  RispondiFile risposte({q(folder.file("matti.epd"))});
  trova<QAction>(f, "Epd1")->trigger();
  ASSERT_EQ(risposte.filtri.size(), 1u);
  EXPECT_TRUE(risposte.filtri[0].contains("*.epd"));
  EXPECT_EQ(pagina(trova<QStackedWidget>(f, "Notebook2")), QString("epd"));
  EXPECT_EQ(trova<QLabel>(f, "contaesaminate")->text(), QString("2"));
  EXPECT_EQ(trova<QLabel>(f, "contadaesaminare")->text(), QString("0"));
  EXPECT_EQ(trova<QLabel>(f, "contacorrette")->text(), QString("2"));
  EXPECT_EQ(trova<QLabel>(f, "contaerrate")->text(), QString("0"));
  EXPECT_EQ(trova<QLabel>(f, "percentuale")->text(), QString("100%"));
  EXPECT_EQ(trova<QPushButton>(f, "BitBtn2")->text(), t("P_BREAK"));
  // Each side's thinking lines in its own memo.
  EXPECT_TRUE(trova<QPlainTextEdit>(f, "Memo2")->toPlainText().startsWith("[3]"))
      << trova<QPlainTextEdit>(f, "Memo2")->toPlainText().toStdString();
  EXPECT_TRUE(trova<QPlainTextEdit>(f, "Memo1")->toPlainText().startsWith("[3]"))
      << trova<QPlainTextEdit>(f, "Memo1")->toPlainText().toStdString();
  // The result page: the log, then the two closing lines.
  ASSERT_FALSE(trova<QStackedWidget>(f, "Notebook1")->isHidden());
  EXPECT_EQ(pagina(trova<QStackedWidget>(f, "Notebook1")), QString("epd"));
  const QStringList memo = righe(trova<QPlainTextEdit>(f, "memoepd"));
  ASSERT_GE(memo.size(), 4);
  EXPECT_EQ(memo[memo.size() - 2], t("P_DEBUGSAVED"));
  EXPECT_EQ(memo[memo.size() - 1], t("P_PRESSEXIT"));
  EXPECT_EQ(memo.size(), static_cast<int>(listadebug.size()) + 2);
  EXPECT_EQ(memo.count(t("P_RIGHTSOL")), 2);
  EXPECT_FALSE(f.testRunning());
  EXPECT_EQ(partita.inricerca, 0);
  // Pressed now, the button leaves the run's pages.
  QTest::mouseClick(trova<QPushButton>(f, "BitBtn2"), Qt::LeftButton);
  EXPECT_EQ(pagina(trova<QStackedWidget>(f, "Notebook2")), QString("Default"));
  EXPECT_TRUE(trova<QStackedWidget>(f, "Notebook1")->isHidden());
}

TEST_F(Prove, TheStopButtonReachesARunningSearchAndEndsTheRunAfterItsPosition) {
  TZefiran_3D& f = apri();
  f.epdTime = 2000;
  folder.write("tre.epd",
               "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - bm e4; id \"uno\";\r\n"
               "r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R w KQkq - bm Bb5; id \"due\";\r\n"
               "rnbqkb1r/pppppppp/5n2/8/3P4/8/PPP1PPPP/RNBQKBNR w KQkq - bm c4; id \"tre\";\r\n");
  int premuto = 0;
  int ricercadurante = 0;
  bool induranteprova = false;
  QTimer dito;
  dito.setInterval(20);
  QObject::connect(&dito, &QTimer::timeout, [&] {
    if (premuto || partita.inricerca == 0) return;
    ricercadurante = partita.inricerca;
    induranteprova = f.testRunning();
    QTest::mouseClick(trova<QPushButton>(f, "BitBtn2"), Qt::LeftButton);
    ++premuto;
  });
  dito.start();
  f.runEpdOn(q(folder.file("tre.epd")));
  dito.stop();
  ASSERT_EQ(premuto, 1);
  EXPECT_EQ(ricercadurante, 1) << "the press came while White's search ran";
  EXPECT_TRUE(induranteprova);
  EXPECT_EQ(trova<QLabel>(f, "contaesaminate")->text(), QString("1"))
      << "the run ends after the position it was searching";
  EXPECT_EQ(trova<QLabel>(f, "contadaesaminare")->text(), QString("2"));
  const QStringList memo = righe(trova<QPlainTextEdit>(f, "memoepd"));
  EXPECT_TRUE(memo.contains(t("P_BREAKUSER")));
  EXPECT_EQ(memo.last(), t("P_PRESSEXIT"));
  EXPECT_EQ(trova<QPushButton>(f, "BitBtn2")->text(), t("P_BREAK"));
  EXPECT_FALSE(f.stopWanted()) << "the next run starts afresh";
  EXPECT_EQ(pagina(trova<QStackedWidget>(f, "Notebook1")), QString("epd"));
}

TEST_F(Prove, NoRunStartsWhileASearchRuns) {
  TZefiran_3D& f = apri();
  trova<QTimer>(f, "Timer1")->stop();
  folder.write("matti.epd", DUEMATTI);
  partita.inricerca = 1;
  RispondiFile risposte({q(folder.file("matti.epd"))});
  trova<QAction>(f, "Epd1")->trigger();
  trova<QAction>(f, "speed1")->trigger();
  EXPECT_TRUE(risposte.filtri.empty()) << "no file dialog";
  f.runEpdOn(q(folder.file("matti.epd")));
  EXPECT_TRUE(listadebug.empty());
  EXPECT_EQ(pagina(trova<QStackedWidget>(f, "Notebook2")), QString("Default"));
  partita.inricerca = 0;
}

TEST_F(Prove, TheSpeedRunSearchesEachLineWithAnAt) {
  TZefiran_3D& f = apri();
  folder.write("veloce.tst",
               "a line without the sign\r\n03start@rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1\r\n");
  RispondiFile risposte({q(folder.file("veloce.tst"))});
  trova<QAction>(f, "speed1")->trigger();
  ASSERT_EQ(risposte.filtri.size(), 1u);
  EXPECT_TRUE(risposte.filtri[0].contains("*.tst"));
  const QStringList memo = righe(trova<QPlainTextEdit>(f, "Memo2"));
  ASSERT_GE(memo.size(), 2);
  EXPECT_TRUE(memo[0].startsWith("[3]")) << memo[0].toStdString();
  EXPECT_EQ(memo.last(), QString("+-+-+-+-+-+-+-+-+-+-+-+-"));
  EXPECT_NE(std::find(listadebug.begin(), listadebug.end(), "start"), listadebug.end());
  EXPECT_EQ(partita.count, 1) << "the move found is played";
  EXPECT_FALSE(f.testRunning());
  // A file that cannot be read says so.
  f.runSpeedOn(q(folder.file("missing.tst")));
  EXPECT_TRUE(trova<QLabel>(f, "Panel11")->text().contains("missing.tst"))
      << trova<QLabel>(f, "Panel11")->text().toStdString();
}

}  // namespace
