// Shell operations for messages, sounds, tokens, pins and settings.
#include "cli/ShellOperations.h"
#include "module/ModuleController.h"

namespace parlix::cli {

void AddDeviceOperations(std::vector<ShellOperation>& ops) {
    ops.push_back({"set-reply-delay", {"MS"}, "set the module's reply delay in milliseconds",
                   [](ShellContext& s, const ShellArgs& a, ShellOutputs&) {
                       return s.controller.SetReplyDelay(a.Int(0));
                   }});
}

}  // namespace parlix::cli
