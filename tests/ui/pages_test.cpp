// The window's file and book pages: opening game files through the file
// dialog, the game list, saving and loading a game back, FEN files and the
// book page.
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>

#include "graphics/gl/boardview.h"
#include "records/book.h"
#include "records/pgnfen.h"
#include "support/engine_fixture.h"
#include "uifixture.h"

namespace {

using zeftest::findMove;
using zeftest::Finestra;
using zeftest::q;
using zeftest::RispondiFile;
using zeftest::sq;
using zeftest::t;
using zeftest::trova;

const char* const TREPARTITE =
    "[Event \"T\"]\r\n[White \"Anna\"]\r\n[Black \"Bruno\"]\r\n[Result \"1-0\"]\r\n\r\n1. e4 e5 2. Nf3 Nc6 1-0\r\n\r\n"
    "[Event \"T\"]\r\n[White \"Carla\"]\r\n[Black \"Dario\"]\r\n[Result \"0-1\"]\r\n\r\n1. d4 d5 2. c4 e6 3. Nc3 "
    "0-1\r\n\r\n"
    "[White \"Elena\"]\r\n[Black \"Fabio\"]\r\n[Result \"1/2-1/2\"]\r\n\r\n1. c4 c5 1/2-1/2\r\n";

class Pagine : public Finestra {
 protected:
  void SetUp() override {
    Finestra::SetUp();
    librosalvato_ = listabook;
  }
  void TearDown() override {
    listabook = librosalvato_;
    Finestra::TearDown();
  }
  TZefiran_3D& apriferma() {
    TZefiran_3D& f = apri();
    trova<QTimer>(f, "Timer1")->stop();
    return f;
  }
  QString file(const std::string& nome, const std::string& testo) {
    folder.write(nome, testo);
    return q(folder.file(nome));
  }
  static QString pagina(QStackedWidget* n) { return n->currentWidget()->objectName(); }

 private:
  std::vector<std::string> librosalvato_;
};

TEST_F(Pagine, OneGameIsLoadedAtOnceWithItsFieldsOnTheSidePage) {
  TZefiran_3D& f = apriferma();
  const QString nome =
      file("una.pgn", "[White \"Anna\"]\r\n[Black \"Bruno\"]\r\n[Result \"1-0\"]\r\n\r\n1. e4 e5 2. Nf3 1-0\r\n");
  RispondiFile risposte({nome});
  trova<QAction>(f, "Apripartitapgn1")->trigger();
  ASSERT_EQ(risposte.filtri.size(), 1u);
  EXPECT_TRUE(risposte.filtri[0].contains("*.pgn")) << risposte.filtri[0].toStdString();
  EXPECT_EQ(risposte.cartelle[0] + "/", q(folder.dir()));
  EXPECT_EQ(partita.count, 3);
  EXPECT_EQ(posizioni[0].board[sq("f3")], KNIGHT);
  EXPECT_EQ(trova<QLabel>(f, "Label2")->text(), QString("Anna"));
  EXPECT_EQ(trova<QLabel>(f, "Label1")->text(), QString("Bruno"));
  EXPECT_EQ(trova<QLabel>(f, "Label4")->text(), QString("-.--.--"));
  EXPECT_EQ(trova<QLabel>(f, "Label3")->text(), QString("-.--.--"));
  EXPECT_EQ(pagina(trova<QStackedWidget>(f, "Notebook2")), QString("load"));
  ASSERT_EQ(trova<QListWidget>(f, "listacampipartita")->count(), 5);
  ASSERT_EQ(trova<QListWidget>(f, "listavaloripartita")->count(), 5);
  const char* chiavi[5] = {"P_WHITE", "P_BLACK", "P_RESULT", "P_PLY", "P_MOVESREAD"};
  const QString valori[5] = {"Anna", "Bruno", "1-0", "3", t("P_READTOEND")};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(trova<QListWidget>(f, "listacampipartita")->item(i)->text(), t(chiavi[i]) + " : ");
    EXPECT_EQ(trova<QListWidget>(f, "listavaloripartita")->item(i)->text(), QString(valori[i]));
  }
  EXPECT_TRUE(trova<QStackedWidget>(f, "Notebook1")->isHidden()) << "no list for a single game";

  // A game whose movetext stops early says so, in the list and once loaded.
  const QString rotta = file("rotta.pgn",
                             "[White \"A\"]\r\n[Black \"B\"]\r\n[Result \"1-0\"]\r\n\r\n1. e4 e5 2. Sf3 1-0\r\n\r\n"
                             "[White \"C\"]\r\n[Black \"D\"]\r\n[Result \"0-1\"]\r\n\r\n1. d4 0-1\r\n");
  ASSERT_TRUE(f.openPgn(rotta));
  ASSERT_EQ(trova<QListWidget>(f, "listapartite")->count(), 2);
  const QString prima = trova<QListWidget>(f, "listapartite")->item(0)->text();
  EXPECT_TRUE(prima.contains("(Sf3)")) << prima.toStdString();
  EXPECT_FALSE(trova<QListWidget>(f, "listapartite")->item(1)->text().contains("[")) << "the whole game has no note";
  EXPECT_EQ(partita.count, 3) << "the list leaves the game on the board as it was";
  trova<QListWidget>(f, "listapartite")->setCurrentRow(0);
  f.listapartiteDblClick();
  EXPECT_EQ(partita.count, 2);
  EXPECT_TRUE(trova<QListWidget>(f, "listavaloripartita")->item(4)->text().contains("(Sf3)"));
  EXPECT_TRUE(trova<QLabel>(f, "Panel11")->text().contains("(Sf3)"));
}

TEST_F(Pagine, SeveralGamesGoToTheListAndADoubleClickLoadsOne) {
  TZefiran_3D& f = apriferma();
  ASSERT_TRUE(f.openPgn(file("tre.pgn", TREPARTITE)));
  ASSERT_FALSE(trova<QStackedWidget>(f, "Notebook1")->isHidden());
  EXPECT_EQ(pagina(trova<QStackedWidget>(f, "Notebook1")), QString("listapartite"));
  EXPECT_EQ(trova<QLabel>(f, "statolistapartite")->text(), t("P_GAMESFILE") + " 3");
  ASSERT_EQ(trova<QListWidget>(f, "listapartite")->count(), 3);
  EXPECT_TRUE(trova<QListWidget>(f, "listapartite")->item(1)->text().contains("Carla-Dario : 0-1"));
  EXPECT_EQ(partita.count, 0) << "nothing is loaded yet";

  QTest::qWait(50);  // the list laid out on its page
  QListWidgetItem* voce = trova<QListWidget>(f, "listapartite")->item(1);
  const QPoint dove = trova<QListWidget>(f, "listapartite")->visualItemRect(voce).center();
  QTest::mouseClick(trova<QListWidget>(f, "listapartite")->viewport(), Qt::LeftButton, {}, dove);
  QTest::mouseDClick(trova<QListWidget>(f, "listapartite")->viewport(), Qt::LeftButton, {}, dove);
  EXPECT_TRUE(trova<QStackedWidget>(f, "Notebook1")->isHidden());
  EXPECT_EQ(partita.count, 5);
  EXPECT_EQ(partita.whiteplayer.str(), "Carla");
  EXPECT_EQ(trova<QLabel>(f, "Label2")->text(), QString("Carla"));
  EXPECT_EQ(pagina(trova<QStackedWidget>(f, "Notebook2")), QString("load"));

  // "Annulla" hides the list.
  ASSERT_TRUE(f.openPgn(q(folder.file("tre.pgn"))));
  ASSERT_FALSE(trova<QStackedWidget>(f, "Notebook1")->isHidden());
  QTest::mouseClick(trova<QPushButton>(f, "BitBtn1"), Qt::LeftButton);
  EXPECT_TRUE(trova<QStackedWidget>(f, "Notebook1")->isHidden());
  EXPECT_EQ(partita.whiteplayer.str(), "Carla");
}

TEST_F(Pagine, AFileWithoutGamesACancelledDialogAndAnUnreadableFileChangeNothing) {
  TZefiran_3D& f = apriferma();
  ASSERT_TRUE(giocamossa(findMove("e2e4")));
  RispondiFile risposte({file("vuoto.pgn", "no games here\r\n"), QString()});
  trova<QAction>(f, "Apripartitapgn1")->trigger();
  trova<QAction>(f, "Apripartitapgn1")->trigger();
  EXPECT_EQ(risposte.filtri.size(), 2u);
  EXPECT_EQ(partita.count, 1);
  EXPECT_TRUE(trova<QStackedWidget>(f, "Notebook1")->isHidden());
  EXPECT_EQ(pagina(trova<QStackedWidget>(f, "Notebook2")), QString("Default"));
  EXPECT_FALSE(f.openPgn(q(folder.file("missing.pgn"))));
  EXPECT_TRUE(trova<QLabel>(f, "Panel11")->text().contains("missing.pgn"))
      << trova<QLabel>(f, "Panel11")->text().toStdString();
  EXPECT_EQ(partita.count, 1);
}

// Both games of a round trip: from the start with castling, and from a set-up
// position with a promotion and castling.
struct Partita {
  const char* fen;
  std::vector<const char*> mosse;
};

TEST_F(Pagine, ASavedGameLoadsBackIdentical) {
  TZefiran_3D& f = apriferma();
  const Partita partite[] = {
      {nullptr, {"e2e4", "e7e5", "g1f3", "b8c6", "f1c4", "f8c5", "e1g1", "g8f6", "d2d3", "e8g8"}},
      {"4k3/1P6/8/8/8/8/8/4K2R w K - 0 1", {"b7b8q", "e8d7", "e1g1", "d7e6", "b8b3"}}};
  int n = 0;
  for (const Partita& p : partite) {
    SCOPED_TRACE(n);
    if (p.fen)
      impostafen(p.fen, true);
    else
      nuovapartita();
    partita.whiteplayer = "Anna Rossi";
    partita.blackplayer = "Bruno Verdi";
    partita.result = "1-0";
    for (const char* m : p.mosse) ASSERT_TRUE(giocamossa(findMove(m))) << m;
    const tpartita prima = partita;
    const uint32_t chiave = posizioni[0].hashcheck;
    const QString nome = q(folder.file("giro" + std::to_string(n++) + ".pgn"));
    RispondiFile risposte({nome});
    trova<QAction>(f, "Salvapartitapdn1")->trigger();
    ASSERT_EQ(risposte.filtri.size(), 1u) << "the save dialog opened";

    trova<QAction>(f, "Nuovapartita1")->trigger();
    ASSERT_EQ(partita.count, 0);
    ASSERT_TRUE(f.openPgn(nome));
    ASSERT_EQ(partita.count, prima.count);
    EXPECT_EQ(partita.startfen.str(), prima.startfen.str());
    for (int i = 0; i < prima.count; ++i) {
      EXPECT_EQ(partita.moves[i] & MV_MOVE, prima.moves[i] & MV_MOVE) << i;
      EXPECT_EQ(partita.movetext[i].str(), prima.movetext[i].str()) << i;
    }
    EXPECT_EQ(partita.whiteplayer.str(), "Anna Rossi");
    EXPECT_EQ(partita.blackplayer.str(), "Bruno Verdi");
    EXPECT_EQ(partita.result.str(), "1-0");
    EXPECT_EQ(posizioni[0].hashcheck, chiave) << "the same final position";
  }
  EXPECT_EQ(posizioni[0].board[sq("b3")], QUEEN);
  EXPECT_EQ(posizioni[0].board[sq("g1")], KING);
}

TEST_F(Pagine, AFailedSaveIsReportedInTheStatusStrip) {
  TZefiran_3D& f = apriferma();
  const std::string nome = folder.file("no/such/folder/game.pgn");
  EXPECT_FALSE(f.savePgnTo(q(nome)));
  EXPECT_TRUE(trova<QLabel>(f, "Panel11")->text().startsWith(t("P_NOTSAVED") + " "))
      << trova<QLabel>(f, "Panel11")->text().toStdString();
}

TEST_F(Pagine, FenFilesSetUpTheirLastPosition) {
  TZefiran_3D& f = apriferma();
  const QString nome = file("pos.fen", "8/8/8/8/8/8/8/8 w - - 0 1\r\n4k3/8/8/8/8/8/8/4K2R w K - 0 1\r\n\r\n  \r\n");
  RispondiFile risposte({nome});
  trova<QAction>(f, "caricaposizionefen1")->trigger();
  ASSERT_EQ(risposte.filtri.size(), 1u);
  EXPECT_TRUE(risposte.filtri[0].contains("*.fen"));
  EXPECT_EQ(risposte.cartelle[0] + "/", q(folder.dir()));
  EXPECT_EQ(posizioni[0].board[sq("h1")], ROOK);
  EXPECT_EQ(partita.startfen.str(), "4k3/8/8/8/8/8/8/4K2R w K - 0 1");
  EXPECT_FALSE(trova<QLabel>(f, "Panel8")->isHidden());
  // A last line that is no position changes nothing.
  const uint32_t chiave = posizioni[0].hashcheck;
  EXPECT_FALSE(f.loadFenFrom(file("bad.fen", "4k3/8/8/8/8/8/8/8 w - - 0 1\r\n")));
  EXPECT_EQ(posizioni[0].hashcheck, chiave);
  EXPECT_FALSE(trova<QLabel>(f, "Panel11")->text().isEmpty());
}

TEST_F(Pagine, TheBookPageAddsGamesAndKeepsTheOldBook) {
  TZefiran_3D& f = apriferma();
  listabook = {"<LdT6E,B"};
  const QString pgn = file("libro.pgn", TREPARTITE);
  trova<QAction>(f, "Gestionebook1")->trigger();
  ASSERT_FALSE(trova<QStackedWidget>(f, "Notebook1")->isHidden());
  EXPECT_EQ(pagina(trova<QStackedWidget>(f, "Notebook1")), QString("book"));
  EXPECT_TRUE(trova<QWidget>(f, "pannelloavanzamento")->isHidden());

  auto bottone = [&](const char* nome) { return trova<QStackedWidget>(f, "Notebook1")->findChild<QPushButton*>(nome); };
  {
    RispondiFile risposte({QString()});
    QTest::mouseClick(bottone("bookAggiungi"), Qt::LeftButton);
    EXPECT_EQ(risposte.filtri.size(), 1u);
    EXPECT_EQ(listabook.size(), 1u) << "a cancelled dialog adds nothing";
    EXPECT_TRUE(trova<QWidget>(f, "pannelloavanzamento")->isHidden());
  }
  {
    RispondiFile risposte({pgn});
    QTest::mouseClick(bottone("bookAggiungi"), Qt::LeftButton);
    EXPECT_TRUE(risposte.filtri.at(0).contains("*.pgn"));
  }
  EXPECT_EQ(listabook.size(), 4u);
  EXPECT_FALSE(trova<QWidget>(f, "pannelloavanzamento")->isHidden());
  EXPECT_EQ(trova<QProgressBar>(f, "barraavanzamento")->maximum(), 3);
  EXPECT_TRUE(trova<QLabel>(f, "etichettaavanzamento")->text().contains(t("P_GAMESOF")))
      << trova<QLabel>(f, "etichettaavanzamento")->text().toStdString();
  EXPECT_TRUE(folder.read("book.opn").find("<LdT6E,B") != std::string::npos);
  EXPECT_EQ(partita.inricerca, 0);
  EXPECT_FALSE(f.testRunning());

  // "Nuovo" keeps the book as it was in "book.old".
  const std::string vecchio = folder.read("book.opn");
  {
    RispondiFile risposte({pgn});
    QTest::mouseClick(bottone("bookNuovo"), Qt::LeftButton);
  }
  EXPECT_EQ(folder.read("book.old"), vecchio);
  QTest::mouseClick(bottone("bookEsci"), Qt::LeftButton);
  EXPECT_TRUE(trova<QStackedWidget>(f, "Notebook1")->isHidden());
}

TEST_F(Pagine, BookProposalsFillTheSidePage) {
  TZefiran_3D& f = apriferma();
  listabook = {"<LdT6E,B", "<LdT1B,X"};
  profonditalibro = 20;
  ASSERT_TRUE(giocamossa(findMove("e2e4")));
  ASSERT_TRUE(giocamossa(findMove("e7e5")));
  trova<QAction>(f, "Visualizzapropostebook1")->trigger();
  EXPECT_EQ(pagina(trova<QStackedWidget>(f, "Notebook2")), QString("book"));
  ASSERT_EQ(trova<QListWidget>(f, "listapropostebook")->count(), 3);
  EXPECT_TRUE(trova<QListWidget>(f, "listapropostebook")->item(0)->text().contains(t("P_BOOKSTAT")));
  EXPECT_TRUE(trova<QListWidget>(f, "listapropostebook")->item(1)->text().startsWith("Ng1-f3"));
  EXPECT_TRUE(trova<QListWidget>(f, "listapropostebook")->item(2)->text().startsWith("Nb1-c3"));
  profonditalibro = 0;
}

}  // namespace
