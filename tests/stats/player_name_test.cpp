// Player names and the Windows-1252 code page.
#include "stats/player_name.h"

#include <gtest/gtest.h>

#include "stats/code_page.h"

using namespace vella;

namespace {

std::string FieldOf(std::string_view typed) {
    const auto name = PlayerName::FromTyped(typed);
    return name ? name->Field() : "(refused)";
}

TEST(PlayerNames, TheFieldIsUpperCaseCutOrPaddedToFifteenAndNeedsAVisibleCharacter) {
    const std::vector<std::pair<std::string, std::string>> typedToField = {
        {"smith", "SMITH          "},
        {"abcdefghijklmnopqrst", "ABCDEFGHIJKLMNO"},
        {" bob", " BOB           "},
        {"jos\xC3\xA9", "JOS\xC9           "},  // é, in the code page
        {"", "(refused)"},
        {"               ", "(refused)"},
        {"\x7F\xC2\xA0\xC3\xBF\x1F", "(refused)"},  // DEL, no-break space, ÿ, a control
        {"               x", "(refused)"},          // the visible one lies past the cut
        {"\xC2\xA1", "\xA1              "},         // ¡
    };
    for (const auto& [typed, field] : typedToField) EXPECT_EQ(FieldOf(typed), field) << typed;
    EXPECT_EQ(PlayerName::FromTyped("Smith"), PlayerName::FromTyped("SMITH"));
    EXPECT_NE(PlayerName::FromTyped(" bob"), PlayerName::FromTyped("bob"));
}

TEST(PlayerNames, TextDropsThePaddingAndDisplayLowersAllButTheFirst) {
    const std::vector<std::array<std::string, 3>> fieldTextDisplay = {
        {"O'NEIL         ", "O'NEIL", "O'neil"},
        {"ABCDEFGHIJKLMNO", "ABCDEFGHIJKLMNO", "Abcdefghijklmno"},
        {" BOB           ", " BOB", " bob"},
        {"               ", "", " "},
        {"JOS\xC9           ", "JOS\xC3\x89", "Jos\xC3\xA9"},
        {std::string("A\0B", 3) + std::string(12, ' '), std::string("A\0B", 3),
         std::string("A\0b", 3)},
    };
    for (const auto& [field, text, display] : fieldTextDisplay) {
        const PlayerName name = PlayerName::FromField(field);
        EXPECT_EQ(name.Field(), field);
        EXPECT_EQ(name.Text(), text);
        EXPECT_EQ(name.Display(), display);
    }
    EXPECT_TRUE(PlayerName().Empty());
    EXPECT_EQ(PlayerName().Display(), "");
}

TEST(PlayerNames, CodePageRoundTripsEveryByteAndReplacesWhatItCannotHold) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(all)), all);
    EXPECT_EQ(AnsiToUtf8("\x80"), "\xE2\x82\xAC");  // the euro sign
    EXPECT_EQ(Utf8ToAnsi("\xE4\xB8\xAD\xF0\x9F\x98\x80!\xFF\x41"),
              "?"
              "?!?A");  // CJK, emoji, broken
    EXPECT_EQ(std::string({AnsiUpper('\x9A'), AnsiLower('\x8A'), AnsiUpper('\xF7')}),
              "\x8A\x9A\xF7");  // š, Š, and ÷ without case
}

}  // namespace
