// Shell operations that read the module.
#include "cli/ShellOperations.h"
#include "module/ModuleController.h"

namespace parlix::cli {

void AddReadOperations(std::vector<ShellOperation>& ops) {
    ops.push_back({"read-version-id", {}, "read the firmware ID",
                   [](ShellContext& s, const ShellArgs&, ShellOutputs& out) {
                       int id = 0;
                       if (!s.controller.ReadVersionId(id)) return false;
                       out.emplace_back("id", std::to_string(id));
                       return true;
                   }});
}

}  // namespace parlix::cli
