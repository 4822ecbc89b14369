#include "records/book.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "engine/position/fen.h"
#include "engine/position/game.h"
#include "engine/position/position.h"
#include "engine/toolkit.h"
#include "game/bookbuild.h"
#include "game/gamefiles.h"
#include "records/pgnfen.h"
#include "settings/language.h"
#include "settings/manageini.h"
#include "support/engine_fixture.h"
#include "support/tempfolder.h"
#include "text/namevalue.h"

using zeftest::sq;
using V = std::vector<std::string>;

namespace {

std::string pair(const char* from, const char* to) {
  return std::string{static_cast<char>(48 + sq(from)), static_cast<char>(48 + sq(to))};
}
uint32_t mv(const char* from, const char* to, uint32_t flags = 0) { return mvMake(sq(from), sq(to), flags); }

void playFromStart(const V& moves) {
  impostafen(STARTFEN, true);
  for (const std::string& m : moves) ASSERT_TRUE(giocamossa(mossavalida(mvMake(sq(m.c_str()), sq(m.c_str() + 2)))));
}

tcandidati candidates() {
  tcandidati t;
  cercacandidati(t);
  return t;
}

// Book depth, book list and program folder as a test wants them, restored after.
class BookTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedBook = listabook;
    savedFolder = cartella;
    savedDepth = std::exchange(profonditalibro, 20);
  }
  void TearDown() override {
    profonditalibro = savedDepth;
    listabook = savedBook;
    cartella = savedFolder;
    seedRandomFromClock();
  }
  int savedDepth = 0;
  V savedBook;
  std::string savedFolder;
};

TEST_F(BookTest, KeysPairsAndLongNotation) {
  playFromStart({"e2e4", "e7e5", "g1f3"});
  EXPECT_EQ(chiavelibro(3), "<LdT6E");
  EXPECT_EQ(chiavelibro(50), "<LdT6E");
  partita.moves[1] |= mvScore(12345);  // ordering bits a stored code may carry
  EXPECT_EQ(chiavelibro(3), "<LdT6E");
  partita.moves[1] = mv("b2", "a1", MV_CAPTURE | MV_PROMO_Q);
  EXPECT_EQ(chiavelibro(3), "<L" + pair("b2", "a1") + "6E");
  for (uint32_t minor : {MV_PROMO_N, MV_PROMO_R, MV_PROMO_B}) {
    partita.moves[1] = mv("b7", "b8", minor);
    EXPECT_EQ(chiavelibro(3), "<L");
  }

  zeftest::setUp("r3k3/1P6/8/3pP3/8/8/8/4K1NR w - d6 0 1");
  EXPECT_EQ(mossadalibro(pair("e5", "e6")), mv("e5", "e6"));
  EXPECT_EQ(mossadalibro(pair("e5", "d6")), mv("e5", "d6", MV_CAPTURE));  // en passant
  EXPECT_EQ(mossadalibro(pair("b7", "a8")), mv("b7", "a8", MV_CAPTURE | MV_PROMO_Q));
  EXPECT_EQ(mossadalibro(pair("b7", "b8")), mv("b7", "b8", MV_PROMO_Q));
  for (std::string bad : {pair("a8", "a1"), pair("e1", "g1"), pair("c3", "c4"), std::string("/L"), std::string("<p")})
    EXPECT_EQ(mossadalibro(bad), 0u) << bad;
  EXPECT_EQ(mossalunga(mv("g1", "f3")), "Ng1-f3");
  EXPECT_EQ(mossalunga(mv("e5", "d6", MV_CAPTURE)), "e5xd6");
  EXPECT_EQ(mossalunga(mv("b7", "a8", MV_CAPTURE | MV_PROMO_Q)), "b7xa8Q");
  EXPECT_EQ(mossalunga(mv("h1", "h8", MV_PROMO_N)), "Rh1-h8N");
}

TEST_F(BookTest, TheTwoLineBookAndTheBookDepth) {
  listabook = {"<LdT6E,B", "<LdT1B,X"};
  playFromStart({"e2e4"});
  tcandidati t = candidates();
  ASSERT_EQ(t.n, 1);
  EXPECT_EQ(t.voci[0].mossa, mv("e7", "e5"));
  EXPECT_EQ(t.voci[0].punteggio, 0.75f);
  EXPECT_EQ(trovamossadabook(false), mv("e7", "e5"));  // 0.75 is below Black's 0.8

  playFromStart({"e2e4", "e7e5"});
  t = candidates();
  ASSERT_EQ(t.n, 2);
  EXPECT_EQ(t.voci[0].mossa, mv("g1", "f3"));
  EXPECT_EQ(t.voci[1].mossa, mv("b1", "c3"));
  EXPECT_EQ(t.voci[1].punteggio, 0.5f);
  EXPECT_EQ(pesocandidato(t, 0, WHITE), 50);
  EXPECT_EQ(pesocandidato(t, 1, WHITE), 50);
  seedRandom(7);
  std::map<uint32_t, int> seen;
  for (int i = 0; i < 2000; ++i) ++seen[trovamossadabook(false)];
  EXPECT_EQ(seen.size(), 2u);
  EXPECT_GT(seen[mv("g1", "f3")], 850);
  EXPECT_GT(seen[mv("b1", "c3")], 850);

  profonditalibro = 2;
  EXPECT_EQ(trovamossadabook(false), 0u);
  profonditalibro = 0;
  rigiocapartita(1);  // browsing back: the key follows the position shown
  EXPECT_EQ(trovamossadabook(false), 0u);
  profonditalibro = 20;
  EXPECT_EQ(trovamossadabook(false), mv("e7", "e5"));
  playFromStart({"e2e4", "e7e5", "g1f3"});
  EXPECT_EQ(candidates().n, 0);  // the first line ends here, the second went elsewhere
  impostafen("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", true);  // a set-up game
  EXPECT_EQ(trovamossadabook(false), 0u);
}

TEST_F(BookTest, FloatScoresAgainstTheFiltersAndRareMoves) {
  // One White win in five: the float just above 0.2 passes White's filter.
  listabook = {"<L;K,B", "<L;K,N", "<L;K,N", "<L;K,N", "<L;K,N"};
  playFromStart({});
  EXPECT_EQ(trovamossadabook(false), mv("e2", "e4"));
  // Four White wins in five: just above 0.8 fails Black's filter.
  listabook = {"<LdT,B", "<LdT,B", "<LdT,B", "<LdT,B", "<LdT,N"};
  playFromStart({"e2e4"});
  EXPECT_EQ(pesocandidato(candidates(), 0, BLACK), 0);
  EXPECT_EQ(trovamossadabook(false), 0u);
  // One game in 200 is under 1 %: no weight.
  listabook.assign(199, "<LdT,X");
  listabook.push_back(";K;K,X");
  playFromStart({});
  const tcandidati t = candidates();
  ASSERT_EQ(t.n, 2);
  EXPECT_EQ(pesocandidato(t, 0, WHITE), 99);
  EXPECT_EQ(pesocandidato(t, 1, WHITE), 0);
}

TEST_F(BookTest, BrokenLinesAreSkippedAndTheCandidateTableHoldsAHundred) {
  listabook = {"", "<", "<L", "<L,", "<L6E,Q", "<LdT", "<Lp0,B", "<Ld,B", "<L\xff\x30,X", "<L6E,B", "<LdT,N"};
  playFromStart({"e2e4"});
  tcandidati t = candidates();
  ASSERT_EQ(t.n, 1);
  EXPECT_EQ(t.voci[0].mossa, mv("e7", "e5"));
  EXPECT_EQ(t.voci[0].partite(), 1u);
  // Every pair from one of Black's pieces to a square it does not hold.
  listabook.clear();
  for (int from = 48; from < 64; ++from)
    for (int to = 0; to < 48; ++to)
      listabook.push_back("<L" + std::string{static_cast<char>(48 + from), static_cast<char>(48 + to)} + ",X");
  EXPECT_EQ(candidates().n, MAXCANDIDATI);
  trovamossadabook(true);
  EXPECT_EQ(propostebook.size(), static_cast<size_t>(MAXCANDIDATI + 1));
}

TEST_F(BookTest, ShowModeListsEveryCandidateWithShareAndScore) {
  listabook = {"<LdT6E,B", "<LdT6E,B", "<LdT6E,X", "<LdT1B,N", "<LdT1B,X", "<LdT3W,N"};
  playFromStart({"e2e4", "e7e5"});
  EXPECT_EQ(trovamossadabook(true), 0u);
  EXPECT_EQ(propostebook, (V{" " + testo("P_BOOKSTAT"), "Ng1-f3    50       % 83.33    % ",
                             "Nb1-c3    33.33    % 25       % ", "Qd1-h5    16.66    % 0        % "}));
  playFromStart({"d2d4"});
  trovamossadabook(true);
  EXPECT_EQ(propostebook.size(), 1u);
  // Seven of ten shows 70, not the float's 69.99.
  listabook.assign(7, "<L,B");
  listabook.insert(listabook.end(), 3, "<L,N");
  playFromStart({});
  trovamossadabook(true);
  EXPECT_EQ(propostebook.at(1), "e2-e4     100      % 70       % ");
}

std::string knightDance(int cycles) {
  std::string s;
  for (int i = 0; i < cycles; ++i) s += "Nf3 Nf6 Ng1 Ng8 ";
  return s;
}

TEST_F(BookTest, BuildingAddsOneLinePerGameWithoutItsLastMove) {
  openPgnText(
      "[Result \"1-0\"]\n\n1. e4 e5 2. Nf3 1-0\n\n[Result \"0-1\"]\n\n1. d4 d5 0-1\n\n"
      "[Result \"1/2-1/2\"]\n\n" +
      knightDance(20) + "1/2-1/2\n\n[Result \"1-0\"]\n\n" + knightDance(20) +
      "\n\n"
      "[Result \"*\"]\n\n1. c4 c5 2. Nc3 *\n\n[Result \"1-0\"]\n\n1. c4 1-0\n\n"
      "[Result \"1-0\"]\n[FEN \"4k3/8/8/8/8/8/4P3/4K3 w - - 0 1\"]\n\n1. e4 Kd7 2. e5 1-0\n\n"
      "[Result \"1-0\"]\n\n1. a4 b5 2. axb5 a6 3. bxa6 Bb7 4. axb7 Nc6 5. bxa8=N e6 6. Nb6 1-0\n");
  listabook.clear();
  V labels;
  const int added = aggiungipartitebook([&](int done, int total, const std::string& label) {
    EXPECT_EQ(done, static_cast<int>(labels.size()));
    EXPECT_EQ(total, 8);
    labels.push_back(label);
  });
  std::string eighty;
  for (int i = 0; i < 20; ++i) eighty += pair("g1", "f3") + pair("g8", "f6") + pair("f3", "g1") + pair("f6", "g8");
  EXPECT_EQ(added, 5);
  EXPECT_EQ(listabook, (V{"<LdT,B", ";K,N", eighty.substr(0, 120) + ",X", eighty.substr(0, 158) + ",B",
                          // the knight promotion ends the key, and the pair before it goes too
                          pair("a2", "a4") + pair("b7", "b5") + pair("a4", "b5") + pair("a7", "a6") + pair("b5", "a6") +
                              pair("c8", "b7") + pair("a6", "b7") + ",B"}));
  ASSERT_EQ(labels.size(), 9u);
  EXPECT_EQ(labels[3], testo("P_CALCULATED") + " 3 " + testo("P_GAMESOF") + " 8");
}

TEST_F(BookTest, ManageWritesASortedBookAndNuovoKeepsTheOldOne) {
  zeftest::TempFolder dir;
  cartella = dir.dir();
  listabook = {"old,X"};
  openPgnText("[Result \"1-0\"]\n\n1. e4 e5 2. Nf3 1-0\n\n[Result \"0-1\"]\n\n1. d4 d5 2. c4 0-1\n");
  std::string errore;
  ASSERT_TRUE(managebook(nullptr, errore)) << errore;
  EXPECT_EQ(dir.read("book.opn"), ";KcS,N\r\n<LdT,B\r\nold,X\r\n");
  ASSERT_TRUE(nuovobook(nullptr, errore)) << errore;
  EXPECT_EQ(dir.read("book.old"), ";KcS,N\r\n<LdT,B\r\nold,X\r\n");
  EXPECT_EQ(dir.read("book.opn"), ";KcS,N\r\n<LdT,B\r\n");
  // Letter case does not decide the order; lines equal but for case keep theirs.
  listabook = {"b,X", "A,X", "a,X", "B,X"};
  ASSERT_TRUE(scrivibook(dir.file("sorted.opn"), errore));
  EXPECT_EQ(listabook, (V{"A,X", "a,X", "b,X", "B,X"}));
  cartella = dir.dir() + "missing/";
  EXPECT_FALSE(managebook(nullptr, errore));
  EXPECT_FALSE(errore.empty());
  EXPECT_FALSE(nuovobook(nullptr, errore));
  EXPECT_FALSE(listabook.empty());  // book.old could not be written: nothing dropped
}

TEST_F(BookTest, StartUpReadsTheBookAndAMissingOneGivesAnEmptyBookAndOneLine) {
  zeftest::TempFolder dir;
  cartella = dir.dir();
  dir.write("book.opn", "<LdT6E,B\r\n\r\n<LdT1B,X\n");
  EXPECT_TRUE(caricabook());
  EXPECT_EQ(listabook, (V{"<LdT6E,B", "<LdT1B,X"}));
  cartella = dir.dir() + "elsewhere/";
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(caricabook());
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_TRUE(listabook.empty());
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_NE(said.find("book.opn"), std::string::npos);
}

}  // namespace
