// The log-in window's type-ahead.
#include "stats/type_ahead.h"

#include <gtest/gtest.h>

#include "stats_files.h"

using namespace vella;

namespace {

std::vector<PlayerName> Names(std::initializer_list<const char*> typed) {
    std::vector<PlayerName> names;
    for (const char* name : typed) names.push_back(Player(name));
    return names;
}

// What the box shows: the text, where the selection starts and how long it is ("BOB 1+2").
std::string Shows(const TypeAhead& ahead) {
    const auto& shown = ahead.Shown();
    return shown.Text + " " + std::to_string(shown.SelStart) + "+" +
           std::to_string(shown.SelLength);
}

TEST(TypeAhead, CompletesToTheFirstMatchWithTheRemainderSelected) {
    TypeAhead ahead(Names({"BOB", "BORIS"}), 2);
    ASSERT_TRUE(ahead.KeyPress(U'b'));
    EXPECT_EQ(Shows(ahead), "BOB 1+2");
    ASSERT_TRUE(ahead.KeyPress(U'o'));
    EXPECT_EQ(Shows(ahead), "BOB 2+1");
    ASSERT_TRUE(ahead.KeyPress(U'r'));
    EXPECT_EQ(Shows(ahead), "BORIS 3+2");
    ASSERT_TRUE(ahead.KeyPress(U'x'));
    EXPECT_EQ(Shows(ahead), "BORX 4+0");
}

// A name with letters the stored form cannot hold is never silently turned into question
// marks: the type-ahead knows which were typed, each once, until Backspace takes them out.
TEST(TypeAhead, KnowsTheCharactersAStoredNameCannotHold) {
    // Typed, then what of it the stored form cannot hold. (The formatters of different releases
    // measure these letters' widths differently.)
    // clang-format off
    const std::pair<std::u32string, std::u32string> names[] = {
        {U"Иван", U"Иван"}, {U"Петр", U"Петр"}, {U"Πέτρος", U"Πέτρος"}, {U"王小明", U"王小明"},
        {U"Ann😀", U"😀"}, {U"Zoë", U""}, {U"José", U""}, {U"O'Brien?", U""}, {U"ÆØÅ œ š ž", U""}};
    // clang-format on
    for (const auto& [typed, unstorable] : names) {
        TypeAhead ahead(Names({"ANN"}), 1);
        for (char32_t key : typed) ahead.KeyPress(key);
        EXPECT_EQ(ahead.Unstorable(), unstorable) << typed.size();
    }
    TypeAhead ahead({}, 0);
    for (char32_t key : U"Ив") ahead.KeyPress(key);
    ahead.KeyPress(TypeAhead::Backspace);
    EXPECT_EQ(ahead.Unstorable(), U"И");
    ahead.KeyPress(TypeAhead::Backspace);
    ahead.KeyPress(U'I');
    EXPECT_EQ(ahead.Unstorable(), U"");

    // The box shows them as typed, and completes to no name.
    TypeAhead shown(Names({"ZO?"}), 1);
    for (char32_t key : {U'z', U'o', U'\U0001F600'}) shown.KeyPress(key);
    EXPECT_EQ(Shows(shown), "ZO\U0001F600 3+0");
}

TEST(TypeAhead, BackspaceEditsTheTypedTextWithoutCompleting) {
    TypeAhead ahead(Names({"BOB"}), 1);
    ahead.KeyPress(U'b');
    ahead.KeyPress(TypeAhead::Backspace);
    EXPECT_EQ(ahead.Shown().Text, "");
    ahead.KeyPress(TypeAhead::Backspace);  // in an empty box
    EXPECT_EQ(ahead.Shown().Text, "");
    ahead.KeyPress(U'b');
    ahead.KeyPress(U'o');
    ahead.KeyPress(TypeAhead::Backspace);
    EXPECT_EQ(Shows(ahead), "B 1+0");
    // Delete takes a completion away, as an edit box deletes a selection: "BO" beside "BOB".
    ahead.KeyPress(U'o');
    EXPECT_EQ(ahead.Shown().SelLength, 1);
    ASSERT_TRUE(ahead.KeyPress(TypeAhead::Delete));
    EXPECT_EQ(Shows(ahead), "BO 2+0");
}

// C0 controls and the C1 controls are ignored; the printable characters either side of them are
// typed.
TEST(TypeAhead, ControlCharactersAreIgnored) {
    TypeAhead ahead(Names({"BOB"}), 1);
    for (char32_t key : {0x00, 0x0D, 0x16, 0x1B, 0x1F, 0x85, 0x9F}) {
        EXPECT_FALSE(ahead.KeyPress(key)) << std::hex << unsigned(key);
    }
    EXPECT_EQ(ahead.Shown().Text, "");
    for (char32_t key : {0x20, 0x7E, 0xA0, 0xE9, 0x4E2D}) EXPECT_TRUE(ahead.KeyPress(key));
    EXPECT_EQ(ahead.Shown().Text, " ~\u00A0É中");  // é upper-cased in the code page; 中 as typed
}

TEST(TypeAhead, TypedTextLongerThanTheEntryDoesNotMatchIt) {
    TypeAhead ahead(Names({"BOB", "BOB SMITH"}), 2);
    for (char32_t c : U"bob ") {
        if (c) ahead.KeyPress(c);
    }
    EXPECT_EQ(Shows(ahead), "BOB SMITH 4+5");
}

TEST(TypeAhead, EntriesBeyondPlayerCountAreNeverMatched) {
    TypeAhead ahead(Names({"ANN", "ZED"}), 1);
    ahead.KeyPress(U'z');
    EXPECT_EQ(ahead.Shown().Text, "Z");
}

}  // namespace
