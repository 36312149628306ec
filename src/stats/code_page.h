// The statistics file's code page, Windows-1252: its bytes to UTF-8 and back, and its case.
#pragma once

#include <string>
#include <string_view>

namespace vella {

// Windows-1252 text to UTF-8 and back. Every one of the 256 bytes round-trips (the five bytes the
// code page leaves undefined map to the C1 controls of the same value); a character the code page
// cannot hold becomes '?'.
std::string AnsiToUtf8(std::string_view ansi);
std::string Utf8ToAnsi(std::string_view utf8);
std::string CodePointToUtf8(char32_t codePoint);

// The code point of one Windows-1252 byte, and the byte of a code point ('?' if none).
char32_t AnsiToCodePoint(unsigned char byte);
unsigned char CodePointToAnsi(char32_t codePoint);

// The code page's own upper and lower case of a byte; a byte without case is returned as it is.
char AnsiUpper(char c);
char AnsiLower(char c);

}  // namespace vella
