// Asking a port whether the module behind it runs its firmware loader, as
// it does after a firmware download that did not finish.
#pragma once

#include <string>

namespace parlix {

// Sends the loader's ping frame at 9600 baud and waits briefly for its
// acknowledgement. None of the frame's bytes is a module command, so a
// running module takes them for stray arguments and stays as it was; the
// loader's own wake sequence would stop it instead.
bool AnswersAsLoader(const std::string& port);

}  // namespace parlix
