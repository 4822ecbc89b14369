#include "text/namevalue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/tempfolder.h"

namespace {

using Lines = std::vector<std::string>;
using zeftest::TempFolder;

TEST(DividiRighe, AnyMixOfLineEndings) {
  EXPECT_EQ(dividirighe("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(dividirighe("a\r\n"), (Lines{"a"}));
  EXPECT_EQ(dividirighe("a\n\nb\r\n\r\n"), (Lines{"a", "", "b", ""}));
  EXPECT_EQ(dividirighe("\n\r"), (Lines{"", ""}));
  EXPECT_EQ(dividirighe(""), Lines{});
  EXPECT_EQ(dividirighe("\xEF\xBB\xBFkey=v"), (Lines{"key=v"}));
  EXPECT_EQ(dividirighe("x\xEF\xBB\xBF"), (Lines{"x\xEF\xBB\xBF"}));
}

TEST(NameValue, LookupRules) {
  const Lines lines = {"no equals here", "=orphan", "Key=first", "KEY=second", "other=a=b", "empty="};
  EXPECT_EQ(lookupNameValue(lines, "key"), "first");
  EXPECT_EQ(lookupNameValue(lines, "OTHER"), "a=b");
  EXPECT_EQ(lookupNameValue(lines, ""), "orphan");
  EXPECT_EQ(lookupNameValue(lines, "no equals here"), "");
  EXPECT_EQ(lookupNameValue(lines, "missing"), "");
  EXPECT_TRUE(definesName(lines, "EMPTY"));
  EXPECT_FALSE(definesName(lines, "missing"));
  EXPECT_FALSE(definesName(lines, "no equals here"));
}

TEST(LeggiRighe, TellsMissingFromUnreadable) {
  TempFolder folder;
  Lines lines = {"untouched"};
  std::string errore;
  EXPECT_EQ(leggirighe(folder.file("none.txt"), lines, errore), esitolettura::mancante);
  EXPECT_FALSE(errore.empty());
  EXPECT_EQ(leggirighe(folder.dir(), lines, errore), esitolettura::illeggibile);
  folder.write("big.txt", std::string(MAXTEXTFILE + 1, 'a'));
  EXPECT_EQ(leggirighe(folder.file("big.txt"), lines, errore), esitolettura::illeggibile);
  folder.write("nul.txt", std::string("a=b\0", 4));
  EXPECT_EQ(leggirighe(folder.file("nul.txt"), lines, errore), esitolettura::illeggibile);
  EXPECT_EQ(lines, Lines{"untouched"});
  folder.write("ok.txt", "a=1\r\nb=2");
  EXPECT_EQ(leggirighe(folder.file("ok.txt"), lines, errore), esitolettura::letto);
  EXPECT_EQ(lines, (Lines{"a=1", "b=2"}));
}

TEST(ScriviRighe, ReplacesTheFileWhole) {
  TempFolder folder;
  folder.write("f.txt", "old text that is longer than the new one\r\n");
  std::string errore;
  ASSERT_TRUE(scrivirighe(folder.file("f.txt"), {"a", "", "b=c"}, errore)) << errore;
  EXPECT_EQ(folder.read("f.txt"), "a\r\n\r\nb=c\r\n");
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"f.txt"});
}

TEST(Problems, EachMessageKeptOnce) {
  clearProblems();
  reportProblem("one");
  reportProblem("two");
  reportProblem("one");
  EXPECT_EQ(problemiavvio(), (Lines{"one", "two"}));
  clearProblems();
  EXPECT_TRUE(problemiavvio().empty());
}

}  // namespace
