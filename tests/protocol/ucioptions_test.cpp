// UCI's options: what "uci" announces and what "setoption" does come from
// the same rows.
#include "protocol/ucioptions.h"

#include <gtest/gtest.h>

#include "engine/search/cache.h"
#include "engine/search/levels.h"
#include "protocol/enginelevel.h"
#include "protocol/winboard.h"
#include "protocol_fixture.h"

namespace {

class UciOptions : public zeftest::ProtocolFixture {};

}  // namespace

TEST_F(UciOptions, HashIsAnnouncedAsBeforeAndSetInAnyCase) {
  processatick({"uci"});
  EXPECT_EQ(count("option name "), static_cast<int>(uciOptions().size()));
  EXPECT_TRUE(has("option name Hash type spin default 4 min 1 max 512"));
  out.clear();
  // 64 megabytes of 16-byte entries.
  processatick({"setoption name hash value 64"});
  EXPECT_EQ(hashEntries(), 1u << 22);
  EXPECT_TRUE(out.empty());
  processatick({"setoption name Hash value lots", "setoption name Hashes value 8"});
  EXPECT_EQ(out, (std::vector<std::string>{"info string Error (bad value): setoption name Hash value lots",
                                           "info string Error (unknown option): setoption name Hashes value 8"}));
  EXPECT_EQ(hashEntries(), 1u << 22);
  setHashLevel(HASH_DEFAULT_LEVEL);
}

TEST(UciOptionRow, ACheckIsAnnouncedAndReadAsTrueOrFalse) {
  const UciOption check{"Ponder", UciOptionKind::check, 0, 0, 1, nullptr};
  EXPECT_EQ(optionLine(check), "option name Ponder type check default false");
  int64_t v = -1;
  EXPECT_TRUE(optionValue(check, "true", v));
  EXPECT_EQ(v, 1);
  EXPECT_TRUE(optionValue(check, "false", v));
  EXPECT_EQ(v, 0);
  EXPECT_FALSE(optionValue(check, "1", v));
}

// The strength options: the skill level sets the level; a limited strength
// takes the level nearest the Elo asked for, the weaker of the two wins, and
// a game move is then searched no deeper than the level's depth.
TEST_F(UciOptions, StrengthOptionsSetTheLevelOfTheGameMoves) {
  processatick({"uci"});
  EXPECT_TRUE(has("option name Skill Level type spin default 5 min 0 max 5"));
  EXPECT_TRUE(has("option name UCI_LimitStrength type check default false"));
  EXPECT_TRUE(has("option name UCI_Elo type spin default " + std::to_string(STRENGTHLEVELS[FULLLEVEL].elo) + " min " +
                  std::to_string(STRENGTHLEVELS[WEAKESTLEVEL].elo) + " max " +
                  std::to_string(STRENGTHLEVELS[FULLLEVEL].elo)));
  EXPECT_EQ(frontEndLevel(), FULLLEVEL);
  processatick({"setoption name UCI_Elo value " + std::to_string(STRENGTHLEVELS[2].elo + 1)});
  EXPECT_EQ(frontEndLevel(), FULLLEVEL) << "the Elo counts only while strength is limited";
  processatick({"setoption name UCI_LimitStrength value true"});
  EXPECT_EQ(frontEndLevel(), 2);
  processatick({"setoption name Skill Level value 4"});
  EXPECT_EQ(frontEndLevel(), 2);
  processatick({"setoption name skill level value 0"});
  EXPECT_EQ(frontEndLevel(), 0);
  out.clear();
  // A position no book knows, so that the engine searches.
  processatick(
      {"position fen r3k2r/ppp2ppp/2n5/3q4/3P4/2N5/PP3PPP/R2QK2R w KQkq - 0 12", "go wtime 60000 btime 60000"});
  ASSERT_TRUE(has("bestmove "));
  ASSERT_TRUE(has("info depth "));
  for (const std::string& line : starting("info depth "))
    EXPECT_LE(std::stoi(line.substr(11)), strengthLevel(0).depth) << line;
  resetprotocollo();
  EXPECT_EQ(frontEndLevel(), FULLLEVEL);
}
