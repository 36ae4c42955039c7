// The numbers of the model's lists. The group list of the window shows them
// in this order, one row per list, so a row number is a list number.
#pragma once

namespace parlix {

inline constexpr int kTriggerList = 0;
inline constexpr int kPasswordList = 16;
inline constexpr int kGroupLists = 17;  // lists 0 to 16 hold commands
inline constexpr int kSoundList = 17;
inline constexpr int kMessageList = 18;
inline constexpr int kFirstWordsetList = 19;  // wordset = list - 18
inline constexpr int kFirstGrammarList = 22;  // module grammar = list - 18
inline constexpr int kMaxGrammars = 28;
// A wordset or module grammar number is the list number minus this.
inline constexpr int kWordsetOffset = 18;
inline constexpr int kListCount = 50;
// The built-in trigger words, addressable like a list by the queries.
inline constexpr int kTriggerWordsList = 50;
inline constexpr int kMessageSlots = 32;
inline constexpr int kMaxCommands = 32;  // in lists 0 to 16 together

}  // namespace parlix
