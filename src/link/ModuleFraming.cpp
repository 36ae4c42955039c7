#include "link/ModuleFraming.h"

#include <string_view>

namespace parlix {

bool NeedsPauseAfterArgument(std::uint8_t command, std::size_t argIndex,
                             std::span<const std::int32_t> args) {
    if (std::string_view("cdegnptu").find(static_cast<char>(command)) != std::string_view::npos)
        return argIndex == 0;
    if (command == '~' && !args.empty()) {
        if (argIndex == 1) return args[0] == 23 || args[0] == 8;
        if (argIndex == 2) return args[0] == 23;
    }
    return false;
}

std::string ModelName(std::uint8_t identity) {
    if (identity == 'A') return "Zorin";
    return identity < 'I' ? "Parlix" : "Parlix 3";
}

int Revision(std::uint8_t identity) {
    if (identity > 'H') identity = static_cast<std::uint8_t>(identity - 8);
    return static_cast<int>(identity) - 0x41;
}

}  // namespace parlix
