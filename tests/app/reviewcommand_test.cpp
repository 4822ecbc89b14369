// The review of a whole file from the command line, as a server runs it:
// the built program itself, one progress line per game on standard error
// and the reviewed games in the file named.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "support/command_output.h"
#include "support/tempfolder.h"

namespace {

TEST(ReviewCommand, WritesEveryGameReviewedAndAProgressLineForEach) {
  zeftest::TempFolder dir;
  dir.write("games.pgn",
            "[White \"W\"]\n[Black \"B\"]\n[Result \"1-0\"]\n\n1. e4 e5 2. Bc4 Nc6 3. Qh5 Nf6 4. Qxf7# 1-0\n\n"
            "[White \"X\"]\n[Black \"Y\"]\n[Result \"*\"]\n\n1. d4 d5 2. c4 *\n");
  const std::string program = std::string(ZEF_BINARY_DIR) + "/Zefiran3D";
  const std::string errors =
      zeftest::commandOutput(program + " --review " + dir.file("games.pgn") + " --movetime 100 --out " +
                             dir.file("out.pgn") + " 2>&1 >/dev/null");
  EXPECT_NE(errors.find("review 1/2 "), std::string::npos) << errors;
  // 3. Qh5 may or may not be dubious at so short a time; 3... Nf6 is a blunder.
  EXPECT_NE(errors.find(": 7 half-moves, "), std::string::npos) << errors;
  EXPECT_NE(errors.find(" ?, 1 ??, "), std::string::npos) << errors;
  EXPECT_NE(errors.find("review 2/2 "), std::string::npos) << errors;

  std::string out = dir.read("out.pgn");
  for (char& c : out)
    if (c == '\n' || c == '\r') c = ' ';
  EXPECT_NE(out.find("Nf6 $4 {[%eval"), std::string::npos) << out;
  EXPECT_NE(out.find("[White \"X\"]"), std::string::npos) << "the second game too: " << out;
  EXPECT_NE(out.find("c4 {[%eval"), std::string::npos) << out;

  // A time outside the accepted range is refused with the usage line.
  const std::string refused =
      zeftest::commandOutput(program + " --review " + dir.file("games.pgn") + " --movetime 5 2>&1; echo \"exit $?\"");
  EXPECT_NE(refused.find("usage:"), std::string::npos) << refused;
  EXPECT_NE(refused.find("exit 2"), std::string::npos) << refused;
}

}  // namespace
