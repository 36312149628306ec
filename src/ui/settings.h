// The player's own choices that the program keeps from one run to the next, each under one key
// of the platform's settings store.
#pragma once

namespace vella::settings {

// Options > Peg Symbols; off until the player turns it on.
bool PegSymbols();
void SetPegSymbols(bool on);

}  // namespace vella::settings
