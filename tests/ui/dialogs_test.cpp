#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QWindow>

#include "engine/position/game.h"
#include "engine/search/cache.h"
#include "graphics/core/skinfile.h"
#include "graphics/gl/boardview.h"
#include "ui/Uniteditfen.h"
#include "ui/Unitinfo.h"
#include "ui/Unitpromozione.h"
#include "ui/resultunit.h"
#include "ui/unitconfig.h"
#include "ui/unitsettatempo.h"
#include "uifixture.h"

namespace {

using zeftest::component;
using zeftest::ModalCloser;
using zeftest::t;
using zeftest::WindowTest;

class Dialoghi : public WindowTest {
 protected:
  // The dialog opened as the menu opens it, but without its own event loop.
  template <class D>
  D& mostra(D& d) {
    d.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&d));
    return d;
  }
};

TEST_F(Dialoghi, TimeControlOpensOnTheWholeGamePageWithFiveMinutes) {
  Tsettatempo d;
  mostra(d);
  EXPECT_EQ(d.pagina(), QString("XMIN"));
  EXPECT_TRUE(d.SpeedButton2->isChecked());
  EXPECT_EQ(d.xmin.ore->text(), QString("0"));
  EXPECT_EQ(d.xmin.minuti->text(), QString("5"));
  EXPECT_EQ(d.xmin.secondi->text(), QString("0"));
  EXPECT_EQ(d.windowTitle(), t("P_TIMECONTROL"));
  EXPECT_EQ(d.SpeedButton1->text(), t("P_TIMEXY"));
  EXPECT_EQ(d.SpeedButton4->text(), t("P_TIMEXYQ"));
  d.SpeedButton1Click();
  EXPECT_EQ(d.pagina(), QString("XMINXMOV"));
  EXPECT_EQ(d.mossexmov->text(), QString("40"));
  d.SpeedButton3Click();
  EXPECT_EQ(d.pagina(), QString("XMINFISCH"));
  EXPECT_EQ(d.xminfischbonus.secondi->text(), QString("1"));
  d.SpeedButton4Click();
  EXPECT_EQ(d.pagina(), QString("XMINQPF"));
  EXPECT_EQ(d.mosseqpf->text(), QString("40"));
}

TEST_F(Dialoghi, TimeControlRefusesAnOutOfRangeFieldWithABeep) {
  Tsettatempo d;
  mostra(d);
  partita.tempoBase = 300000;
  partita.tempoBianco = 123;
  EXPECT_FALSE(d.motivo->isVisible()) << "nothing to say before OK";
  d.xmin.minuti->setText("60");
  d.BitBtn1Click();
  EXPECT_EQ(toolkit.beeps, 1);
  EXPECT_EQ(d.focusWidget(), d.xmin.minuti);
  EXPECT_TRUE(d.motivo->isVisible());
  EXPECT_EQ(d.motivo->text(), t("P_BADMINUTES"));
  EXPECT_TRUE(d.isVisible()) << "the dialog stays open";
  EXPECT_EQ(partita.tempoBase, 300000) << "nothing is stored";
  EXPECT_EQ(partita.tempoBianco, 123);

  // The first failing field wins: hours before minutes.
  d.xmin.ore->setText("24");
  d.BitBtn1Click();
  EXPECT_EQ(toolkit.beeps, 2);
  EXPECT_EQ(d.focusWidget(), d.xmin.ore);
  EXPECT_EQ(d.motivo->text(), t("P_BADHOURS"));
  d.xmin.ore->setText("0");
  d.xmin.minuti->setText("59");
  d.xmin.secondi->setText("60");
  d.BitBtn1Click();
  EXPECT_EQ(toolkit.beeps, 3);
  EXPECT_EQ(d.focusWidget(), d.xmin.secondi);
  d.xmin.secondi->setText("x");
  d.BitBtn1Click();
  EXPECT_EQ(toolkit.beeps, 4) << "a field that is no number";
  EXPECT_TRUE(d.isVisible());
  EXPECT_EQ(d.motivo->text(), t("P_BADSECONDS"));

  d.xmin.secondi->setText("30");
  d.BitBtn1Click();
  EXPECT_EQ(toolkit.beeps, 4);
  EXPECT_FALSE(d.isVisible());
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(partita.tempoBase, 59 * 60000 + 30000);
  EXPECT_EQ(partita.tempoBianco, partita.tempoBase);
  EXPECT_EQ(partita.tempoNero, partita.tempoBase);
  EXPECT_EQ(partita.modoTempo, 2);
  mostra(d);
  EXPECT_FALSE(d.motivo->isVisible()) << "a new opening starts without the old reason";
}

TEST_F(Dialoghi, TimeControlStoresEachKind) {
  Tsettatempo d;
  mostra(d);
  d.SpeedButton1Click();
  d.xminxmov.ore->setText("1");
  d.xminxmov.minuti->setText("0");
  d.mossexmov->setText("30");
  d.BitBtn1Click();
  EXPECT_EQ(partita.modoTempo, 1);
  EXPECT_EQ(partita.tempoBase, 3600000);
  EXPECT_EQ(partita.mossePerControllo, 30);
  EXPECT_EQ(partita.tempoNero, 3600000);

  mostra(d);
  d.SpeedButton3Click();
  d.xminfisch.minuti->setText("3");
  d.xminfischbonus.secondi->setText("2");
  d.BitBtn1Click();
  EXPECT_EQ(partita.modoTempo, 3);
  EXPECT_EQ(partita.tempoBase, 180000);
  EXPECT_EQ(partita.incremento, 2000);
  EXPECT_EQ(partita.mossePerControllo, 0);
  EXPECT_EQ(partita.tempoBianco, 180000);

  mostra(d);
  d.SpeedButton4Click();
  d.xminqpf.minuti->setText("10");
  d.mosseqpf->setText("20");
  d.xminqpffinale.minuti->setText("2");
  d.BitBtn1Click();
  EXPECT_EQ(partita.modoTempo, 4);
  EXPECT_EQ(partita.tempoBase, 600000);
  EXPECT_EQ(partita.tempoFinale, 120000);
  EXPECT_EQ(partita.mossePerControllo, 20);

  mostra(d);
  d.SpeedButton1Click();
  d.mossexmov->setText("0");
  d.BitBtn1Click();
  EXPECT_EQ(d.focusWidget(), d.mossexmov) << "a period of no moves";
  EXPECT_TRUE(d.isVisible());
  EXPECT_EQ(d.motivo->text(), t("P_BADMOVES"));
  d.SpeedButton2Click();
  EXPECT_FALSE(d.motivo->isVisible()) << "the reason was about the other page's field";
}

TEST_F(Dialoghi, TimeControlGivesItsReasonInTheUsersLanguage) {
  std::string errore;
  ASSERT_TRUE(caricalingua("italiano.dat", errore)) << errore;
  Tsettatempo d;
  mostra(d);
  EXPECT_EQ(d.BitBtn2->text(), QString("Annulla"));
  d.xmin.ore->setText("-1");
  d.BitBtn1Click();
  EXPECT_EQ(d.motivo->text(), QString::fromUtf8("Le ore devono essere un numero intero da 0 a 23"));
  EXPECT_EQ(toolkit.beeps, 1) << "the beep stays";
}

TEST_F(Dialoghi, TheMenuResetsTheClockLabelsAfterTheTimeControl) {
  TZefiran_3D& f = openWindow();
  ModalCloser chiudi;
  chiudi.beforeClosing = [&](QDialog* d) {
    if (d != component<Tsettatempo>(f, "settatempo")) return;
    component<Tsettatempo>(f, "settatempo")->SpeedButton2Click();
    component<Tsettatempo>(f, "settatempo")->xmin.minuti->setText("7");
    component<Tsettatempo>(f, "settatempo")->xmin.secondi->setText("5");
    component<Tsettatempo>(f, "settatempo")->BitBtn1Click();
  };
  component<QAction>(f, "Controllotempo1")->trigger();
  EXPECT_EQ(component<QLabel>(f, "Label4")->text(), QString("07.05"));
  EXPECT_EQ(component<QLabel>(f, "Label3")->text(), QString("07.05"));
  ASSERT_EQ(chiudi.seen.size(), 1u);
}

TEST_F(Dialoghi, ConfigurationShowsTheSettingsFileAndItsEstimate) {
  folder.write("Zefiran3D.ini",
               "giocatore=Anna\r\nlocalita=Roma\r\nevento=Torneo\r\nHASH=2\r\nprofonditalibro=8\r\n"
               "abbandona=no\r\nskin=marble.usk\r\nlinguaggio=english.dat\r\n");
  std::string errore;
  ASSERT_EQ(caricaini(folder.file("Zefiran3D.ini"), errore), esitolettura::letto) << errore;
  ASSERT_TRUE(leggiini());
  Tconfigurazione d;
  mostra(d);
  EXPECT_EQ(d.windowTitle(), t("P_CONFIGURATION"));
  EXPECT_EQ(d.PageControl1->count(), 6);
  EXPECT_EQ(d.PageControl1->tabText(4), t("P_LANGUAGE"));
  EXPECT_EQ(d.PageControl1->tabText(5), t("P_LOOK"));
  EXPECT_EQ(d.Edit1->text(), QString("Anna"));
  EXPECT_EQ(d.Edit2->text(), QString("Roma"));
  EXPECT_EQ(d.Edit3->text(), QString("Torneo"));
  EXPECT_TRUE(d.livelli[1]->isChecked());
  EXPECT_FALSE(d.livelli[2]->isChecked());
  EXPECT_EQ(d.livello(), QString("2"));
  EXPECT_EQ(d.memoria->text(), QString("21548 kb."));
  EXPECT_EQ(d.SpinEdit1->value(), 8);
  EXPECT_TRUE(d.No1->isChecked());
  EXPECT_FALSE(d.Si1->isChecked());
  EXPECT_EQ(d.nomeskinattuale->text(), QString("marble.usk"));
  EXPECT_FALSE(d.Image1->pixmap().isNull()) << "the current skin is drawn";
  EXPECT_EQ(d.nomelinguaattuale->text(), QString("english.dat"));
  EXPECT_EQ(d.FileListBox1->count(), 2);
  EXPECT_EQ(d.FileListBox2->count(), 2);

  QTest::mouseClick(d.livelli[2], Qt::LeftButton);
  EXPECT_EQ(d.memoria->text(), QString("23596 kb."));
  QTest::mouseClick(d.livelli[8], Qt::LeftButton);
  EXPECT_EQ(d.memoria->text(), QString::number(256 * 1024 + 19500) + " kb.");
  EXPECT_EQ(Tconfigurazione::stimamemoria("1"), QString("20524 kb."));
}

TEST_F(Dialoghi, ConfigurationSavesAFileTheReaderReadsBack) {
  listaini.clear();
  inidefault();
  Tconfigurazione d;
  mostra(d);
  EXPECT_EQ(d.livello(), QString("3")) << "no file: the default level";
  d.Edit1->setText(QString::fromUtf8("Nicolò"));
  d.Edit2->setText("Torino");
  d.Edit3->setText("");
  QTest::mouseClick(d.livelli[4], Qt::LeftButton);
  d.SpinEdit1->setValue(12);
  QTest::mouseClick(d.Si1, Qt::LeftButton);
  d.FileListBox1->setCurrentItem(d.FileListBox1->findItems("marble.usk", Qt::MatchExactly)[0]);
  d.cambiaskin();
  EXPECT_EQ(nomeskin, "marble.usk");
  d.BitBtn1Click();
  EXPECT_EQ(d.result(), QDialog::Accepted);

  const std::string scritto = folder.read("Zefiran3D.ini");
  EXPECT_EQ(scritto,
            "FILE DI CONFIGURAZIONE DI ZEFIRAN 3D\r\nNON EDITARE DIRETTAMENTE QUESTO FILE MA\r\n"
            "UTILIZZARE IL MENU' FILE -> CONFIGURAZIONE\r\n\r\ngiocatore=Nicol\xc3\xb2\r\nlocalita=Torino\r\n"
            "hash=5\r\nprofonditalibro=12\r\nabbandona=si\r\nskin=marble.usk\r\nlinguaggio=english.dat\r\n");
  // What the program reads at its next start.
  listaini.clear();
  inidefault();
  std::string errore;
  ASSERT_EQ(caricaini(folder.file("Zefiran3D.ini"), errore), esitolettura::letto) << errore;
  ASSERT_TRUE(leggiini());
  EXPECT_EQ(hashEntries(), 1u << 20);
  EXPECT_EQ(profonditalibro, 24);
  EXPECT_TRUE(abbandonoconsentito);
  EXPECT_EQ(nomeskin, "marble.usk");
  EXPECT_EQ(valoreini("giocatore"), "Nicol\xc3\xb2");
  // Shown again, the dialog reads the same values back.
  Tconfigurazione d2;
  mostra(d2);
  EXPECT_TRUE(d2.Si1->isChecked());
  EXPECT_TRUE(d2.livelli[4]->isChecked());
  EXPECT_EQ(d2.Edit1->text(), QString::fromUtf8("Nicolò"));
  EXPECT_EQ(d2.SpinEdit1->value(), 12);
  inidefault();
}

TEST_F(Dialoghi, ChangingTheLanguageRelabelsTheDialogAtOnce) {
  Tconfigurazione d;
  mostra(d);
  const QString inglese = d.BitBtn1->text();
  EXPECT_EQ(inglese, t("P_SAVECONFIG"));
  const QList<QListWidgetItem*> trovati = d.FileListBox2->findItems("italiano.dat", Qt::MatchExactly);
  ASSERT_EQ(trovati.size(), 1);
  d.FileListBox2->setCurrentItem(trovati[0]);
  QTest::mouseClick(d.BitBtn4, Qt::LeftButton);
  EXPECT_EQ(nomelingua, "italiano.dat");
  EXPECT_EQ(d.nomelinguaattuale->text(), QString("italiano.dat"));
  EXPECT_NE(d.BitBtn1->text(), inglese);
  EXPECT_EQ(d.BitBtn1->text(), t("P_SAVECONFIG"));
  EXPECT_EQ(d.PageControl1->tabText(0), t("P_GAMEDATA"));

  // A file that is no language file changes nothing.
  folder.write("languages/rotto.dat", "nothing here\r\n");
  d.aggiornaelenchi();
  d.FileListBox2->setCurrentItem(d.FileListBox2->findItems("rotto.dat", Qt::MatchExactly)[0]);
  d.cambialingua();
  EXPECT_EQ(nomelingua, "italiano.dat");
  EXPECT_FALSE(d.errore->text().isEmpty());
  EXPECT_EQ(d.BitBtn1->text(), t("P_SAVECONFIG"));
  nomelingua = "english.dat";
}

TEST_F(Dialoghi, SavingTheConfigurationFromTheMenuRelabelsTheWindow) {
  TZefiran_3D& f = openWindow();
  ModalCloser chiudi;
  chiudi.beforeClosing = [&](QDialog* d) {
    if (d != component<Tconfigurazione>(f, "configurazione")) return;
    Tconfigurazione* c = component<Tconfigurazione>(f, "configurazione");
    c->FileListBox2->setCurrentItem(c->FileListBox2->findItems("italiano.dat", Qt::MatchExactly)[0]);
    c->cambialingua();
    c->BitBtn1Click();
  };
  const QString prima = component<QAction>(f, "Nuovapartita1")->text();
  component<QAction>(f, "configurazione1")->trigger();
  ASSERT_EQ(chiudi.seen.size(), 1u);
  EXPECT_NE(component<QAction>(f, "Nuovapartita1")->text(), prima);
  EXPECT_EQ(component<QAction>(f, "Nuovapartita1")->text(), t("M_NEWGAME"));
  EXPECT_NE(folder.read("Zefiran3D.ini").find("linguaggio=italiano.dat"), std::string::npos);
  nomelingua = "english.dat";
}

TEST_F(Dialoghi, SkinPreviewStartsSixHundredPixelsIn) {
  QString motivo;
  const QImage img = Tconfigurazione::anteprimaskin(QString::fromStdString(folder.file("skins/default.usk")), motivo);
  ASSERT_TRUE(motivo.isEmpty()) << motivo.toStdString();
  Skin s;
  std::string errore;
  ASSERT_TRUE(readSkin(folder.file("skins/default.usk"), s, errore));
  ASSERT_EQ(img.width(), s.width - 600);
  ASSERT_EQ(img.height(), s.height);
  // Picture pixel (x, y) is skin pixel (600 + x, bottom row up).
  for (auto [x, y] : {std::pair{0, 0}, std::pair{40, 5}, std::pair{150, s.height - 1}}) {
    const uint8_t* p = &s.rgb[(static_cast<size_t>(s.height - 1 - y) * s.width + 600 + x) * 3];
    EXPECT_EQ(QColor(img.pixel(x, y)), QColor(p[0], p[1], p[2])) << x << "," << y;
  }
  Tconfigurazione::anteprimaskin(QString::fromStdString(folder.file("skins/none.usk")), motivo);
  EXPECT_FALSE(motivo.isEmpty());
}

TEST_F(Dialoghi, GameOverNoticeGuardsAndRepaintsWhenMoved) {
  Tresultform d;
  int ridisegni = 0;
  d.impostaridisegno([&] { ++ridisegni; });
  d.move(100, 100);
  mostra(d);
  EXPECT_EQ(risultatovisibile, 1);
  EXPECT_EQ(d.windowTitle(), t("P_GAMEOVER"));
  EXPECT_TRUE(d.Timer1->isActive());
  QTest::qWait(150);
  EXPECT_EQ(ridisegni, 0) << "not moved";
  // Left times top is what is watched: 200 x 50 is still 100 x 100.
  d.move(200, 50);
  QTest::qWait(150);
  ASSERT_EQ(d.x() * d.y(), 10000) << "the display placed the notice elsewhere";
  EXPECT_EQ(ridisegni, 0);
  d.move(150, 100);
  ASSERT_TRUE(waitFor([&] { return ridisegni > 0; }, 2000));
  QTest::qWait(150);
  EXPECT_EQ(ridisegni, 1) << "one redraw per move of the notice";
  d.accept();
  EXPECT_EQ(risultatovisibile, 0);
  EXPECT_FALSE(d.Timer1->isActive());
  EXPECT_EQ(d.aperture(), 1);
}

TEST_F(Dialoghi, GameOverNoticeHasATitleAndACloseButtonOnly) {
  TZefiran_3D& f = openWindow();
  Tresultform* d = component<Tresultform>(f, "resultform");
  mostra(*d);
  ASSERT_NE(d->windowHandle(), nullptr);
  // What the widget asks for and what its window hands the window system.
  for (const Qt::WindowFlags bordi : {d->windowFlags(), d->windowHandle()->flags()}) {
    EXPECT_EQ(bordi & Qt::WindowType_Mask, Qt::Dialog);
    EXPECT_TRUE(bordi.testFlag(Qt::WindowTitleHint));
    EXPECT_TRUE(bordi.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(bordi.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(bordi.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(bordi.testFlag(Qt::WindowContextHelpButtonHint));
  }
  d->accept();
}

// A language whose every text is its key behind a "#": a caption still
// written in the code is a text without the mark.
TEST_F(Dialoghi, EveryTextOfTheDialogsComesFromTheLanguage) {
  std::string righe;
  for (std::string_view chiave : chiavilingua) righe += std::string(chiave) + "=#" + std::string(chiave) + "\r\n";
  folder.write("languages/chiavi.dat", righe);
  // Made in one language and shown in another, as after a change of
  // language in the settings.
  Tsettatempo tempo;
  Tconfigurazione configurazione;
  Tresultform fine;
  Teditfen fen;
  TInfo info;
  Tpromozione promozione;
  std::string errore;
  ASSERT_TRUE(caricalingua("chiavi.dat", errore)) << errore;
  nomelingua = "chiavi.dat";
  // The texts that are no words: the program's name, numbers with units,
  // file names.
  const QRegularExpression parole(QStringLiteral("^(Zefiran_3D 0\\.92.*|\\d+ (mb|kb\\.)|\\w+\\.(usk|dat))$"));
  for (QDialog* d : std::initializer_list<QDialog*>{&tempo, &configurazione, &fine, &fen, &info, &promozione}) {
    SCOPED_TRACE(d->objectName().toStdString());
    mostra(*d);
    // The refusals too: a bad field, a text that is no position, a file
    // that is no language.
    if (d == &tempo) {
      tempo.xmin.minuti->setText("x");
      tempo.BitBtn1Click();
    }
    if (d == &fen) {
      fen.Edit1->setText("8/8/8/8/8/8/8/8 w - - 0 1");
      fen.accept();
    }
    if (d == &configurazione) {
      folder.write("languages/rotto.dat", "nothing here\r\n");
      configurazione.aggiornaelenchi();
      configurazione.FileListBox2->setCurrentItem(
          configurazione.FileListBox2->findItems("rotto.dat", Qt::MatchExactly).at(0));
      configurazione.cambialingua();
    }
    QStringList testi{d->windowTitle()};
    for (QLabel* l : d->findChildren<QLabel*>()) testi << l->text();
    for (QAbstractButton* b : d->findChildren<QAbstractButton*>()) testi << b->text();
    for (QTabWidget* s : d->findChildren<QTabWidget*>())
      for (int i = 0; i < s->count(); ++i) testi << s->tabText(i);
    int marcati = 0;
    for (const QString& x : testi) {
      if (x.trimmed().isEmpty() || parole.match(x).hasMatch()) continue;
      EXPECT_TRUE(x.startsWith('#')) << x.toStdString();
      ++marcati;
    }
    EXPECT_GE(marcati, 2) << "at least the title and a button";
    d->reject();
  }
  EXPECT_EQ(tempo.motivo->text(), QString("#P_BADMINUTES"));
  EXPECT_EQ(fen.motivo->text(), QString("#E_FENREFUSED #E_KINGS"));
  EXPECT_TRUE(configurazione.errore->text().startsWith("#P_LANGUAGENOTUSED "))
      << configurazione.errore->text().toStdString();
  nomelingua = "english.dat";
}

// Before any language is applied the dialogs carry their designed captions.
TEST_F(Dialoghi, DialogsCarryTheirDesignedCaptionsUntilALanguageIsApplied) {
  listalingua.clear();
  EXPECT_EQ(Tresultform().windowTitle(), QString("partita finita"));
  EXPECT_EQ(Teditfen().windowTitle(), QString("Edita FEN"));
  EXPECT_EQ(TInfo().windowTitle(), QString("Info"));
  EXPECT_EQ(Tpromozione().windowTitle(), QString("proomosso a "));
  // Told the language, they take its texts at once, shown or not.
  std::string errore;
  ASSERT_TRUE(caricalingua("italiano.dat", errore)) << errore;
  Teditfen fen;
  fen.settalingua();
  EXPECT_EQ(fen.windowTitle(), t("P_FENTITLE"));
  EXPECT_EQ(fen.BitBtn2->text(), QString("Annulla"));
  Tresultform fine;
  fine.settalingua();
  EXPECT_EQ(fine.windowTitle(), t("P_GAMEOVER"));
}

}  // namespace
