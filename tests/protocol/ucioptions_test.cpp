// UCI's options: what "uci" announces and what "setoption" does come from
// the same rows.
#include "protocol/ucioptions.h"

#include <gtest/gtest.h>

#include "engine/search/cache.h"
#include "protocol/winboard.h"
#include "protocol_fixture.h"

namespace {

class UciOptions : public zeftest::ProtocolFixture {};

}  // namespace

TEST_F(UciOptions, HashIsAnnouncedAsBeforeAndSetInAnyCase) {
  processatick({"uci"});
  EXPECT_EQ(count("option name "), 1);
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
