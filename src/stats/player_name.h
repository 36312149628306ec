// A player's name, one value from the moment it is typed or read from the statistics file: the
// file's 15-byte name field (Windows-1252, upper case, padded with spaces), which decides who a
// record belongs to, and the forms the program shows of it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vella {

class PlayerName {
  public:
    // Nobody.
    PlayerName() = default;

    // A typed name (UTF-8) as the file will keep it: upper case, its first 15 characters. None
    // when those hold no visible character, so that no name is stored blank.
    static std::optional<PlayerName> FromTyped(std::string_view typed);
    // The name in a record's name field, byte for byte, whatever the bytes are; `field` holds
    // the field's 15 bytes.
    static PlayerName FromField(std::string_view field);

    // The 15 bytes of the file's name field; empty for nobody.
    const std::string& Field() const { return field_; }
    // "BOB SMITH": UTF-8 without the padding, as lists show it.
    std::string Text() const;
    // "Bob smith": the first character as it is, the rest in lower case, as messages and the
    // game window's caption write it.
    std::string Display() const;
    bool Empty() const { return field_.empty(); }

    bool operator==(const PlayerName&) const = default;

  private:
    explicit PlayerName(std::string field) : field_(std::move(field)) {}

    std::string field_;
};

}  // namespace vella
