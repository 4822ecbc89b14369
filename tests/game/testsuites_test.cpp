#include "game/testsuites.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "engine/position/position.h"
#include "engine/search/evaltables.h"
#include "records/verifylog.h"
#include "settings/language.h"
#include "support/engine_fixture.h"

namespace {

class TestSuites : public ::testing::Test {
 protected:
  std::string dir;
  void SetUp() override {
    char tmpl[] = "/tmp/zeftestsXXXXXX";
    dir = mkdtemp(tmpl);
    caricalinguainterna();
    listadebug.clear();
    setDebugFile(dir + "/debug.txt");
  }
  void TearDown() override { setDebugFile("debug.txt"); }
  std::string file(const std::string& name, const std::string& text) {
    std::ofstream(dir + "/" + name, std::ios::binary) << text;
    return dir + "/" + name;
  }
  bool logged(const std::string& text) const {
    return std::find(listadebug.begin(), listadebug.end(), text) != listadebug.end();
  }
  std::string debugFile() const {
    std::ifstream f(dir + "/debug.txt", std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
  }
};

}  // namespace

TEST_F(TestSuites, EpdCountersTwoOfThree) {
  const std::string epd = file("three.epd",
                               "6k1/5ppp/8/8/8/8/8/R5K1 w - - bm Ra8#; id \"one\";\n"
                               "4k3/8/4q3/8/8/8/8/4R1K1 w - - bm Rxe6+; id \"two\";\n"
                               "4k3/8/4q3/8/8/8/8/4R1K1 w - - bm Kh2; id \"three\";\n");
  std::vector<std::string> percentages;
  std::vector<int> noise;
  TestHooks hooks;
  hooks.counters = [&](int, int, int, int, const std::string& p) {
    percentages.push_back(p);
    noise.push_back(evalNoise);
  };
  buildEvalTables(3);
  const EpdOutcome r = eseguiepd(epd, 300, hooks);
  EXPECT_EQ(evalNoise, 3);  // restored after the run
  buildEvalTables(0);
  EXPECT_EQ(noise, (std::vector<int>{0, 0, 0, 0}));  // and 0 during it
  EXPECT_EQ(r.positions, 3);
  EXPECT_EQ(r.correct, 2);
  ASSERT_EQ(r.wrong.size(), 1u);
  EXPECT_EQ(r.wrong[0].substr(0, 6), "three ");
  EXPECT_EQ(percentages.back(), "66.6%");
  EXPECT_TRUE(logged("Right solution") || logged(testo("P_RIGHTSOL")));
  EXPECT_EQ(listadebug.back(), testo("P_FOUND") + " 2 " + testo("P_SOLUTIONS") + "  3");
  // The file is complete after every line.
  EXPECT_NE(debugFile().find(listadebug.back()), std::string::npos);
}

TEST_F(TestSuites, EpdReadingRules) {
  const std::string epd = file("rules.epd",
                               "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - bm Nf3 Nc3; id \"either knight\"; "
                               "c0 \"first\"; c1 \"second\";\n"
                               "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - bm e4\n"
                               "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - id \"no move\";\n"
                               "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - bm a3 a4 b3 b4 c3 c4 d3; am h3; "
                               "a; b; c; d; e; f; g; h; i; j;\n");
  ASSERT_EQ(leggiepd(epd), 2);
  const tepdtest& t = epdtests[0];
  EXPECT_EQ(t.fen, "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 1 1");
  EXPECT_EQ(t.best[0], mvMake(zeftest::sq("g1"), zeftest::sq("f3")));
  EXPECT_EQ(t.best[1], mvMake(zeftest::sq("b1"), zeftest::sq("c3")));
  EXPECT_EQ(t.best[2], 0u);
  EXPECT_EQ(t.id, "either knight");
  EXPECT_EQ(t.c0, "first");
  EXPECT_EQ(t.c1, "second");
  // Five best moves at most; the avoid move is kept.
  EXPECT_NE(epdtests[1].best[4], 0u);
  EXPECT_EQ(epdtests[1].avoid[0], mvMake(zeftest::sq("h2"), zeftest::sq("h3")));
  EXPECT_EQ(std::count_if(listadebug.begin(), listadebug.end(),
                          [](const std::string& l) { return l.rfind("skipped", 0) == 0; }),
            2);
  // Either knight move is right.
  const EpdOutcome r = eseguiepd(epd, 200, {});
  EXPECT_EQ(r.positions, 2);
}

TEST_F(TestSuites, PercentageText) {
  EXPECT_EQ(percentualeepd(2, 3), "66.6%");
  EXPECT_EQ(percentualeepd(1, 3), "33.3%");
  EXPECT_EQ(percentualeepd(3, 3), "100%");
  EXPECT_EQ(percentualeepd(1, 12), "8.33%");
  EXPECT_EQ(percentualeepd(0, 5), "0%");
}

TEST_F(TestSuites, SpeedRun) {
  const std::string tst = file("speed.tst",
                               "05start@rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1\n"
                               "no position here\n"
                               "01shallow@4k3/8/8/8/8/8/8/R3K3 w - - 0 1\n"
                               "xxbad depth@4k3/8/8/8/8/8/8/R3K3 w - - 0 1\n");
  listaverifica.clear();
  const int n = eseguispeed(tst, {});
  EXPECT_EQ(n, 2);
  EXPECT_TRUE(logged("start"));
  EXPECT_TRUE(logged(std::string(69, '*')));
  // Iterations 3, 4 and 5 for the start position, 3 for the shallow line.
  int starts = 0;
  for (const std::string& l : listadebug) starts += l.rfind("[3] ", 0) == 0;
  EXPECT_EQ(starts, 2);
  EXPECT_TRUE(
      std::any_of(listadebug.begin(), listadebug.end(), [](const std::string& l) { return l.rfind("[5] ", 0) == 0; }));
  EXPECT_FALSE(
      std::any_of(listadebug.begin(), listadebug.end(), [](const std::string& l) { return l.rfind("[6] ", 0) == 0; }));
  EXPECT_TRUE(std::any_of(listadebug.begin(), listadebug.end(),
                          [](const std::string& l) { return l.rfind("  nodi = ", 0) == 0; }));
  EXPECT_EQ(std::count(listaverifica.begin(), listaverifica.end(), std::string(58, '-')), 2);
  EXPECT_EQ(partita.orologiofermo, 1);
  EXPECT_EQ(eseguispeed(dir + "/missing.tst", {}), -1);
}
