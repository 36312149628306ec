// Player names.
#include "stats/player_name.h"

#include "stats/code_page.h"
#include "stats/player_rec.h"

namespace vella {
namespace {

std::string_view WithoutPadding(std::string_view field) {
    const auto last = field.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view() : field.substr(0, last + 1);
}

// Visible: a code strictly between 32 and 127, or strictly between 160 and 255.
bool HasVisibleCharacter(std::string_view ansi) {
    for (char c : ansi) {
        const auto b = static_cast<unsigned char>(c);
        if ((b > 32 && b < 127) || (b > 160 && b < 255)) return true;
    }
    return false;
}

}  // namespace

std::optional<PlayerName> PlayerName::FromTyped(std::string_view typed) {
    // The check runs on the 15 characters kept, so that a name whose visible characters all lie
    // past the cut is refused rather than stored blank.
    std::string field = Utf8ToAnsi(typed).substr(0, NameLength);
    for (char& c : field) c = AnsiUpper(c);
    if (!HasVisibleCharacter(field)) return std::nullopt;
    field.resize(NameLength, ' ');
    return PlayerName(std::move(field));
}

PlayerName PlayerName::FromField(std::string_view field) {
    std::string bytes(field.substr(0, NameLength));
    bytes.resize(NameLength, '\0');
    return PlayerName(std::move(bytes));
}

std::string PlayerName::Text() const {
    return AnsiToUtf8(WithoutPadding(field_));
}

std::string PlayerName::Display() const {
    // A name of spaces only keeps its first, as its first character is always kept.
    std::string shown(WithoutPadding(field_));
    if (shown.empty() && !field_.empty()) shown.assign(1, field_.front());
    for (std::size_t i = 1; i < shown.size(); ++i) shown[i] = AnsiLower(shown[i]);
    return AnsiToUtf8(shown);
}

}  // namespace vella
