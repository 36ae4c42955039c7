// Module commands that read what the module stores.
#include "app/Text.h"
#include "module/Exchange.h"

namespace parlix {
namespace {
constexpr const char* kCtx = "Controller";
}

bool CModuleController::ReadVersionId(int& id) {
    CExchange x(*this);
    std::uint8_t status = 0;
    if (!x.Send('x') || !x.Receive(status, 30))
        return x.LinkFailure(Tr(kCtx, "Could not read version ID.\n"));
    std::int32_t value = 0;
    if (status != 'x' || !x.Fetch({&value, 1})) return x.UnexpectedOrInvalid(status);
    id = value;
    return true;
}

}  // namespace parlix
