#include "text/Textrout.h"

#include <gtest/gtest.h>

namespace {

TEST(Textrout, TrimCutAndParts) {
  EXPECT_EQ(trimspazi("  ab c  "), "ab c");
  EXPECT_EQ(trimspazi("\tab \t"), "\tab \t");  // blanks only, not tabs
  EXPECT_EQ(trimspazi("   "), "");
  EXPECT_EQ(tagliainizio("abcdef", 2), "cdef");
  EXPECT_EQ(tagliainizio("abc", 9), "");
  EXPECT_EQ(tagliainizio("abc", -1), "abc");
  EXPECT_EQ(tagliafine("abcdef", 2), "abcd");
  EXPECT_EQ(tagliafine("abc", 9), "");
  EXPECT_EQ(sinistra("abcdef", 3), "abc");
  EXPECT_EQ(sinistra("abc", 9), "abc");
  EXPECT_EQ(sinistra("abc", -1), "");
  EXPECT_EQ(destra("abcdef", 2), "ef");
  EXPECT_EQ(destra("abc", 9), "abc");
  EXPECT_EQ(destra("abc", 0), "");
}

TEST(Textrout, FieldsBySeparator) {
  EXPECT_EQ(campo("a,b,c", ',', 0), "a");
  EXPECT_EQ(campo("a,b,c", ',', 1), "b");
  EXPECT_EQ(campo("a,b,c", ',', 2), "c");
  EXPECT_EQ(campo("a,b,c", ',', 5), "");
  EXPECT_EQ(campo("a,,c", ',', 1), "");
  EXPECT_EQ(campo("abc", ',', 0), "abc");
  EXPECT_EQ(campo(",x", ',', 0), "");
  EXPECT_EQ(campo("a,b", ',', -1), "");
}

TEST(Textrout, PaddingToAnExactWidth) {
  EXPECT_EQ(allineasinistra("ab", 4), "ab  ");
  EXPECT_EQ(allineasinistra("abcdef", 3), "abc");
  EXPECT_EQ(allineadestra("12345", 3), "345");
  EXPECT_EQ(allineadestra("ab", 4), "  ab");
  EXPECT_EQ(allineadestra("abc", -1), "");
}

TEST(Textrout, NumbersOrZero) {
  EXPECT_EQ(numero("  42  "), 42);
  EXPECT_EQ(numero("-7"), -7);
  EXPECT_EQ(numero("+8"), 8);
  EXPECT_EQ(numero("-2147483648"), -2147483647 - 1);
  for (const char* bad : {"", "   ", "4x", "4 2", "+-5", "-+5", "+", "-", "3.5", "2147483648", "\t5", "0x10"}) {
    EXPECT_EQ(numero(bad), 0) << '"' << bad << '"';
    int v = 123;
    EXPECT_FALSE(readInteger(bad, v)) << '"' << bad << '"';
    EXPECT_EQ(v, 123) << "a failed conversion must leave its target alone";
  }
}

TEST(Textrout, TextBetweenDelimitersAndUpperCase) {
  EXPECT_EQ(tradelimitatori("[ROUND \"5\"]", '"'), "5");
  EXPECT_EQ(tradelimitatori("[EVENT \"Open \"A\"\"]", '"'), "Open ");
  EXPECT_EQ(tradelimitatori("[ROUND \"\"]", '"'), "");
  EXPECT_EQ(tradelimitatori("no quotes", '"'), "");
  EXPECT_EQ(tradelimitatori("[SITE \"Rome", '"'), "Rome");
  EXPECT_EQ(maiuscolo("Nf3 e8=q\xe0"), "NF3 E8=Q\xe0");
}

}  // namespace
