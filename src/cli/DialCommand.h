// `parlix-cli dial [--duration MS] NUMBER`: the Compose button of the Dial
// Phone Number dialog on the terminal.
#pragma once

#include "cli/Session.h"

#include <string>

namespace parlix::cli {

// Plays the number's tones with the duration normalised as the dialog does,
// waiting on each ',' and skipping what cannot be dialled; stops at the first
// failure. Prints the number as dialled; 0 when every tone played, else 1.
int Dial(Session& session, const std::string& number, int durationMs);

}  // namespace parlix::cli
