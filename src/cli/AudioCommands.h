// `parlix-cli tokens listen` and `parlix-cli lipsync`: the module's token
// listening and lip-sync output followed on the terminal until the module
// ends them, a count is reached, or the user presses Ctrl+C.
#pragma once

#include "cli/Session.h"

namespace parlix::cli {

struct TokenListenOptions {
    int bits = 4;
    int rejection = 1;
    int count = 0;  // 0: until Ctrl+C
};

// Prints each token heard, one a line. 0 when the count was reached or the
// user stopped it, 1 when listening failed.
int ListenTokens(Session& session, const TokenListenOptions& options);

// Prints each level as the module reports it, one a line. 0 when the module
// ended it or the user stopped it, 1 on a failure.
int FollowLipsync(Session& session, int threshold, int seconds);

}  // namespace parlix::cli
