// The information box and the FEN entry, opened from the menu.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "engine/search/cache.h"
#include "graphics/gl/boardview.h"
#include "support/engine_fixture.h"
#include "ui/Uniteditfen.h"
#include "ui/Unitinfo.h"
#include "uifixture.h"

namespace {

using zeftest::ChiudiModali;
using zeftest::findMove;
using zeftest::Finestra;
using zeftest::t;
using zeftest::trova;

class Informazioni : public Finestra {
 protected:
  // A language of the test's own: the texts the box shows and a helpers line.
  void lingua(const std::string& aiuto) {
    folder.write("languages/prova.dat",
                 "P_INFOFACES=Faces\r\nP_INFOHASH=Hash\r\nP_LANGUAGEMODULE=Module\r\nP_LANGUAGEBY=by\r\n"
                 "P_LANGUAGEAUTHOR=Author Name\r\nP_LANGUAGETHANX=Thanks\r\nP_LANGUAGEHELP=" +
                     aiuto + "\r\n");
    std::string errore;
    ASSERT_TRUE(caricalingua("prova.dat", errore)) << errore;
    nomelingua = "prova.dat";
  }
  void TearDown() override {
    nomelingua = "english.dat";
    Finestra::TearDown();
  }
  // The box's lines as the menu shows them.
  std::vector<QString> apriinfo(TZefiran_3D& f) {
    ChiudiModali chiudi;
    std::vector<QString> righe;
    chiudi.primadichiudere = [&](QDialog* d) {
      if (d != trova<TInfo>(f, "info")) return;
      for (QLabel* l :
           {trova<TInfo>(f, "info")->Label1, trova<TInfo>(f, "info")->Label4, trova<TInfo>(f, "info")->Label5,
            trova<TInfo>(f, "info")->Label3, trova<TInfo>(f, "info")->Label6})
        righe.push_back(l->text());
    };
    trova<QAction>(f, "Info1")->trigger();
    return righe;
  }
};

TEST_F(Informazioni, LinesOfTheBoxWithABlankHelpersText) {
  TZefiran_3D& f = apri();
  trova<QTimer>(f, "Timer1")->stop();
  lingua("   ");
  trova<BoardView>(f, "Panel1")->disegnascena(true);
  ASSERT_GT(facce, 101) << "a frame with pieces was drawn";
  const std::vector<QString> righe = apriinfo(f);
  ASSERT_EQ(righe.size(), 5u);
  EXPECT_EQ(righe[0], QString("Zefiran_3D 0.92 "));
  EXPECT_EQ(righe[1], "Hash :  = " + QString::number(static_cast<qulonglong>(hashEntries()) * 16 / 1024) + " kb");
  EXPECT_EQ(righe[2], "Faces :  = " + QString::number(facce));
  EXPECT_EQ(righe[3], QString("Module prova.dat by Author Name"));
  EXPECT_EQ(righe[4], QString(" ")) << "a helpers text of blanks only shows a single blank";
  EXPECT_GT(hashEntries(), 0u);
}

TEST_F(Informazioni, TheHelpersLineAndTheNewSizesAtEachOpening) {
  TZefiran_3D& f = apri();
  trova<QTimer>(f, "Timer1")->stop();
  lingua("");
  EXPECT_EQ(apriinfo(f).at(4), QString(" ")) << "an empty helpers text";
  lingua("Anna and Bruno");
  facce = 4321;  // the box reads the last frame's count when it opens
  const std::vector<QString> righe = apriinfo(f);
  EXPECT_EQ(righe.at(4), QString("Thanks: Anna and Bruno"));
  EXPECT_EQ(righe.at(2), QString("Faces :  = 4321"));
  EXPECT_EQ(f.findChildren<TInfo*>().size(), 1) << "one box for the whole run";
  EXPECT_EQ(trova<TInfo>(f, "info")->size(), QSize(476, 293));
}

class EntrataFen : public Finestra {
 protected:
  // Opens the FEN entry from the menu; passo runs inside it, once it shows.
  void apridialogo(TZefiran_3D& f, const std::function<void(Teditfen&)>& passo) {
    bool fatto = false;
    QTimer timer;
    timer.setInterval(30);
    QObject::connect(&timer, &QTimer::timeout, [&] {
      if (fatto || QApplication::activeModalWidget() != trova<Teditfen>(f, "editfen")) return;
      fatto = true;
      passo(*trova<Teditfen>(f, "editfen"));
    });
    timer.start();
    trova<QAction>(f, "editaposizioneFEN1")->trigger();
    EXPECT_TRUE(fatto);
  }
};

TEST_F(EntrataFen, AnUnplayablePositionIsRefusedAndNothingChanges) {
  TZefiran_3D& f = apri();
  trova<QTimer>(f, "Timer1")->stop();
  ASSERT_TRUE(giocamossa(findMove("e2e4")));
  partita.motorenero = 1;
  const uint32_t chiave = posizioni[0].hashcheck;
  bool restaaperto = false;
  QString motivo;
  apridialogo(f, [&](Teditfen& d) {
    EXPECT_TRUE(d.Edit1->text().isEmpty());
    QTest::keyClicks(d.Edit1, "8/8/8/8/8/8/8/8 w - - 0 1");
    QTest::mouseClick(d.BitBtn1, Qt::LeftButton);
    restaaperto = d.isVisible();
    motivo = d.motivo->isVisible() ? d.motivo->text() : QString();
    QTest::mouseClick(d.BitBtn2, Qt::LeftButton);
  });
  EXPECT_TRUE(restaaperto) << "OK does not take a board without kings";
  EXPECT_TRUE(motivo.contains("king")) << motivo.toStdString();
  EXPECT_EQ(posizioni[0].hashcheck, chiave);
  EXPECT_EQ(partita.count, 1);
  EXPECT_TRUE(partita.startfen.empty());
  EXPECT_TRUE(trova<QLabel>(f, "Panel8")->isHidden());
  EXPECT_EQ(partita.motorenero, 1) << "the players are as they were";
}

TEST_F(EntrataFen, RefusedTextsReachNeitherTheBoardNorTheEngine) {
  TZefiran_3D& f = apri();
  trova<QTimer>(f, "Timer1")->stop();
  const uint32_t chiave = posizioni[0].hashcheck;
  for (const char* fen : {"", "   ", "nonsense", "4k3/8/8/8/8/8/8/8 w - - 0 1", "4k3/4R3/8/8/8/8/8/4K3 w - - 0 1",
                          "4k3/8/8/8/8/8/8/4K3 x - - 0 1", "P3k3/8/8/8/8/8/8/4K3 w - - 0 1"}) {
    SCOPED_TRACE(fen);
    trova<QLabel>(f, "Panel11")->clear();
    EXPECT_FALSE(f.applyFen(QString::fromUtf8(fen)));
    EXPECT_TRUE(trova<QLabel>(f, "Panel11")->text().startsWith(t("E_FENREFUSED") + " "))
        << trova<QLabel>(f, "Panel11")->text().toStdString();
    EXPECT_EQ(posizioni[0].hashcheck, chiave);
    EXPECT_TRUE(partita.startfen.empty());
  }
}

TEST_F(EntrataFen, APositionTypedAndConfirmedBecomesANewGame) {
  TZefiran_3D& f = apri();
  trova<QTimer>(f, "Timer1")->stop();
  ASSERT_TRUE(giocamossa(findMove("e2e4")));
  partita.motorenero = 1;
  apridialogo(f, [&](Teditfen& d) {
    QTest::keyClicks(d.Edit1, "4k3/8/8/8/8/8/8/4K2R w K - 0 1");
    QTest::mouseClick(d.BitBtn1, Qt::LeftButton);
  });
  EXPECT_EQ(posizioni[0].board[7], ROOK);
  EXPECT_EQ(partita.count, 0);
  EXPECT_EQ(partita.startfen.str(), "4k3/8/8/8/8/8/8/4K2R w K - 0 1");
  EXPECT_EQ(partita.motorenero, 1) << "the players stay as they were";
  EXPECT_TRUE(trova<QAction>(f, "Dralen2")->isChecked());
  EXPECT_EQ(partita.orologiofermo, 1);
  EXPECT_FALSE(trova<QLabel>(f, "Panel8")->isHidden()) << "the FEN strip shows the set-up";
  // The next opening starts empty again, and Cancel changes nothing.
  apridialogo(f, [&](Teditfen& d) {
    EXPECT_TRUE(d.Edit1->text().isEmpty());
    EXPECT_FALSE(d.motivo->isVisible());
    QTest::keyClicks(d.Edit1, "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1");
    QTest::mouseClick(d.BitBtn2, Qt::LeftButton);
  });
  EXPECT_EQ(posizioni[0].board[7], ROOK);
}

// The set-up's own wording of each fault a person commonly makes, read from
// the set-up itself, so that a change of its wording shows here.
TEST_F(EntrataFen, CommonFaultsAreSaidInTheUsersLanguage) {
  std::string errore;
  ASSERT_TRUE(caricalingua("italiano.dat", errore)) << errore;
  const std::pair<const char*, const char*> casi[] = {
      {"", "E_FENEMPTY"},
      {"8/8/8/8/8/8/8/8 w - - 0 1", "E_KINGS"},
      {"4k3/pppppppp/p7/8/8/8/8/4K3 w - - 0 1", "E_TOOMANY"},
      {"4k3/8/8/8/8/8/8/P3K3 w - - 0 1", "E_PAWNRANK"},
      {"8/8/8/8/8/8/8/3kK3 w - - 0 1", "E_FENKINGSNEAR"},
      {"4k3/8/8/8/8/8/8/4K3", "E_FENNOSIDE"},
      {"4k3/4R3/8/8/8/8/8/4K3 w - - 0 1", "E_CHECK"},
  };
  for (const auto& [posizione, chiave] : casi) {
    SCOPED_TRACE(posizione);
    const std::string problema = fenProblem(posizione);
    ASSERT_FALSE(problema.empty());
    EXPECT_EQ(fenRefusalText(problema), t("E_FENREFUSED") + " " + t(chiave));
  }
  // A fault that names a part of the text is shown as the set-up words it.
  const std::string rango = fenProblem("4k3/8/8/8/8/8/7/4K3 w - - 0 1");
  EXPECT_EQ(fenRefusalText(rango), t("E_FENREFUSED") + " " + QString::fromStdString(rango));
}

}  // namespace
