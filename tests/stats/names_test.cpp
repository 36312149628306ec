// Name forms and the Windows-1252 code page.
#include "stats/names.h"

#include <gtest/gtest.h>

using namespace vella;

namespace {

TEST(Names, StoredFormIsUpperCaseCutOrPaddedToFifteen) {
    EXPECT_EQ(StoredName("smith"), "SMITH          ");
    EXPECT_EQ(StoredName("Smith"), StoredName("SMITH"));
    EXPECT_EQ(StoredName("abcdefghijklmnopqrst"), "ABCDEFGHIJKLMNO");
    EXPECT_EQ(StoredName(" bob"), " BOB           ");
    EXPECT_NE(StoredName(" bob"), StoredName("bob"));
    EXPECT_EQ(StoredName("o'neil"), "O'NEIL         ");
}

TEST(Names, DisplayFormKeepsFirstCharacterAndLowersTheRest) {
    EXPECT_EQ(DisplayName("O'NEIL         "), "O'neil");
    EXPECT_EQ(DisplayName("MCDONALD       "), "Mcdonald");
    EXPECT_EQ(DisplayName("ABCDEFGHIJKLMNO"), "Abcdefghijklmno");
    EXPECT_EQ(DisplayName("MARY-ANN       "), "Mary-ann");
    EXPECT_EQ(DisplayName(" BOB           "), " bob");
    EXPECT_EQ(DisplayName(""), "");
}

TEST(Names, ValidWhenOneCharacterIsVisible) {
    EXPECT_FALSE(CheckName(""));
    EXPECT_FALSE(CheckName("               "));
    EXPECT_FALSE(CheckName(std::string("\x7F\xA0\xFF\x1F", 4)));
    EXPECT_TRUE(CheckName("  a"));
    EXPECT_TRUE(CheckName("\xA1"));
    EXPECT_TRUE(CheckName("\xFE"));
}

TEST(Names, CodePageRoundTripsEveryByteAndReplacesWhatItCannotHold) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(all)), all);
    EXPECT_EQ(AnsiToUtf8("\x80"), "\xE2\x82\xAC");     // the euro sign
    EXPECT_EQ(Utf8ToAnsi("Jos\xC3\xA9"), "Jos\xE9");   // é
    EXPECT_EQ(Utf8ToAnsi("\xE4\xB8\xAD"), "?");        // a CJK character
    EXPECT_EQ(Utf8ToAnsi("\xF0\x9F\x98\x80!"), "?!");  // an emoji
    EXPECT_EQ(Utf8ToAnsi("\xFF\x41"), "?A");           // broken UTF-8
    EXPECT_EQ(StoredName(Utf8ToAnsi("jos\xC3\xA9")), "JOS\xC9           ");
    EXPECT_EQ(AnsiUpper('\x9A'), '\x8A');  // š
    EXPECT_EQ(AnsiLower('\x8A'), '\x9A');
    EXPECT_EQ(AnsiUpper('\xF7'), '\xF7');  // ÷ has no case
}

}  // namespace
