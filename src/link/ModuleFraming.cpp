#include "link/ModuleFraming.h"

namespace parlix {

bool NeedsPauseAfterArgument(std::uint8_t command, std::size_t argIndex,
                             std::span<const std::int32_t> args) {
    switch (command) {
        case kCmdCommandCount:
        case kCmdRecognizeCommand:  // and read message
        case kCmdEraseCommand:      // and erase message
        case kCmdCreateCommand:
        case kCmdRenameCommand:
        case kCmdReadCommand:   // and play message
        case kCmdTrainCommand:  // and trailing silence
        case kCmdRemoveCommand:
            return argIndex == 0;
        case kCmdCommandData:
            if (args.empty()) return false;
            if (argIndex == 1) return args[0] == kDataExport || args[0] == kDataImport;
            if (argIndex == 2) return args[0] == kDataExport;
            return false;
        default:
            return false;
    }
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
