#include "records/book.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "engine/position/fen.h"
#include "engine/position/game.h"
#include "engine/position/position.h"
#include "engine/toolkit.h"
#include "records/pgnfen.h"
#include "settings/language.h"
#include "settings/manageini.h"
#include "settings/namevalue.h"
#include "settings/tempfolder.h"
#include "support/engine_fixture.h"

using zeftest::sq;

namespace {

std::string pair(const char* from, const char* to) {
  return std::string{static_cast<char>(48 + sq(from)), static_cast<char>(48 + sq(to))};
}

uint32_t mv(const char* from, const char* to, uint32_t flags = 0) { return mvMake(sq(from), sq(to), flags); }

// A new standard game with the moves played (coordinates).
void playFromStart(const std::vector<std::string>& moves) {
  impostafen(STARTFEN, true);
  for (const std::string& m : moves) {
    const uint32_t code = mossavalida(mvMake(sq(m.c_str()), sq(m.c_str() + 2)));
    ASSERT_NE(code, 0u) << m;
    ASSERT_TRUE(giocamossa(code)) << m;
  }
}

// Book depth, book list and program folder as a test wants them, restored after.
class BookTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedDepth = profonditalibro;
    savedBook = listabook;
    savedFolder = cartella;
    profonditalibro = 20;
  }
  void TearDown() override {
    profonditalibro = savedDepth;
    listabook = savedBook;
    cartella = savedFolder;
    seedRandomFromClock();
  }
  int savedDepth = 0;
  std::vector<std::string> savedBook;
  std::string savedFolder;
};

// How often each move comes out of many draws.
std::map<uint32_t, int> draws(int times) {
  std::map<uint32_t, int> seen;
  for (int i = 0; i < times; ++i) ++seen[trovamossadabook(false)];
  return seen;
}

// --- keys and pairs -----------------------------------------------------------

TEST_F(BookTest, KeyOfTheMovesPlayed) {
  playFromStart({"e2e4", "e7e5", "g1f3"});
  EXPECT_EQ(chiavelibro(3), "<LdT6E");
  EXPECT_EQ(chiavelibro(1), "<L");
  EXPECT_EQ(chiavelibro(0), "");
  EXPECT_EQ(chiavelibro(50), "<LdT6E");  // no more than the game holds
  // Ordering-score bits a stored code may carry are not part of the key.
  partita.moves[1] |= mvScore(12345);
  EXPECT_EQ(chiavelibro(3), "<LdT6E");
}

TEST_F(BookTest, AMinorPromotionEndsTheKeyAndAQueenPromotionDoesNot) {
  impostafen(STARTFEN, true);
  partita.count = 3;
  partita.moves[0] = mv("e2", "e4");
  partita.moves[1] = mv("b2", "a1", MV_CAPTURE | MV_PROMO_Q);
  partita.moves[2] = mv("g1", "f3");
  EXPECT_EQ(chiavelibro(3), "<L" + pair("b2", "a1") + "6E");
  for (uint32_t minor : {MV_PROMO_N, MV_PROMO_R, MV_PROMO_B}) {
    partita.moves[1] = mv("b7", "b8", minor);
    EXPECT_EQ(chiavelibro(3), "<L");
  }
}

TEST_F(BookTest, PairsBecomeMovesOfTheSideToMove) {
  zeftest::setUp("r3k3/1P6/8/3pP3/8/8/8/4K2R w - d6 0 1");
  EXPECT_EQ(mossadalibro(pair("e5", "e6")), mv("e5", "e6"));
  EXPECT_EQ(mossadalibro(pair("e5", "d6")), mv("e5", "d6", MV_CAPTURE));  // en passant
  EXPECT_EQ(mossadalibro(pair("h1", "h8")), mv("h1", "h8"));
  EXPECT_EQ(mossadalibro(pair("b7", "a8")), mv("b7", "a8", MV_CAPTURE | MV_PROMO_Q));
  EXPECT_EQ(mossadalibro(pair("b7", "b8")), mv("b7", "b8", MV_PROMO_Q));
  EXPECT_EQ(mossadalibro(pair("a8", "a1")), 0u);  // not White's piece
  EXPECT_EQ(mossadalibro(pair("e1", "h1")), 0u);  // onto an own piece
  EXPECT_EQ(mossadalibro(pair("c3", "c4")), 0u);  // from an empty square
  EXPECT_EQ(mossadalibro(std::string{'/', 'L'}), 0u);
  EXPECT_EQ(mossadalibro(std::string{'<', 'p'}), 0u);
  EXPECT_EQ(mossadalibro("<"), 0u);
  zeftest::setUp("r3k3/8/8/8/8/8/8/R3K3 b - - 0 1");
  EXPECT_EQ(mossadalibro(pair("a8", "a1")), mv("a8", "a1", MV_CAPTURE));
}

TEST_F(BookTest, LongNotationOfCandidates) {
  zeftest::setUp("r3k3/1P6/8/3pP3/8/8/8/4K1NR w - d6 0 1");
  EXPECT_EQ(mossalunga(mv("g1", "f3")), "Ng1-f3");
  EXPECT_EQ(mossalunga(mv("e5", "d6", MV_CAPTURE)), "e5xd6");
  EXPECT_EQ(mossalunga(mv("b7", "a8", MV_CAPTURE | MV_PROMO_Q)), "b7xa8Q");
  EXPECT_EQ(mossalunga(mv("b7", "b8", MV_PROMO_N)), "b7-b8N");
  EXPECT_EQ(mossalunga(mv("e1", "f2")), "Ke1-f2");
  EXPECT_EQ(mossalunga(mv("h1", "h8", MV_CAPTURE)), "Rh1xh8");
}

// --- lookups ------------------------------------------------------------------------

TEST_F(BookTest, TheTwoLineBook) {
  listabook = {"<LdT6E,B", "<LdT1B,X"};
  playFromStart({"e2e4"});
  tcandidati t;
  cercacandidati(t);
  ASSERT_EQ(t.n, 1);
  EXPECT_EQ(t.voci[0].mossa, mv("e7", "e5"));
  EXPECT_EQ(t.voci[0].partite(), 2u);
  EXPECT_FLOAT_EQ(t.voci[0].punteggio, 0.75f);
  EXPECT_EQ(pesocandidato(t, 0, BLACK), 100);
  EXPECT_EQ(trovamossadabook(false), mv("e7", "e5"));

  playFromStart({"e2e4", "e7e5"});
  cercacandidati(t);
  ASSERT_EQ(t.n, 2);
  EXPECT_EQ(t.voci[0].mossa, mv("g1", "f3"));
  EXPECT_FLOAT_EQ(t.voci[0].punteggio, 1.0f);
  EXPECT_EQ(t.voci[1].mossa, mv("b1", "c3"));
  EXPECT_FLOAT_EQ(t.voci[1].punteggio, 0.5f);
  EXPECT_EQ(pesocandidato(t, 0, WHITE), 50);
  EXPECT_EQ(pesocandidato(t, 1, WHITE), 50);
  seedRandom(7);
  const std::map<uint32_t, int> seen = draws(2000);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_GT(seen.at(mv("g1", "f3")), 850);
  EXPECT_GT(seen.at(mv("b1", "c3")), 850);

  playFromStart({"e2e4", "e7e5", "g1f3"});
  cercacandidati(t);
  EXPECT_EQ(t.n, 0);  // the first line ends here
  EXPECT_EQ(trovamossadabook(false), 0u);
}

TEST_F(BookTest, NoMoveAtOrPastTheBookDepthOrFromASetUpPosition) {
  listabook = {"<LdT6E,B", "<LdT1B,X"};
  playFromStart({"e2e4", "e7e5"});
  profonditalibro = 0;
  EXPECT_EQ(trovamossadabook(false), 0u);
  profonditalibro = 2;
  EXPECT_EQ(trovamossadabook(false), 0u);
  profonditalibro = 3;
  EXPECT_NE(trovamossadabook(false), 0u);
  // Browsing back: the key follows the position shown.
  rigiocapartita(1);
  EXPECT_EQ(trovamossadabook(false), mv("e7", "e5"));
  impostafen("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", true);
  EXPECT_FALSE(partita.startfen.empty());
  EXPECT_EQ(trovamossadabook(false), 0u);
}

TEST_F(BookTest, FloatScoresAgainstTheFilters) {
  // e4 won 1 of 5 for White: the float just above 0.2 passes White's filter.
  listabook = {"<L;K,B", "<L;K,N", "<L;K,N", "<L;K,N", "<L;K,N"};
  playFromStart({});
  tcandidati t;
  cercacandidati(t);
  ASSERT_EQ(t.n, 1);
  EXPECT_GT(static_cast<double>(t.voci[0].punteggio), 0.2);
  EXPECT_EQ(pesocandidato(t, 0, WHITE), 100);
  EXPECT_EQ(trovamossadabook(false), mv("e2", "e4"));
  // After e4, e5 won 4 of 5 for White: just above 0.8 fails Black's filter.
  listabook = {"<LdT6E,B", "<LdT6E,B", "<LdT6E,B", "<LdT6E,B", "<LdT6E,N"};
  playFromStart({"e2e4"});
  cercacandidati(t);
  ASSERT_EQ(t.n, 1);
  EXPECT_EQ(pesocandidato(t, 0, BLACK), 0);
  EXPECT_EQ(trovamossadabook(false), 0u);
  // Below 0.2 for White, or not below 0.8 for Black, never plays.
  listabook = {"<L;K,N", "<L;K,N"};
  playFromStart({});
  EXPECT_EQ(trovamossadabook(false), 0u);
}

TEST_F(BookTest, RareMovesGetNoWeight) {
  // 199 games of e4 and one of d4: d4 is under 1 % and is never drawn.
  listabook.assign(199, "<LdT,X");
  listabook.push_back(";K;K,X");
  playFromStart({});
  tcandidati t;
  cercacandidati(t);
  ASSERT_EQ(t.n, 2);
  EXPECT_EQ(pesocandidato(t, 0, WHITE), 99);
  EXPECT_EQ(pesocandidato(t, 1, WHITE), 0);
  seedRandom(3);
  const std::map<uint32_t, int> seen = draws(500);
  EXPECT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen.count(mv("e2", "e4")), 1u);
}

TEST_F(BookTest, BrokenLinesAreSkippedAndTheCandidateTableHoldsAHundred) {
  listabook = {"", "<", "<L", "<L,", "<L6E,Q", "<L6E", "<Lp0,B", "<L6E,B"};
  playFromStart({});
  tcandidati t;
  cercacandidati(t);
  ASSERT_EQ(t.n, 1);
  EXPECT_EQ(t.voci[0].mossa, mv("e2", "e4"));
  EXPECT_EQ(t.voci[0].partite(), 2u);
  playFromStart({"e2e4"});
  listabook = {"<L6E,Q", "<L6E", "<Lp0,B", "<Ld,B", "<L\xff\x30,X", "<LdT,N"};
  cercacandidati(t);
  ASSERT_EQ(t.n, 1);
  EXPECT_EQ(t.voci[0].mossa, mv("e7", "e5"));

  // Every pair from one of Black's pieces to a square it does not hold.
  listabook.clear();
  for (int from = 48; from < 64; ++from)
    for (int to = 0; to < 48; ++to)
      listabook.push_back("<L" + std::string{static_cast<char>(48 + from), static_cast<char>(48 + to)} + ",X");
  cercacandidati(t);
  EXPECT_EQ(t.n, MAXCANDIDATI);
  trovamossadabook(true);
  EXPECT_EQ(propostebook.size(), static_cast<size_t>(MAXCANDIDATI + 1));
}

TEST_F(BookTest, ShowModeListsEveryCandidateWithShareAndScore) {
  listabook = {"<LdT6E,B", "<LdT6E,B", "<LdT6E,X", "<LdT1B,N", "<LdT1B,X", "<LdT3W,N"};
  playFromStart({"e2e4", "e7e5"});
  EXPECT_EQ(trovamossadabook(true), 0u);
  ASSERT_EQ(propostebook.size(), 4u);
  EXPECT_EQ(propostebook[0], " " + testo("P_BOOKSTAT"));
  EXPECT_EQ(propostebook[1], "Ng1-f3    50       % 83.33    % ");
  EXPECT_EQ(propostebook[2], "Nb1-c3    33.33    % 25       % ");
  // Filtered out for White (score 0), still listed.
  EXPECT_EQ(propostebook[3], "Qd1-h5    16.66    % 0        % ");
  // A position with no candidates leaves the heading alone.
  playFromStart({"d2d4"});
  trovamossadabook(true);
  EXPECT_EQ(propostebook.size(), 1u);
  // Seven of ten shows 70, not the float's 69.99.
  listabook.assign(7, "<L,B");
  listabook.insert(listabook.end(), 3, "<L,N");
  playFromStart({});
  trovamossadabook(true);
  ASSERT_EQ(propostebook.size(), 2u);
  EXPECT_EQ(propostebook[1], "e2-e4     100      % 70       % ");
}

// --- building -----------------------------------------------------------------------

std::string knightDance(int cycles) {
  std::string s;
  for (int i = 0; i < cycles; ++i) s += "Nf3 Nf6 Ng1 Ng8 ";
  return s;
}

void useGames(const std::string& text) {
  filepgn = dividirighe(text);
  indicizzapgn();
}

TEST_F(BookTest, BuildingAddsOneLinePerGameWithoutItsLastMove) {
  useGames("[White \"A\"]\n[Black \"B\"]\n[Result \"1-0\"]\n\n1. e4 e5 2. Nf3 1-0\n\n"
           "[White \"C\"]\n[Black \"D\"]\n[Result \"0-1\"]\n\n1. d4 d5 0-1\n\n"
           "[Result \"1/2-1/2\"]\n\n" + knightDance(20) + "1/2-1/2\n\n"
           "[Result \"1-0\"]\n\n" + knightDance(20) + "1-0\n\n"
           "[Result \"*\"]\n\n1. c4 c5 2. Nc3 *\n\n"
           "[Result \"1-0\"]\n\n1. c4 1-0\n\n"
           "[Result \"1-0\"]\n[FEN \"4k3/8/8/8/8/8/4P3/4K3 w - - 0 1\"]\n\n1. e4 Kd7 2. e5 1-0\n\n"
           "[Result \"1-0\"]\n\n1. a4 b5 2. axb5 a6 3. bxa6 Bb7 4. axb7 Nc6 5. bxa8=N e6 6. Nb6 1-0\n");
  listabook.clear();
  std::vector<std::string> labels;
  int last = 0;
  const int added = aggiungipartitebook([&](int done, int total, const std::string& label) {
    EXPECT_EQ(done, last + 1);
    EXPECT_EQ(total, 8);
    last = done;
    labels.push_back(label);
  });
  EXPECT_EQ(added, 5);
  ASSERT_EQ(listabook.size(), 5u);
  EXPECT_EQ(listabook[0], "<LdT,B");
  EXPECT_EQ(listabook[1], ";K,N");
  const std::string dance = pair("g1", "f3") + pair("g8", "f6") + pair("f3", "g1") + pair("f6", "g8");
  std::string eighty;
  for (int i = 0; i < 20; ++i) eighty += dance;
  EXPECT_EQ(listabook[2], eighty.substr(0, 120) + ",X");  // a drawn game is cut to 120
  EXPECT_EQ(listabook[3], eighty.substr(0, 158) + ",B");
  // The knight promotion ends the key; the last pair before it is dropped too.
  EXPECT_EQ(listabook[4], pair("a2", "a4") + pair("b7", "b5") + pair("a4", "b5") + pair("a7", "a6") +
                              pair("b5", "a6") + pair("c8", "b7") + pair("a6", "b7") + ",B");
  ASSERT_EQ(labels.size(), 8u);
  EXPECT_EQ(labels[2], testo("P_CALCULATED") + " 3 " + testo("P_GAMESOF") + " 8");
}

TEST_F(BookTest, ManageWritesASortedBookAndNuovoKeepsTheOldOne) {
  zeftest::TempFolder dir;
  cartella = dir.dir();
  listabook = {"old,X"};
  useGames("[Result \"1-0\"]\n\n1. e4 e5 2. Nf3 1-0\n\n[Result \"0-1\"]\n\n1. d4 d5 2. c4 0-1\n");
  std::string errore;
  ASSERT_TRUE(managebook(nullptr, errore)) << errore;
  EXPECT_EQ(dir.read("book.opn"), ";KcS,N\r\n<LdT,B\r\nold,X\r\n");
  ASSERT_TRUE(nuovobook(nullptr, errore)) << errore;
  EXPECT_EQ(dir.read("book.old"), ";KcS,N\r\n<LdT,B\r\nold,X\r\n");
  EXPECT_EQ(dir.read("book.opn"), ";KcS,N\r\n<LdT,B\r\n");
  EXPECT_EQ(listabook, (std::vector<std::string>{";KcS,N", "<LdT,B"}));
  // Letter case does not decide the order; lines equal but for case keep theirs.
  listabook = {"b,X", "A,X", "a,X", "B,X"};
  ASSERT_TRUE(scrivibook(dir.file("sorted.opn"), errore));
  EXPECT_EQ(listabook, (std::vector<std::string>{"A,X", "a,X", "b,X", "B,X"}));
  // A book that cannot be written leaves the old file and says so.
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
  EXPECT_EQ(listabook, (std::vector<std::string>{"<LdT6E,B", "<LdT1B,X"}));
  cartella = dir.dir() + "elsewhere/";
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(caricabook());
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_TRUE(listabook.empty());
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_NE(said.find("book.opn"), std::string::npos);
  playFromStart({});
  EXPECT_EQ(trovamossadabook(false), 0u);
}

}  // namespace
