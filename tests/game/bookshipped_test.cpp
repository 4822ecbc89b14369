#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/position/fen.h"
#include "engine/position/game.h"
#include "engine/position/position.h"
#include "engine/toolkit.h"
#include "game/bookbuild.h"
#include "game/gamefiles.h"
#include "records/book.h"
#include "records/pgnfen.h"
#include "settings/manageini.h"
#include "support/engine_fixture.h"
#include "support/tempfolder.h"
#include "text/namevalue.h"

using zeftest::sq;

namespace {

uint32_t mv(const char* from, const char* to) { return mvMake(sq(from), sq(to)); }

// The book the build makes: the shipped game records, in file-name order.
std::vector<std::string> bookFromGameRecords() {
  std::vector<std::string> files;
  for (const auto& e : std::filesystem::directory_iterator(std::string(ZEF_SOURCE_DIR) + "/data/book/games"))
    if (e.path().extension() == ".pgn") files.push_back(e.path().string());
  std::sort(files.begin(), files.end());
  listabook.clear();
  for (const std::string& f : files) {
    std::string errore;
    EXPECT_TRUE(aprifilepgn(f, errore)) << errore;
    aggiungipartitebook(nullptr);
  }
  zeftest::TempFolder dir;
  std::string errore;
  EXPECT_TRUE(scrivibook(dir.file("book.opn"), errore)) << errore;
  return listabook;
}

class ShippedBook : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    built = new std::vector<std::string>(bookFromGameRecords());
    const std::string shippedPath = std::string(ZEF_BINARY_DIR) + "/book.opn";
    std::string errore;
    if (leggibook(shippedPath, errore)) shipped = new std::vector<std::string>(listabook);
  }
  static void TearDownTestSuite() {
    delete built;
    delete shipped;
    built = shipped = nullptr;
  }
  void SetUp() override {
    savedDepth = profonditalibro;
    savedBook = listabook;
    listabook = shipped ? *shipped : *built;
    profonditalibro = 20;
  }
  void TearDown() override {
    profonditalibro = savedDepth;
    listabook = savedBook;
    seedRandomFromClock();
  }
  static std::vector<std::string>* built;
  static std::vector<std::string>* shipped;
  int savedDepth = 0;
  std::vector<std::string> savedBook;
};
std::vector<std::string>* ShippedBook::built = nullptr;
std::vector<std::string>* ShippedBook::shipped = nullptr;

TEST_F(ShippedBook, IsWhatTheBuilderMakesFromTheGameRecords) {
  ASSERT_NE(built, nullptr);
  // 889 games: one without a result and two of a single half-move add nothing.
  EXPECT_EQ(built->size(), 886u);
  if (shipped) {
    EXPECT_EQ(*shipped, *built);
  }
}

TEST_F(ShippedBook, OpensWithWellKnownFirstMoves) {
  impostafen(STARTFEN, true);
  seedRandom(11);
  std::map<uint32_t, int> seen;
  for (int i = 0; i < 3000; ++i) ++seen[trovamossadabook(false)];
  const std::set<uint32_t> known = {mv("e2", "e4"), mv("d2", "d4"), mv("c2", "c4"), mv("g1", "f3"), mv("f2", "f4")};
  for (const auto& [move, times] : seen) EXPECT_EQ(known.count(move), 1u) << move << " drawn " << times;
  EXPECT_GT(seen[mv("e2", "e4")] + seen[mv("d2", "d4")], 2400);
  EXPECT_GT(seen[mv("e2", "e4")], 1000);
  EXPECT_GT(seen[mv("d2", "d4")], 1000);
}

TEST_F(ShippedBook, AnswersTheMainOpeningsSensibly) {
  seedRandom(5);
  for (const char* first : {"e2e4", "d2d4"}) {
    impostafen(STARTFEN, true);
    ASSERT_TRUE(giocamossa(mossavalida(mvMake(sq(first), sq(first + 2)))));
    std::map<uint32_t, int> seen;
    for (int i = 0; i < 1000; ++i) ++seen[trovamossadabook(false)];
    if (first[0] == 'e') {
      EXPECT_GT(seen[mv("e7", "e5")], 500);
    } else {
      EXPECT_GT(seen[mv("d7", "d5")] + seen[mv("g8", "f6")], 800);
    }
  }
}

TEST_F(ShippedBook, BookGamesAreLegalUpToTheBookDepth) {
  for (uint32_t seed = 1; seed <= 40; ++seed) {
    seedRandom(seed);
    impostafen(STARTFEN, true);
    for (;;) {
      const uint32_t move = trovamossadabook(false);
      if (move == 0) break;
      ASSERT_EQ(mossavalida(move) & MV_SQUARES, move & MV_SQUARES) << "seed " << seed << " ply " << partita.count;
      ASSERT_TRUE(giocamossa(move)) << "seed " << seed << " ply " << partita.count;
    }
    EXPECT_LE(partita.count, profonditalibro);
    EXPECT_GE(partita.count, 1);
  }
}

}  // namespace
