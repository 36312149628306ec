// Fuzz target: the log-in type-ahead fed any key sequence (Backspace and Delete among them) over
// any list of names. The box must always show the typed text or a listed name, with the
// selection inside it.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "stats/type_ahead.h"

// The characters of UTF-8 text, as the box counts its selection.
static int Characters(const std::string& utf8) {
    int count = 0;
    for (const char c : utf8) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::size_t listed = data[0] % 6;
    std::size_t at = 1;
    std::vector<vella::PlayerName> entries;
    for (std::size_t i = 0; i < listed && at + 15 <= size; ++i, at += 15) {
        entries.push_back(vella::PlayerName::FromField(
            std::string_view(reinterpret_cast<const char*>(data + at), 15)));
    }
    const int playerCount = static_cast<int>(entries.size()) - (size % 2 ? 1 : 0);
    vella::TypeAhead ahead(entries, playerCount);
    int typed = 0;  // the characters typed and not taken back
    for (; at + 3 <= size; at += 3) {
        const char32_t key = (data[at] | (data[at + 1] << 8) | (data[at + 2] << 16)) % 0x110000;
        if (!ahead.KeyPress(key)) continue;
        if (key == vella::TypeAhead::Backspace) {
            typed = std::max(0, typed - 1);
        } else if (key != vella::TypeAhead::Delete) {  // Delete takes away a completion only
            ++typed;
        }
        const auto& box = ahead.Shown();
        const int length = Characters(box.Text);
        if (box.SelStart != typed || box.SelLength < 0 || box.SelStart + box.SelLength > length)
            std::abort();
        // The typed text alone, or a completion to a listed player.
        if (box.SelLength == 0 && length != typed) std::abort();
        const auto listedAs = [&](const vella::PlayerName& name) {
            return name.Text() == box.Text;
        };
        if (box.SelLength > 0 &&
            std::none_of(entries.begin(), entries.begin() + std::max(0, playerCount), listedAs))
            std::abort();
    }
    return 0;
}
