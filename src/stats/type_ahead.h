// The log-in window's type-ahead: every key typed into the name box rebuilds the box from the
// text typed so far, completed with the first listed name it begins.
#pragma once

#include <string>
#include <vector>

#include "stats/player_name.h"

namespace vella {

class TypeAhead {
  public:
    // What the name box shows after a key: its text (UTF-8) and the selection, in characters. A
    // character the file cannot hold is shown as typed.
    struct Box {
        std::string Text;
        int SelStart = 0;
        int SelLength = 0;
    };

    // `entries`: the players' names; only the first `playerCount` are searched (an entry
    // appended for a player without a record is not).
    TypeAhead(const std::vector<PlayerName>& entries, int playerCount);

    static constexpr char32_t Backspace = 8;
    // Delete, as an edit box takes it: a completion shown is taken away, leaving what was typed.
    static constexpr char32_t Delete = 0x7F;

    // One key as a Unicode code point. Backspace and Delete edit; a printable character is
    // appended in upper case; any other control character changes nothing and returns false.
    bool KeyPress(char32_t key);

    // The characters typed so far that a stored name cannot hold (Windows-1252 has no place for
    // them: they stand as '?' in the text), each once, in the order typed.
    std::u32string Unstorable() const;
    const Box& Shown() const { return box_; }

  private:
    std::string Typed() const;

    std::vector<std::string> entries_;  // in the file's code page, compared with what is typed
    int playerCount_;
    std::string typedText_;     // in the file's code page, upper case
    std::u32string typedKeys_;  // the keys behind typedText_, one for each of its characters
    Box box_;
};

}  // namespace vella
