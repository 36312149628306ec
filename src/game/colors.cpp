// The game type of a pair of options.
#include "game/colors.h"

namespace vella {

std::int16_t GetGameType(const GameOptions& options) {
    return static_cast<std::int16_t>((options.BlanksAllowed ? 1 : 0) +
                                     (options.RepeatsAllowed ? 2 : 0));
}

}  // namespace vella
