// Shell operations that train, recognise and edit commands.
#include "cli/ShellOperations.h"
#include "module/ModuleController.h"

namespace parlix::cli {

void AddEditOperations(std::vector<ShellOperation>&) {}

}  // namespace parlix::cli
