// Names travel through the core as Windows-1252 bytes, the code page of the statistics file;
// the windows show them as QString.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace vella {

QString FromAnsi(std::string_view ansi);
std::string ToAnsi(const QString& text);

}  // namespace vella
