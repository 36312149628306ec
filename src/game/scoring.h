// Checking a submitted row: the refusal rules and the score of blacks and whites.
#pragma once

#include <string>
#include <string_view>

#include "game/rules.h"
#include "text/text.h"

namespace vella {

inline constexpr Text BlanksRefusal =
    VC_TEXT("Game", "You left some blanks.  Try your guess again.");
inline constexpr Text RepeatsRefusal =
    VC_TEXT("Game", "You repeated some colors.  Try your guess again");

struct CheckOutcome {
    std::string Refusal;  // the message to show, translated; empty when the row was scored
    std::int16_t Blacks = 0;
    std::int16_t Whites = 0;

    bool Refused() const { return !Refusal.empty(); }
};

// Holes are tested left to right and the first failing one decides the refusal; at one hole the
// blank rule comes before the repeat rule. A blank is compared like any colour code, so it is
// scored like one too.
CheckOutcome CheckGuess(const Pattern& row, const Pattern& secret, const GameOptions& options);

}  // namespace vella
