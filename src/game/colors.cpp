// The game type of a pair of options.
#include "game/colors.h"

namespace vella {

std::int16_t GetGameType(const GameOptions& options) {
    return static_cast<std::int16_t>((options.BlanksAllowed ? GameTypeBit::Blanks : 0) +
                                     (options.RepeatsAllowed ? GameTypeBit::Repeats : 0));
}

}  // namespace vella
