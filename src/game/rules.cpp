// The game type of a pair of options.
#include "game/rules.h"

namespace vella {

GameType GetGameType(const GameOptions& options) {
    return static_cast<GameType>((options.BlanksAllowed ? 1 : 0) +
                                 (options.RepeatsAllowed ? 2 : 0));
}

}  // namespace vella
