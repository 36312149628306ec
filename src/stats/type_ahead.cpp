// The log-in window's type-ahead.
#include "stats/type_ahead.h"

#include <algorithm>

#include "stats/code_page.h"

namespace vella {
namespace {

bool IsControl(char32_t key) {
    return key < 0x20 || (key >= 0x7F && key < 0xA0);
}

}  // namespace

TypeAhead::TypeAhead(const std::vector<PlayerName>& entries, int playerCount)
    : playerCount_(std::clamp(playerCount, 0, static_cast<int>(entries.size()))) {
    for (const PlayerName& entry : entries) entries_.push_back(Utf8ToAnsi(entry.Text()));
}

bool TypeAhead::KeyPress(char32_t key) {
    if (key == Delete) {
        box_ = Box{Typed(), static_cast<int>(typedText_.size()), 0};
        return true;
    }
    const bool backspace = key == Backspace;
    if (!backspace && IsControl(key)) return false;

    if (backspace) {
        if (!typedText_.empty()) typedText_.pop_back();
        if (!typedKeys_.empty()) typedKeys_.pop_back();
    } else {
        typedText_ += AnsiUpper(static_cast<char>(CodePointToAnsi(key)));
        typedKeys_ += key;
    }

    // An entry matches only when its text without the padding is at least as long as what was
    // typed, so the completion never reaches past the end of the box; a name with characters the
    // file cannot hold matches none.
    std::string match;
    bool matchFound = !Unstorable().empty();
    for (int i = 0; i < playerCount_ && !matchFound; ++i) {
        const std::string_view trimmed = entries_[i];
        if (trimmed.size() >= typedText_.size() &&
            trimmed.compare(0, typedText_.size(), typedText_) == 0) {
            matchFound = true;
            match = trimmed;
        }
    }

    const int typed = static_cast<int>(typedText_.size());
    if (backspace || match.empty()) {
        box_ = Box{Typed(), typed, 0};
    } else {
        box_ = Box{AnsiToUtf8(match), typed, static_cast<int>(match.size()) - typed};
    }
    return true;
}

// What was typed, upper case where the file's code page has the letter, and every character it
// cannot hold as it was typed, so that the person sees what the refusal will name.
std::string TypeAhead::Typed() const {
    std::string shown;
    for (std::size_t i = 0; i < typedKeys_.size(); ++i) {
        const bool held = typedText_[i] != '?' || typedKeys_[i] == U'?';
        shown += held ? AnsiToUtf8(typedText_.substr(i, 1)) : CodePointToUtf8(typedKeys_[i]);
    }
    return shown;
}

std::u32string TypeAhead::Unstorable() const {
    std::u32string lost;
    for (char32_t key : typedKeys_) {
        if (key != U'?' && CodePointToAnsi(key) == '?' && lost.find(key) == std::u32string::npos)
            lost += key;
    }
    return lost;
}

}  // namespace vella
