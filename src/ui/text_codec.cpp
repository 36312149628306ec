// Conversions between QString and the core's Windows-1252 and UTF-8 text.
#include "ui/text_codec.h"

#include "stats/names.h"

namespace vella {

QString FromAnsi(std::string_view ansi) {
    return QString::fromStdString(AnsiToUtf8(ansi));
}

std::string ToAnsi(const QString& text) {
    return Utf8ToAnsi(text.toStdString());
}

}  // namespace vella
