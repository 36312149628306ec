// Player names: the stored form (Windows-1252, upper case, exactly 15 characters), the display
// form, validity, and the conversion between the file's code page and UTF-8.
#pragma once

#include <optional>
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

char AnsiUpper(char c);
char AnsiLower(char c);

// Upper case, cut to its first 15 characters or padded with spaces to 15; leading spaces kept.
std::string StoredName(std::string_view ansi);

// The name as stored without the spaces that pad it to 15 characters.
std::string_view WithoutPadding(std::string_view stored);

// First character unchanged, the rest in lower case without trailing spaces.
std::string DisplayName(std::string_view stored);

// A player's name as the rest of the program knows it: UTF-8, without the padding. The file's
// name field of a name, and the name of a field, are each other's inverse for every field.
std::string NameField(std::string_view name);
std::string NameOfField(std::string_view field);

// A typed name as the file will keep it (upper case, its first 15 characters, as a name); none
// when those hold no visible character.
std::optional<std::string> AcceptedName(std::string_view typed);

// The name as messages write it: its first character unchanged, the rest in lower case.
std::string DisplayNameOf(std::string_view name);

// Valid when at least one character is visible: ANSI code strictly between 32 and 127, or
// strictly between 160 and 255.
bool CheckName(std::string_view name);

}  // namespace vella
