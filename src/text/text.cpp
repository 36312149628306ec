// The player's language, as the windows installed it.
#include "text/text.h"

#include <vector>

namespace vella {
namespace {

const Language* current = nullptr;

}  // namespace

void UseLanguage(const Language* language) {
    current = language;
}

const Language* CurrentLanguage() {
    return current;
}

std::string Tr(const char* context, const char* source) {
    if (current) {
        std::string translated = current->Translate(context, source);
        if (!translated.empty()) return translated;
    }
    return source;
}

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values) {
    const std::vector<std::string_view> given(values);
    std::string filled;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool marker = pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
                            pattern[i + 1] <= '9';
        const std::size_t k = marker ? static_cast<std::size_t>(pattern[i + 1] - '1') : 0;
        if (marker && k < given.size()) {
            filled += given[k];
            ++i;
        } else {
            filled += pattern[i];
        }
    }
    return filled;
}

std::string WithDecimalPoint(std::string number) {
    if (!current) return number;
    const std::size_t point = number.find('.');
    if (point != std::string::npos) number.replace(point, 1, current->DecimalPoint());
    return number;
}

}  // namespace vella
