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

using zeftest::Finestra;

QString t(const char* chiave) { return QString::fromUtf8(testo(chiave)); }

// Every menu item with its language key.
std::vector<std::pair<QAction*, const char*>> vocimenu(TZefiran_3D& f) {
  return {{f.Nuovapartita1, "M_NEWGAME"},
          {f.Apripartitapgn1, "M_OPENGAME"},
          {f.Salvapartitapdn1, "M_SAVEGAME"},
          {f.configurazione1, "M_CONFIG"},
          {f.Controllotempo1, "M_TIME"},
          {f.Gestionebook1, "M_MANAGEBOOK"},
          {f.Visualizzapropostebook1, "M_HINTBOOK"},
          {f.ripetimossa1, "M_BACK"},
          {f.muovisubito1, "M_MOVENOW"},
          {f.EditaScacchiera1, "M_EDITBOARD"},
          {f.editaposizioneFEN1, "M_EDITFEN"},
          {f.caricaposizionefen1, "M_LOADFEN"},
          {f.Salvaposizionefen1, "M_SAVEFEN"},
          {f.Esci1, "M_EXIT"},
          {f.Visualizza1->menuAction(), "M_VIEWL"},
          {f.scacchiera2D1, "M_BOARD2D"},
          {f.scacchiera3D1, "M_BOARD3D"},
          {f.Nascondilineeelaborate1, "M_HIDELINE"},
          {f.Schermopieno1, "M_FULLSCREEN"},
          {f.GiocatoreBianco1->menuAction(), "M_WHITE"},
          {f.Ruota1801, "M_ROTATE"},
          {f.Umano1, "M_HUMAN"},
          {f.Umano2, "M_HUMAN"},
          {f.Nero1->menuAction(), "M_BLACK"},
          {f.Tests1->menuAction(), "M_TEST"},
          {f.Info1, "M_INFO"},
          {f.Svuotascacchiera1, "M_CLEARBOARD"},
          {f.Svuotacsella1, "M_CLEARSQUARE"},
          {f.ReBianco1, "M_WHITEKING"},
          {f.DonnaBianca1, "M_WHITEQUEEN"},
          {f.orrebianca1, "M_WHITEROOK"},
          {f.alfierebianco1, "M_WHITEBISHOP"},
          {f.CavalloBianco1, "M_WHITEKNIGHT"},
          {f.PedoneBianco1, "M_WHITEPAWN"},
          {f.Renero1, "M_BLACKKING"},
          {f.DonnaNera1, "M_BLACKQUEEN"},
          {f.orreNera1, "M_BLACKROOK"},
          {f.AlfierNeo1, "M_BLACKBISHOP"},
          {f.CavaloNero1, "M_BLACKKNIGHT"},
          {f.PedoneNero1, "M_BLACKPAWN"}};
}

TEST_F(Finestra, MenusCarryTheCaptionsOfEachLanguage) {
  TZefiran_3D& f = apri();
  for (const char* lingua : {"english.dat", "italiano.dat"}) {
    SCOPED_TRACE(lingua);
    std::string errore;
    ASSERT_TRUE(caricalingua(lingua, errore)) << errore;
    f.settalingua();
    for (auto [azione, chiave] : vocimenu(f)) {
      ASSERT_FALSE(t(chiave).isEmpty()) << chiave;
      EXPECT_EQ(azione->text(), t(chiave)) << chiave;
    }
    // The menu bar shows exactly the six top-level entries.
    const QList<QAction*> barra = f.MainMenu1->actions();
    ASSERT_EQ(barra.size(), 6);
    EXPECT_EQ(barra[0]->text(), QString("Zefiran3D"));
    EXPECT_EQ(barra[5], f.Info1);
    EXPECT_EQ(f.Dralen1->text(), QString("Zefiran3D"));
    EXPECT_EQ(f.Dralen2->text(), QString("Zefiran3D"));
    EXPECT_EQ(f.Button1->text(), t("P_RETURNGAME"));
    EXPECT_EQ(f.BitBtn2->text(), t("P_BREAK"));
    EXPECT_EQ(f.etichettaesaminate->text(), t("P_TESTED"));
    EXPECT_EQ(f.etichettainfopartita->text(), t("P_INFOGAME"));
  }
  // The two languages really differ where it is checked.
  std::string errore;
  ASSERT_TRUE(caricalingua("english.dat", errore));
  f.settalingua();
  const QString inglese = f.Nuovapartita1->text();
  ASSERT_TRUE(caricalingua("italiano.dat", errore));
  f.settalingua();
  EXPECT_NE(f.Nuovapartita1->text(), inglese);
  EXPECT_EQ(f.Ruota1801->text(), QString::fromUtf8(testo("M_ROTATE")));
}

TEST_F(Finestra, StartsAsTheDesignedWindow) {
  TZefiran_3D& f = apri();
  EXPECT_EQ(f.windowTitle(), QString("Zefiran_3D 0.92 "));
  EXPECT_EQ(f.minimumSize(), QSize(640, 480));
  EXPECT_TRUE(f.Umano1->isChecked());
  EXPECT_FALSE(f.Dralen1->isChecked());
  EXPECT_FALSE(f.Umano2->isChecked());
  EXPECT_TRUE(f.Dralen2->isChecked());
  EXPECT_TRUE(f.scacchiera3D1->isChecked());
  EXPECT_FALSE(f.scacchiera2D1->isChecked());
  EXPECT_EQ(vista, VISTA_3D);
  for (QAction* a : {f.testa640x4801, f.testa800x6001, f.testa1024x7681, f.testa1024x8001})
    EXPECT_FALSE(a->isVisible());
  EXPECT_FALSE(f.Salvaposizionefen1->isEnabled());
  EXPECT_EQ(f.Notebook2->currentWidget()->objectName(), QString("Default"));
  EXPECT_FALSE(f.Notebook1->isVisible());
  EXPECT_EQ(f.Label2->text().toStdString(), partita.whiteplayer.str());
  EXPECT_EQ(f.Label1->text(), QString("Zefiran_3D 0.92"));
  EXPECT_EQ(f.Label4->text(), QString("05.00"));
  EXPECT_EQ(f.Label3->text(), QString("05.00"));
  EXPECT_EQ(f.Panel1->objectName(), QString("Panel1"));
  for (const char* nome :
       {"Panel2",      "Panel3",    "Panel4",    "Panel5",    "Panel6",     "Panel7", "Panel8", "Panel9",
        "Panel11",     "PaintBox1", "PaintBox2", "PaintBox3", "ScrollBar1", "Memo1",  "Memo2",  "Edit1",
        "perftresult", "Notebook1", "Notebook2", "Label1",    "Label2",     "Label3", "Label4"})
    EXPECT_NE(f.findChild<QWidget*>(nome), nullptr) << nome;
  for (const char* pagina : {"Default", "perft", "load", "epd", "editmode", "book"})
    EXPECT_NE(f.Notebook2->findChild<QWidget*>(pagina), nullptr) << pagina;
  for (const char* pagina : {"listapartite", "opengl", "epd", "book"})
    EXPECT_NE(f.Notebook1->findChild<QWidget*>(pagina), nullptr) << pagina;
  EXPECT_TRUE(f.Panel11->text().isEmpty());
}

TEST_F(Finestra, StatusStripShowsEachStartupProblemAndAMissingSkin) {
  segnalaproblema("settings: unreadable");
  segnalaproblema("language: missing");
  nomeskin = "missing.usk";
  TZefiran_3D& f = apri();
  const QStringList righe = f.Panel11->text().split('\n');
  ASSERT_EQ(righe.size(), 3) << f.Panel11->text().toStdString();
  EXPECT_EQ(righe[0], QString("settings: unreadable"));
  EXPECT_EQ(righe[1], QString("language: missing"));
  EXPECT_TRUE(righe[2].contains("missing.usk")) << righe[2].toStdString();
  // The program goes on: the tick still runs.
  const int32_t prima = contatoretick;
  QTest::qWait(100);
  EXPECT_GT(contatoretick, prima);
}

TEST_F(Finestra, LeftColumnStaysWithinAThirdAndThreeHundredPixels) {
  TZefiran_3D& f = apri(1280, 1000);
  for (QSize s : {QSize(640, 480), QSize(800, 600), QSize(1200, 800), QSize(1280, 1000), QSize(700, 1000),
                  QSize(1280, 480), QSize(900, 560)}) {
    f.resize(s);
    QTest::qWait(40);
    f.drawlog(1);
    QTest::qWait(20);
    const int W = f.width();
    SCOPED_TRACE(std::to_string(W) + "x" + std::to_string(f.height()));
    EXPECT_LE(f.Panel2->width(), 300);
    EXPECT_LE(f.Panel2->width(), W / 3);
    EXPECT_GE(f.Panel2->width(), 190);
  }
  // A wide window with a low board takes the whole 300 pixels.
  f.resize(1280, 1000);
  QTest::qWait(40);
  f.drawlog(1);
  QTest::qWait(20);
  EXPECT_EQ(f.Panel2->width(), 300);
}

TEST_F(Finestra, FenStripShowsASetUpPositionOnly) {
  TZefiran_3D& f = apri();
  f.drawlog(1);
  EXPECT_TRUE(f.Panel8->isHidden());
  const std::string fen = "4k3/8/8/8/8/8/8/4K2R w K - 0 1";
  impostafen(fen, true);
  f.drawlog(1);
  EXPECT_FALSE(f.Panel8->isHidden());
  EXPECT_EQ(f.Panel8->text().toStdString(), "Fen: " + partita.startfen.str());
  EXPECT_EQ(f.Panel8->toolTip(), f.Panel8->text());
}

TEST_F(Finestra, NewGameResetsTheBoardTheMemosAndTheLabels) {
  TZefiran_3D& f = apri();
  f.Memo1->appendPlainText("old line");
  f.Memo2->appendPlainText("old line");
  impostafen("4k3/8/8/8/8/8/8/4K2R w K - 0 1", true);
  partita.tempoBianco = 1;
  f.paginanotebook2("perft");
  f.Nuovapartita1->trigger();
  EXPECT_TRUE(f.Memo1->toPlainText().isEmpty());
  EXPECT_TRUE(f.Memo2->toPlainText().isEmpty());
  EXPECT_EQ(f.Notebook2->currentWidget()->objectName(), QString("Default"));
  EXPECT_EQ(posizioni[0].board[4], KING);
  EXPECT_EQ(posizioni[0].board[3], QUEEN);
  EXPECT_EQ(f.Label4->text(), QString("05.00"));
  EXPECT_EQ(f.Label1->text(), QString("Zefiran_3D 0.92"));
  EXPECT_EQ(partita.motorenero, 1);
  EXPECT_EQ(partita.orologiofermo, 1);
}

TEST_F(Finestra, CommandsThatDisturbASearchAreRefusedWhileItRuns) {
  TZefiran_3D& f = apri();
  impostafen("4k3/8/8/8/8/8/8/4K2R w K - 0 1", true);
  f.Timer1->stop();
  partita.inricerca = 1;
  f.Nuovapartita1->trigger();
  EXPECT_EQ(posizioni[0].board[7], ROOK) << "new game during a search";
  f.Dralen1->trigger();
  EXPECT_EQ(partita.motorebianco, 0);
  EXPECT_FALSE(f.Dralen1->isChecked());
  EXPECT_TRUE(f.Umano1->isChecked());
  f.Umano2->trigger();
  EXPECT_FALSE(f.Umano2->isChecked());
  f.scacchiera2D1->trigger();
  EXPECT_EQ(vista, VISTA_3D);
  EXPECT_FALSE(f.scacchiera2D1->isChecked());
  f.perft[1]->trigger();
  EXPECT_EQ(f.perftresult->count(), 0);
  f.configurazione1->trigger();  // would open a modal dialog
  partita.inricerca = 0;
  // "muovi subito" works at any time.
  searchDeadline = 5000;
  f.muovisubito1->trigger();
  EXPECT_EQ(searchDeadline, 1);
}

TEST_F(Finestra, PlayerMenusAssignTheSidesAndSwitchToWindowMode) {
  TZefiran_3D& f = apri();
  f.Timer1->stop();
  listaini = {"giocatore=Anna Rossi"};
  modointerfaccia = 0;
  f.Dralen1->trigger();
  EXPECT_EQ(modointerfaccia, 1);
  EXPECT_EQ(partita.motorebianco, 1);
  EXPECT_EQ(partita.orologiofermo, 0) << "White is to move";
  EXPECT_TRUE(f.Dralen1->isChecked());
  EXPECT_FALSE(f.Umano1->isChecked());
  EXPECT_EQ(f.Label2->text(), QString("Zefiran_3D 0.92"));
  f.Dralen1->trigger();  // picking it again keeps it picked
  EXPECT_TRUE(f.Dralen1->isChecked());
  f.Umano1->trigger();
  EXPECT_EQ(partita.motorebianco, 0);
  EXPECT_EQ(f.Label2->text(), QString("Anna Rossi"));
  EXPECT_TRUE(f.Umano1->isChecked());
  EXPECT_FALSE(f.Dralen1->isChecked());
  partita.orologiofermo = 1;
  f.Umano2->trigger();
  EXPECT_EQ(partita.motorenero, 0);
  EXPECT_EQ(f.Label1->text(), QString("Anna Rossi"));
  f.Dralen2->trigger();
  EXPECT_EQ(partita.motorenero, 1);
  EXPECT_EQ(partita.orologiofermo, 1) << "Black is not to move";
}

TEST_F(Finestra, ViewCommands) {
  TZefiran_3D& f = apri();
  f.scacchiera2D1->trigger();
  EXPECT_EQ(vista, VISTA_PIATTA);
  EXPECT_TRUE(f.scacchiera2D1->isChecked());
  EXPECT_FALSE(f.scacchiera3D1->isChecked());
  EXPECT_FLOAT_EQ(elevazione, 90.0f);
  f.scacchiera3D1->trigger();
  EXPECT_EQ(vista, VISTA_3D);
  EXPECT_TRUE(f.scacchiera3D1->isChecked());
  EXPECT_FALSE(f.scacchiera2D1->isChecked());
  EXPECT_FLOAT_EQ(elevazione, 60.0f);

  rotazione = 270;
  f.Ruota1801->trigger();
  EXPECT_FLOAT_EQ(rotazione, 90.0f);
  f.Ruota1801->trigger();
  EXPECT_FLOAT_EQ(rotazione, 270.0f);

  f.Nascondilineeelaborate1->trigger();
  EXPECT_TRUE(f.Nascondilineeelaborate1->isChecked());
  EXPECT_TRUE(f.Memo1->isHidden());
  EXPECT_TRUE(f.Memo2->isHidden());
  f.Nascondilineeelaborate1->trigger();
  EXPECT_FALSE(f.Memo1->isHidden());
  EXPECT_FALSE(f.Memo2->isHidden());

  f.Schermopieno1->trigger();
  EXPECT_TRUE(f.Schermopieno1->isChecked());
  EXPECT_TRUE(f.Panel2->isHidden());
  EXPECT_TRUE(f.Panel4->isHidden());
  EXPECT_TRUE(f.Panel5->isHidden());
  f.Schermopieno1->trigger();
  EXPECT_FALSE(f.Schermopieno1->isChecked());
  EXPECT_FALSE(f.Panel2->isHidden());
  EXPECT_FALSE(f.Panel4->isHidden());
}

TEST_F(Finestra, EditModeChangesOnlyItsPageTheStripAndThePopup) {
  TZefiran_3D& f = apri();
  f.EditaScacchiera1->trigger();
  EXPECT_TRUE(f.modoedita());
  EXPECT_EQ(f.Notebook2->currentWidget()->objectName(), QString("editmode"));
  EXPECT_EQ(f.Panel11->text(), t("P_RIGHTCLICK"));
  EXPECT_EQ(f.PopupMenu1->actions().size(), 16);
  QTest::mouseClick(f.Button1, Qt::LeftButton);
  EXPECT_FALSE(f.modoedita());
  EXPECT_EQ(f.Notebook2->currentWidget()->objectName(), QString("Default"));
  EXPECT_TRUE(f.Panel11->text().isEmpty());
}

TEST_F(Finestra, PerftFillsItsPage) {
  TZefiran_3D& f = apri();
  f.perft[2]->trigger();
  EXPECT_EQ(f.Notebook2->currentWidget()->objectName(), QString("perft"));
  ASSERT_EQ(f.perftresult->count(), 3);
  EXPECT_TRUE(f.perftresult->item(0)->text().startsWith("perft 1 = 20 in "));
  EXPECT_TRUE(f.perftresult->item(1)->text().startsWith("perft 2 = 400 in "));
  EXPECT_TRUE(f.perftresult->item(2)->text().startsWith("perft 3 = 8902 in "));
  EXPECT_EQ(partita.inricerca, 0);
  f.perft[0]->trigger();
  EXPECT_EQ(f.perftresult->count(), 1) << "the list is cleared first";
}

TEST_F(Finestra, HeldKeysOnTheFocusSinkTurnTheCamera) {
  TZefiran_3D& f = apri();
  f.Timer1->stop();
  rotazione = 200;
  elevazione = 60;
  // Ticks 20 ms apart on a clock of the test's own.
  double momento = 0.5;
  setClockSource([&momento] { return momento; });
  const auto tick = [&] {
    momento += 20.0 / 86400000.0;
    f.Timer1Timer();
  };
  f.Edit1->setFocus();
  QTest::keyPress(f.Edit1, Qt::Key_Left);
  EXPECT_EQ(tastipremuti[37], 1);
  for (int i = 0; i < 50; ++i) tick();
  EXPECT_NEAR(rotazione, 290.0f, 0.01f) << "a second held turns a quarter";
  QTest::keyPress(f.Edit1, Qt::Key_Right);
  const float r = rotazione;
  tick();
  EXPECT_FLOAT_EQ(rotazione, r) << "left and right together cancel";
  QTest::keyRelease(f.Edit1, Qt::Key_Left);
  QTest::keyRelease(f.Edit1, Qt::Key_Right);
  EXPECT_EQ(tastipremuti[37], 0);
  EXPECT_EQ(tastipremuti[39], 0);
  QTest::keyPress(f.Edit1, Qt::Key_A);
  const float d = distanza;
  tick();
  EXPECT_NEAR(distanza, d + 0.1f, 1e-5);
  QTest::keyRelease(f.Edit1, Qt::Key_A);
  tick();
  EXPECT_TRUE(f.Edit1->text().isEmpty()) << "the sink keeps no text";
  // Keys pressed on the window itself count the same.
  QTest::keyPress(&f, Qt::Key_Up);
  EXPECT_EQ(tastipremuti[38], 1);
  QTest::keyRelease(&f, Qt::Key_Up);
  EXPECT_EQ(tastipremuti[38], 0);
  setClockSource(nullptr);
}

TEST_F(Finestra, ClosingStopsASearchAndDestroyingWritesTheLog) {
  TZefiran_3D& f = apri();
  listaverifica = {"first line", "second line"};
  searchDeadline = 100000;
  EXPECT_TRUE(f.close());
  EXPECT_EQ(searchDeadline, 1);
  w.reset();
  EXPECT_EQ(folder.read("verifica.txt"), "first line\r\nsecond line\r\n");
  listaverifica.clear();
}

}  // namespace
