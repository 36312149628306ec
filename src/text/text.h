// The program's words in the player's language. Every text a person reads or hears is written
// once, in English, where it is decided, and marked there for the catalogues: Tr("Context",
// "Whole sentence with %1") where it is used at once, VC_TEXT("Context", "…") for a text kept
// in a constant and said later with Tr(text). `make translations` collects both forms into
// translations/*.ts. The windows install the player's language (UseLanguage) before the first
// text is said; until then, and for a text with no translation, the English stands.
//
// A sentence is translated whole: what differs from one use to the next is filled in with
// Fill's %1 … %9, never glued on around a translated fragment.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// A text for the catalogues, kept to be said later.
#define VC_TEXT(context, source) \
    ::vella::Text {              \
        context, source          \
    }

namespace vella {

struct Text {
    const char* Context;  // where it is said, for the translator: "Captions", "Messages" …
    const char* Source;   // the English, UTF-8
};

// The player's language, as the windows provide it.
class Language {
  public:
    virtual ~Language() = default;
    // `source` in this language; empty where it has no translation.
    virtual std::string Translate(const char* context, const char* source) const = 0;
    // The character that separates a number's decimals: "." or ",".
    virtual std::string DecimalPoint() const = 0;
};

// Makes `language` the one every text is said in; nullptr: English. It must outlive its use.
void UseLanguage(const Language* language);
// The language installed last; nullptr: English.
const Language* CurrentLanguage();

// The text in the player's language.
std::string Tr(const char* context, const char* source);
inline std::string Tr(Text text) {
    return Tr(text.Context, text.Source);
}

// `pattern` with %1 … %9 replaced by `values`, as QString::arg numbers them; a number with no
// value stays as it is.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values);

// A number written with the player's decimal point ("4.3", "4,3").
std::string WithDecimalPoint(std::string number);

}  // namespace vella
