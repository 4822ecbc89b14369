#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>

#include "graphics/gl/boardview.h"
#include "ui/resultunit.h"
#include "uifixture.h"

namespace {

using zeftest::component;
using zeftest::t;
using zeftest::WindowTest;

// Every menu item with its language key.
std::vector<std::pair<QAction*, const char*>> vocimenu(TZefiran_3D& f) {
  return {{component<QAction>(f, "Nuovapartita1"), "M_NEWGAME"},
          {component<QAction>(f, "Apripartitapgn1"), "M_OPENGAME"},
          {component<QAction>(f, "Salvapartitapdn1"), "M_SAVEGAME"},
          {component<QAction>(f, "configurazione1"), "M_CONFIG"},
          {component<QAction>(f, "Controllotempo1"), "M_TIME"},
          {component<QAction>(f, "Gestionebook1"), "M_MANAGEBOOK"},
          {component<QAction>(f, "Visualizzapropostebook1"), "M_HINTBOOK"},
          {component<QAction>(f, "ripetimossa1"), "M_BACK"},
          {component<QAction>(f, "muovisubito1"), "M_MOVENOW"},
          {component<QAction>(f, "EditaScacchiera1"), "M_EDITBOARD"},
          {component<QAction>(f, "editaposizioneFEN1"), "M_EDITFEN"},
          {component<QAction>(f, "caricaposizionefen1"), "M_LOADFEN"},
          {component<QAction>(f, "Salvaposizionefen1"), "M_SAVEFEN"},
          {component<QAction>(f, "Esci1"), "M_EXIT"},
          {component<QMenu>(f, "Visualizza1")->menuAction(), "M_VIEWL"},
          {component<QAction>(f, "scacchiera2D1"), "M_BOARD2D"},
          {component<QAction>(f, "scacchiera3D1"), "M_BOARD3D"},
          {component<QAction>(f, "Nascondilineeelaborate1"), "M_HIDELINE"},
          {component<QAction>(f, "Schermopieno1"), "M_FULLSCREEN"},
          {component<QMenu>(f, "GiocatoreBianco1")->menuAction(), "M_WHITE"},
          {component<QAction>(f, "Ruota1801"), "M_ROTATE"},
          {component<QAction>(f, "Umano1"), "M_HUMAN"},
          {component<QAction>(f, "Umano2"), "M_HUMAN"},
          {component<QMenu>(f, "Nero1")->menuAction(), "M_BLACK"},
          {component<QMenu>(f, "Tests1")->menuAction(), "M_TEST"},
          {component<QAction>(f, "Info1"), "M_INFO"},
          {component<QAction>(f, "Svuotascacchiera1"), "M_CLEARBOARD"},
          {component<QAction>(f, "Svuotacsella1"), "M_CLEARSQUARE"},
          {component<QAction>(f, "ReBianco1"), "M_WHITEKING"},
          {component<QAction>(f, "DonnaBianca1"), "M_WHITEQUEEN"},
          {component<QAction>(f, "orrebianca1"), "M_WHITEROOK"},
          {component<QAction>(f, "alfierebianco1"), "M_WHITEBISHOP"},
          {component<QAction>(f, "CavalloBianco1"), "M_WHITEKNIGHT"},
          {component<QAction>(f, "PedoneBianco1"), "M_WHITEPAWN"},
          {component<QAction>(f, "Renero1"), "M_BLACKKING"},
          {component<QAction>(f, "DonnaNera1"), "M_BLACKQUEEN"},
          {component<QAction>(f, "orreNera1"), "M_BLACKROOK"},
          {component<QAction>(f, "AlfierNeo1"), "M_BLACKBISHOP"},
          {component<QAction>(f, "CavaloNero1"), "M_BLACKKNIGHT"},
          {component<QAction>(f, "PedoneNero1"), "M_BLACKPAWN"}};
}

TEST_F(WindowTest, MenusCarryTheCaptionsOfEachLanguage) {
  TZefiran_3D& f = openWindow();
  for (const char* lingua : {"english.dat", "italiano.dat"}) {
    SCOPED_TRACE(lingua);
    std::string errore;
    ASSERT_TRUE(caricalingua(lingua, errore)) << errore;
    f.settalingua();
    for (auto [azione, chiave] : vocimenu(f)) {
      ASSERT_FALSE(t(chiave).isEmpty()) << chiave;
      EXPECT_EQ(azione->text(), t(chiave)) << chiave;
    }
    // The menu bar shows the six designed top-level entries, Edit and the
    // coach before Tests.
    const QList<QAction*> barra = component<QMenuBar>(f, "MainMenu1")->actions();
    ASSERT_EQ(barra.size(), 8);
    EXPECT_EQ(barra[0]->text(), QString("Zefiran3D"));
    EXPECT_EQ(barra[1]->text(), t("M_EDIT"));
    EXPECT_EQ(barra[5]->text(), t("M_COACH"));
    EXPECT_EQ(barra[7], component<QAction>(f, "Info1"));
    EXPECT_EQ(component<QAction>(f, "hint")->text(), t("M_HINT"));
    EXPECT_EQ(component<QAction>(f, "analyse")->text(), t("M_ANALYSE"));
    EXPECT_EQ(component<QAction>(f, "reviewGame")->text(), t("M_REVIEW"));
    EXPECT_EQ(component<QAction>(f, "Dralen1")->text(), QString("Zefiran3D"));
    EXPECT_EQ(component<QAction>(f, "Dralen2")->text(), QString("Zefiran3D"));
    EXPECT_EQ(component<QPushButton>(f, "Button1")->text(), t("P_RETURNGAME"));
    EXPECT_EQ(component<QPushButton>(f, "BitBtn2")->text(), t("P_BREAK"));
    EXPECT_EQ(component<QLabel>(f, "etichettaesaminate")->text(), t("P_TESTED"));
    EXPECT_EQ(component<QLabel>(f, "etichettainfopartita")->text(), t("P_INFOGAME"));
  }
  // The two languages really differ where it is checked.
  std::string errore;
  ASSERT_TRUE(caricalingua("english.dat", errore));
  f.settalingua();
  const QString inglese = component<QAction>(f, "Nuovapartita1")->text();
  ASSERT_TRUE(caricalingua("italiano.dat", errore));
  f.settalingua();
  EXPECT_NE(component<QAction>(f, "Nuovapartita1")->text(), inglese);
  EXPECT_EQ(component<QAction>(f, "Ruota1801")->text(), QString::fromUtf8(testo("M_ROTATE")));
}

TEST_F(WindowTest, StartsAsTheDesignedWindow) {
  TZefiran_3D& f = openWindow();
  EXPECT_EQ(f.windowTitle(), QString("Zefiran_3D 0.92 - ") + zeftest::t("P_WHITETOMOVE"));
  EXPECT_EQ(f.minimumSize(), QSize(640, 480));
  EXPECT_TRUE(component<QAction>(f, "Umano1")->isChecked());
  EXPECT_FALSE(component<QAction>(f, "Dralen1")->isChecked());
  EXPECT_FALSE(component<QAction>(f, "Umano2")->isChecked());
  EXPECT_TRUE(component<QAction>(f, "Dralen2")->isChecked());
  EXPECT_TRUE(component<QAction>(f, "scacchiera3D1")->isChecked());
  EXPECT_FALSE(component<QAction>(f, "scacchiera2D1")->isChecked());
  EXPECT_EQ(vista, VISTA_3D);
  for (QAction* a : {component<QAction>(f, "testa640x4801"), component<QAction>(f, "testa800x6001"),
                     component<QAction>(f, "testa1024x7681"), component<QAction>(f, "testa1024x8001")})
    EXPECT_FALSE(a->isVisible());
  EXPECT_TRUE(component<QAction>(f, "Salvaposizionefen1")->isEnabled());
  EXPECT_EQ(component<QStackedWidget>(f, "Notebook2")->currentWidget()->objectName(), QString("Default"));
  EXPECT_FALSE(component<QStackedWidget>(f, "Notebook1")->isVisible());
  EXPECT_EQ(component<QLabel>(f, "Label2")->text().toStdString(), partita.whiteplayer.str());
  EXPECT_EQ(component<QLabel>(f, "Label1")->text(), QString("Zefiran_3D 0.92"));
  EXPECT_EQ(component<QLabel>(f, "Label4")->text(), QString("05.00"));
  EXPECT_EQ(component<QLabel>(f, "Label3")->text(), QString("05.00"));
  EXPECT_EQ(component<BoardView>(f, "Panel1")->objectName(), QString("Panel1"));
  for (const char* nome :
       {"Panel2",      "Panel3",    "Panel4",    "Panel5",    "Panel6",     "Panel7", "Panel8", "Panel9",
        "Panel11",     "PaintBox1", "PaintBox2", "PaintBox3", "ScrollBar1", "Memo1",  "Memo2",  "Edit1",
        "perftresult", "Notebook1", "Notebook2", "Label1",    "Label2",     "Label3", "Label4"})
    EXPECT_NE(f.findChild<QWidget*>(nome), nullptr) << nome;
  for (const char* pagina : {"Default", "perft", "load", "epd", "editmode", "book"})
    EXPECT_NE(component<QStackedWidget>(f, "Notebook2")->findChild<QWidget*>(pagina), nullptr) << pagina;
  for (const char* pagina : {"listapartite", "opengl", "epd", "book"})
    EXPECT_NE(component<QStackedWidget>(f, "Notebook1")->findChild<QWidget*>(pagina), nullptr) << pagina;
  EXPECT_TRUE(component<QLabel>(f, "Panel11")->text().isEmpty());
}

TEST_F(WindowTest, StatusStripShowsEachStartupProblemAndAMissingSkin) {
  reportProblem("settings: unreadable");
  reportProblem("language: missing");
  nomeskin = "missing.usk";
  TZefiran_3D& f = openWindow();
  const QStringList righe = component<QLabel>(f, "Panel11")->text().split('\n');
  ASSERT_EQ(righe.size(), 3) << component<QLabel>(f, "Panel11")->text().toStdString();
  EXPECT_EQ(righe[0], QString("settings: unreadable"));
  EXPECT_EQ(righe[1], QString("language: missing"));
  EXPECT_TRUE(righe[2].contains("missing.usk")) << righe[2].toStdString();
  // The program goes on: the tick still runs.
  const int32_t prima = contatoretick;
  QTest::qWait(100);
  EXPECT_GT(contatoretick, prima);
}

TEST_F(WindowTest, LeftColumnStaysWithinAThirdAndThreeHundredPixels) {
  TZefiran_3D& f = openWindow(1280, 1000);
  for (QSize s : {QSize(640, 480), QSize(800, 600), QSize(1200, 800), QSize(1280, 1000), QSize(700, 1000),
                  QSize(1280, 480), QSize(900, 560)}) {
    f.resize(s);
    QTest::qWait(40);
    f.drawlog(1);
    QTest::qWait(20);
    const int W = f.width();
    SCOPED_TRACE(std::to_string(W) + "x" + std::to_string(f.height()));
    EXPECT_LE(component<QWidget>(f, "Panel2")->width(), 300);
    EXPECT_LE(component<QWidget>(f, "Panel2")->width(), W / 3);
    EXPECT_GE(component<QWidget>(f, "Panel2")->width(), 190);
  }
  // A wide window with a low board takes the whole 300 pixels.
  f.resize(1280, 1000);
  QTest::qWait(40);
  f.drawlog(1);
  QTest::qWait(20);
  EXPECT_EQ(component<QWidget>(f, "Panel2")->width(), 300);
}

TEST_F(WindowTest, FenStripShowsASetUpPositionOnly) {
  TZefiran_3D& f = openWindow();
  f.drawlog(1);
  EXPECT_TRUE(component<QLabel>(f, "Panel8")->isHidden());
  const std::string fen = "4k3/8/8/8/8/8/8/4K2R w K - 0 1";
  impostafen(fen, true);
  f.drawlog(1);
  EXPECT_FALSE(component<QLabel>(f, "Panel8")->isHidden());
  EXPECT_EQ(component<QLabel>(f, "Panel8")->text().toStdString(), "Fen: " + partita.startfen.str());
  EXPECT_EQ(component<QLabel>(f, "Panel8")->toolTip(), component<QLabel>(f, "Panel8")->text());
}

TEST_F(WindowTest, NewGameResetsTheBoardTheMemosAndTheLabels) {
  TZefiran_3D& f = openWindow();
  component<QPlainTextEdit>(f, "Memo1")->appendPlainText("old line");
  component<QPlainTextEdit>(f, "Memo2")->appendPlainText("old line");
  impostafen("4k3/8/8/8/8/8/8/4K2R w K - 0 1", true);
  partita.motorenero = 1;
  partita.tempoBianco = 1;
  f.showSidePage("perft");
  component<QAction>(f, "Nuovapartita1")->trigger();
  EXPECT_TRUE(component<QPlainTextEdit>(f, "Memo1")->toPlainText().isEmpty());
  EXPECT_TRUE(component<QPlainTextEdit>(f, "Memo2")->toPlainText().isEmpty());
  EXPECT_EQ(component<QStackedWidget>(f, "Notebook2")->currentWidget()->objectName(), QString("Default"));
  EXPECT_EQ(posizioni[0].board[4], KING);
  EXPECT_EQ(posizioni[0].board[3], QUEEN);
  EXPECT_EQ(component<QLabel>(f, "Label4")->text(), QString("05.00"));
  EXPECT_EQ(component<QLabel>(f, "Label1")->text(), QString("Zefiran_3D 0.92"));
  EXPECT_EQ(partita.motorenero, 1);
  EXPECT_EQ(partita.orologiofermo, 1);
}

TEST_F(WindowTest, CommandsDuringASearchStopItAndTakeEffect) {
  TZefiran_3D& f = openWindow();
  zeftest::ModalCloser chiudi;
  partita.tempoBase = partita.tempoBianco = partita.tempoNero = 3600000;
  // Engine against engine with an hour each: New game stops the running
  // search and starts again at once.
  component<QAction>(f, "Dralen1")->trigger();
  component<QAction>(f, "Dralen2")->trigger();
  // The clicks come while the search runs, through the event loop it pumps.
  int passo = 0;
  qint64 attesa = -1;
  QElapsedTimer orologio;
  QTimer regista;
  regista.setInterval(5);
  QObject::connect(&regista, &QTimer::timeout, [&] {
    if (passo == 0 && partita.inricerca != 0) {
      orologio.start();
      component<QAction>(f, "Nuovapartita1")->trigger();
      passo = 1;
    } else if (passo == 1 && partita.count == 0) {
      attesa = orologio.elapsed();
      passo = 2;
    } else if (passo == 2 && partita.inricerca == 1) {
      // Giving the searching side to a person stops engine against engine:
      // the move searched for is not played.
      component<QAction>(f, "Umano1")->trigger();
      passo = 3;
    }
  });
  regista.start();
  ASSERT_TRUE(waitFor([&] { return passo == 3 && partita.inricerca == 0; }, 60000)) << "step " << passo;
  regista.stop();
  EXPECT_GE(attesa, 0);
  // An hour's clock gives the engine over a minute for its move, so a new
  // game well inside that proves the search was stopped; the bound leaves a
  // loaded machine room (here it takes a few milliseconds).
  EXPECT_LT(attesa, 10000) << "the new game waited for the search";
  EXPECT_TRUE(component<QAction>(f, "Dralen2")->isChecked()) << "the players stay";
  EXPECT_EQ(partita.count, 0);
  EXPECT_EQ(partita.motorebianco, 0);
  EXPECT_TRUE(component<QAction>(f, "Umano1")->isChecked());
  EXPECT_FALSE(component<QAction>(f, "Dralen1")->isChecked());
  component<QAction>(f, "Umano2")->trigger();
  // "muovi subito" works at any time.
  searchDeadline = 5000;
  component<QAction>(f, "muovisubito1")->trigger();
  EXPECT_EQ(searchDeadline, 1);
}

TEST_F(WindowTest, PlayerMenusAssignTheSidesAndSwitchToWindowMode) {
  TZefiran_3D& f = openWindow();
  component<QTimer>(f, "Timer1")->stop();
  listaini = {"giocatore=Anna Rossi"};
  modointerfaccia = 0;
  component<QAction>(f, "Dralen1")->trigger();
  EXPECT_EQ(modointerfaccia, 1);
  EXPECT_EQ(partita.motorebianco, 1);
  EXPECT_EQ(partita.orologiofermo, 0) << "White is to move";
  EXPECT_TRUE(component<QAction>(f, "Dralen1")->isChecked());
  EXPECT_FALSE(component<QAction>(f, "Umano1")->isChecked());
  EXPECT_EQ(component<QLabel>(f, "Label2")->text(), QString("Zefiran_3D 0.92"));
  component<QAction>(f, "Dralen1")->trigger();  // picking it again keeps it picked
  EXPECT_TRUE(component<QAction>(f, "Dralen1")->isChecked());
  component<QAction>(f, "Umano1")->trigger();
  EXPECT_EQ(partita.motorebianco, 0);
  EXPECT_EQ(component<QLabel>(f, "Label2")->text(), QString("Anna Rossi"));
  EXPECT_TRUE(component<QAction>(f, "Umano1")->isChecked());
  EXPECT_FALSE(component<QAction>(f, "Dralen1")->isChecked());
  partita.orologiofermo = 1;
  component<QAction>(f, "Umano2")->trigger();
  EXPECT_EQ(partita.motorenero, 0);
  EXPECT_EQ(component<QLabel>(f, "Label1")->text(), QString("Anna Rossi"));
  component<QAction>(f, "Dralen2")->trigger();
  EXPECT_EQ(partita.motorenero, 1);
  EXPECT_EQ(partita.orologiofermo, 1) << "Black is not to move";
}

TEST_F(WindowTest, ViewCommands) {
  TZefiran_3D& f = openWindow();
  component<QAction>(f, "scacchiera2D1")->trigger();
  EXPECT_EQ(vista, VISTA_PIATTA);
  EXPECT_TRUE(component<QAction>(f, "scacchiera2D1")->isChecked());
  EXPECT_FALSE(component<QAction>(f, "scacchiera3D1")->isChecked());
  EXPECT_FLOAT_EQ(elevazione, 90.0f);
  component<QAction>(f, "scacchiera3D1")->trigger();
  EXPECT_EQ(vista, VISTA_3D);
  EXPECT_TRUE(component<QAction>(f, "scacchiera3D1")->isChecked());
  EXPECT_FALSE(component<QAction>(f, "scacchiera2D1")->isChecked());
  EXPECT_FLOAT_EQ(elevazione, 60.0f);

  rotazione = 270;
  component<QAction>(f, "Ruota1801")->trigger();
  EXPECT_FLOAT_EQ(rotazione, 90.0f);
  component<QAction>(f, "Ruota1801")->trigger();
  EXPECT_FLOAT_EQ(rotazione, 270.0f);

  component<QAction>(f, "Nascondilineeelaborate1")->trigger();
  EXPECT_TRUE(component<QAction>(f, "Nascondilineeelaborate1")->isChecked());
  EXPECT_TRUE(component<QPlainTextEdit>(f, "Memo1")->isHidden());
  EXPECT_TRUE(component<QPlainTextEdit>(f, "Memo2")->isHidden());
  component<QAction>(f, "Nascondilineeelaborate1")->trigger();
  EXPECT_FALSE(component<QPlainTextEdit>(f, "Memo1")->isHidden());
  EXPECT_FALSE(component<QPlainTextEdit>(f, "Memo2")->isHidden());

  component<QAction>(f, "Schermopieno1")->trigger();
  EXPECT_TRUE(component<QAction>(f, "Schermopieno1")->isChecked());
  EXPECT_TRUE(component<QWidget>(f, "Panel2")->isHidden());
  EXPECT_TRUE(component<QWidget>(f, "Panel4")->isHidden());
  EXPECT_TRUE(component<QWidget>(f, "Panel5")->isHidden());
  component<QAction>(f, "Schermopieno1")->trigger();
  EXPECT_FALSE(component<QAction>(f, "Schermopieno1")->isChecked());
  EXPECT_FALSE(component<QWidget>(f, "Panel2")->isHidden());
  EXPECT_FALSE(component<QWidget>(f, "Panel4")->isHidden());
}

TEST_F(WindowTest, EditModeChangesOnlyItsPageTheStripAndThePopup) {
  TZefiran_3D& f = openWindow();
  component<QAction>(f, "EditaScacchiera1")->trigger();
  EXPECT_TRUE(f.editing());
  EXPECT_EQ(component<QStackedWidget>(f, "Notebook2")->currentWidget()->objectName(), QString("editmode"));
  EXPECT_EQ(component<QLabel>(f, "Panel11")->text(), t("P_RIGHTCLICK"));
  EXPECT_EQ(component<QMenu>(f, "PopupMenu1")->actions().size(), 16);
  QTest::mouseClick(component<QPushButton>(f, "Button1"), Qt::LeftButton);
  EXPECT_FALSE(f.editing());
  EXPECT_EQ(component<QStackedWidget>(f, "Notebook2")->currentWidget()->objectName(), QString("Default"));
  EXPECT_TRUE(component<QLabel>(f, "Panel11")->text().isEmpty());
}

TEST_F(WindowTest, PerftFillsItsPage) {
  TZefiran_3D& f = openWindow();
  component<QAction>(f, "N31")->trigger();
  EXPECT_EQ(component<QStackedWidget>(f, "Notebook2")->currentWidget()->objectName(), QString("perft"));
  ASSERT_EQ(component<QListWidget>(f, "perftresult")->count(), 3);
  EXPECT_TRUE(component<QListWidget>(f, "perftresult")->item(0)->text().startsWith("perft 1 = 20 in "));
  EXPECT_TRUE(component<QListWidget>(f, "perftresult")->item(1)->text().startsWith("perft 2 = 400 in "));
  EXPECT_TRUE(component<QListWidget>(f, "perftresult")->item(2)->text().startsWith("perft 3 = 8902 in "));
  EXPECT_EQ(partita.inricerca, 0);
  component<QAction>(f, "perft11")->trigger();
  EXPECT_EQ(component<QListWidget>(f, "perftresult")->count(), 1) << "the list is cleared first";
}

TEST_F(WindowTest, ALongPerftShowsEachDepthAndStopsOnItsButton) {
  TZefiran_3D& f = openWindow();
  component<QTimer>(f, "Timer1")->stop();
  auto* lista = component<QListWidget>(f, "perftresult");
  auto* stop = component<QPushButton>(f, "perftStop");
  EXPECT_FALSE(stop->isEnabled());
  // While depth 7 counts (minutes), the window answers: the lines of the
  // depths done are there, and Stop ends the count.
  int righe = -1;
  QTimer::singleShot(300, [&] {
    righe = lista->count();
    EXPECT_TRUE(stop->isEnabled());
    QTest::mouseClick(stop, Qt::LeftButton);
  });
  QElapsedTimer orologio;
  orologio.start();
  component<QAction>(f, "perft71")->trigger();
  EXPECT_LT(orologio.elapsed(), 20000);
  EXPECT_GE(righe, 3) << "the short depths were shown as they were done";
  EXPECT_LT(lista->count(), 7);
  EXPECT_TRUE(lista->item(0)->text().startsWith("perft 1 = 20 in "));
  EXPECT_FALSE(stop->isEnabled());
  EXPECT_EQ(partita.inricerca, 0);
  EXPECT_TRUE(component<QLabel>(f, "Panel11")->text().contains(t("P_BREAKUSER")));
}

TEST_F(WindowTest, HeldKeysOnTheFocusSinkTurnTheCamera) {
  TZefiran_3D& f = openWindow();
  component<QTimer>(f, "Timer1")->stop();
  rotazione = 200;
  elevazione = 60;
  // Ticks 20 ms apart on a clock of the test's own.
  double momento = 0.5;
  setClockSource([&momento] { return momento; });
  const auto tick = [&] {
    momento += 20.0 / 86400000.0;
    f.Timer1Timer();
  };
  component<QLineEdit>(f, "Edit1")->setFocus();
  QTest::keyPress(component<QLineEdit>(f, "Edit1"), Qt::Key_Left);
  EXPECT_EQ(tastipremuti[37], 1);
  for (int i = 0; i < 50; ++i) tick();
  EXPECT_NEAR(rotazione, 290.0f, 0.01f) << "a second held turns a quarter";
  QTest::keyPress(component<QLineEdit>(f, "Edit1"), Qt::Key_Right);
  const float r = rotazione;
  tick();
  EXPECT_FLOAT_EQ(rotazione, r) << "left and right together cancel";
  QTest::keyRelease(component<QLineEdit>(f, "Edit1"), Qt::Key_Left);
  QTest::keyRelease(component<QLineEdit>(f, "Edit1"), Qt::Key_Right);
  EXPECT_EQ(tastipremuti[37], 0);
  EXPECT_EQ(tastipremuti[39], 0);
  QTest::keyPress(component<QLineEdit>(f, "Edit1"), Qt::Key_A);
  const float d = distanza;
  tick();
  EXPECT_NEAR(distanza, d + 0.1f, 1e-5);
  QTest::keyRelease(component<QLineEdit>(f, "Edit1"), Qt::Key_A);
  tick();
  EXPECT_TRUE(component<QLineEdit>(f, "Edit1")->text().isEmpty()) << "the sink keeps no text";
  // Keys pressed on the window itself count the same.
  QTest::keyPress(&f, Qt::Key_Up);
  EXPECT_EQ(tastipremuti[38], 1);
  QTest::keyRelease(&f, Qt::Key_Up);
  EXPECT_EQ(tastipremuti[38], 0);
  setClockSource(nullptr);
}

TEST_F(WindowTest, ClosingStopsASearchAndDestroyingWritesTheLog) {
  TZefiran_3D& f = openWindow();
  listaverifica = {"first line", "second line"};
  searchDeadline = 100000;
  EXPECT_TRUE(f.close());
  EXPECT_EQ(searchDeadline, 1);
  w.reset();
  EXPECT_EQ(folder.read("verifica.txt"), "first line\r\nsecond line\r\n");
  listaverifica.clear();
}

}  // namespace
