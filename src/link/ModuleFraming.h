// The byte framing of the module protocol, shared by every link, and the
// command letters of the host side.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace parlix {

// Command letters, one name per module operation. The module gives some
// letters a second meaning when the first argument is -1 (the "-1 forms").
inline constexpr std::uint8_t kCmdControl = 'b';       // control mode; twice: interrupt
inline constexpr std::uint8_t kCmdVersion = 'x';       // firmware ID
inline constexpr std::uint8_t kCmdReplyDelay = 'y';    // reply delay
inline constexpr std::uint8_t kCmdGroupMask = 'm';     // active group mask
inline constexpr std::uint8_t kCmdCommandCount = 'c';  // commands of a group
inline constexpr std::uint8_t kCmdReadCommand = 'p';   // -1 form: play message
inline constexpr std::uint8_t kCmdPlayMessage = 'p';
inline constexpr std::uint8_t kCmdGrammar = 'z';  // -1 form: grammar count
inline constexpr std::uint8_t kCmdSoundTable = 'h';
inline constexpr std::uint8_t kCmdRecognizeCommand = 'd';  // -1 form: read message
inline constexpr std::uint8_t kCmdReadMessage = 'd';
inline constexpr std::uint8_t kCmdLevel = 'v';  // -1 form: check message memory
inline constexpr std::uint8_t kCmdCheckMemory = 'v';
inline constexpr std::uint8_t kCmdCreateCommand = 'g';
inline constexpr std::uint8_t kCmdRemoveCommand = 'u';
inline constexpr std::uint8_t kCmdEraseCommand = 'e';  // -1 form: erase message
inline constexpr std::uint8_t kCmdEraseMessage = 'e';
inline constexpr std::uint8_t kCmdRenameCommand = 'n';
inline constexpr std::uint8_t kCmdTrainCommand = 't';  // -1 form: trailing silence
inline constexpr std::uint8_t kCmdTrailingSilence = 't';
inline constexpr std::uint8_t kCmdRecognizeWord = 'i';
inline constexpr std::uint8_t kCmdCommandData = '~';  // first argument picks the function
inline constexpr std::uint8_t kCmdResetMemory = 'r';  // -1 form: record message
inline constexpr std::uint8_t kCmdRecordMessage = 'r';
inline constexpr std::uint8_t kCmdPlaySound = 'w';  // -1 form: play tone
inline constexpr std::uint8_t kCmdPlayTone = 'w';
inline constexpr std::uint8_t kCmdSendToken = 'j';
inline constexpr std::uint8_t kCmdReceiveToken = 'f';  // -1 form: fast recognition
inline constexpr std::uint8_t kCmdFastRecognition = 'f';
inline constexpr std::uint8_t kCmdPin = 'q';
inline constexpr std::uint8_t kCmdLanguage = 'l';  // -1 form: real-time lip-sync
inline constexpr std::uint8_t kCmdLipsync = 'l';
inline constexpr std::uint8_t kCmdKnob = 'k';  // -1 form: microphone distance
inline constexpr std::uint8_t kCmdMicDistance = 'k';
inline constexpr std::uint8_t kCmdTimeout = 'o';

// First argument of kCmdCommandData.
inline constexpr std::int32_t kDataImport = 8;
inline constexpr std::int32_t kDataVerify = 21;
inline constexpr std::int32_t kDataExport = 23;

inline constexpr std::uint8_t kStatusDone = 'o';   // success, nothing follows
inline constexpr std::uint8_t kArgRequest = 0x20;  // one space asks for one reply argument

// One argument byte carries -1 to 31; wider values are split by the command.
inline constexpr std::int32_t kArgMin = -1;
inline constexpr std::int32_t kArgMax = 31;

constexpr bool IsArgumentValue(std::int32_t value) {
    return value >= kArgMin && value <= kArgMax;
}

// An argument value travels as one byte: 0 is 'A', -1 is '@', 31 is '`'. A
// value outside -1..31 is refused: its byte would mean something else to the
// module, even another command.
constexpr bool EncodeArgument(std::int32_t value, std::uint8_t& byte) {
    if (!IsArgumentValue(value)) return false;
    byte = static_cast<std::uint8_t>(value + 0x41);
    return true;
}

// A reply argument must lie in '@'..'`'; false for anything else.
constexpr bool DecodeArgument(std::uint8_t byte, std::int32_t& value) {
    if (byte < 0x40 || byte > 0x60) return false;
    value = static_cast<std::int32_t>(byte) - 0x41;
    return true;
}

// The module needs 50 ms after some argument bytes before it reads on.
bool NeedsPauseAfterArgument(std::uint8_t command, std::size_t argIndex,
                             std::span<const std::int32_t> args);

// Model name for an identity byte, and the revision it stands for.
std::string ModelName(std::uint8_t identity);
int Revision(std::uint8_t identity);

}  // namespace parlix
