// Checking a submitted row.
#include "game/scoring.h"

#include <algorithm>

namespace vella {

CheckOutcome CheckGuess(const Pattern& row, const Pattern& secret, const GameOptions& options) {
    const ColorCode blankCode = BlankCodeFor(options);
    CheckOutcome outcome;
    std::array<bool, RowLength> guessUsed{};
    std::array<bool, RowLength> secretUsed{};

    for (int k = 0; k < RowLength; ++k) {
        if (!options.BlanksAllowed && row[k] == blankCode) {
            return CheckOutcome{Tr(BlanksRefusal)};
        }
        if (!options.RepeatsAllowed &&
            std::find(row.begin(), row.begin() + k, row[k]) != row.begin() + k) {
            return CheckOutcome{Tr(RepeatsRefusal)};
        }
        if (row[k] == secret[k]) {
            ++outcome.Blacks;
            guessUsed[k] = secretUsed[k] = true;
        }
    }

    // Each remaining guess peg pairs with the leftmost secret peg of its colour still free.
    for (int k = 0; k < RowLength; ++k) {
        for (int j = 0; j < RowLength && !guessUsed[k]; ++j) {
            if (!secretUsed[j] && row[k] == secret[j]) {
                ++outcome.Whites;
                guessUsed[k] = secretUsed[j] = true;
            }
        }
    }
    return outcome;
}

}  // namespace vella
