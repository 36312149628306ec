// Fuzz target: the log-in type-ahead fed any key sequence over any list of names. The box must
// always show the typed text or a listed name, with the selection inside it.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "stats/names.h"
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
    std::vector<std::string> entries;
    for (std::size_t i = 0; i < listed && at + 15 <= size; ++i, at += 15) {
        entries.emplace_back(reinterpret_cast<const char*>(data + at), 15);
    }
    const int playerCount = static_cast<int>(entries.size()) - (size % 2 ? 1 : 0);
    vella::TypeAhead ahead(entries, playerCount);
    for (; at + 3 <= size; at += 3) {
        const char32_t key = (data[at] | (data[at + 1] << 8) | (data[at + 2] << 16)) % 0x110000;
        ahead.KeyPress(key);
        const auto& box = ahead.Shown();
        const int length = Characters(box.Text);
        if (box.SelStart < 0 || box.SelLength < 0 || box.SelStart + box.SelLength > length)
            std::abort();
        if (box.SelStart != Characters(ahead.TypedText())) std::abort();
        // A completion begins with what was typed; the typed text alone has its length.
        if (box.SelLength > 0 && box.Text.compare(0, ahead.TypedText().size(), ahead.TypedText()))
            std::abort();
        if (box.SelLength == 0 && Characters(box.Text) != box.SelStart) std::abort();
    }
    return 0;
}
