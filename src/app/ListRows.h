// The rows of the window's group list, which are the model's lists in their
// order (a row number is a list number), and what kind of list each row is.
// The front ends name rows through this header only.
#pragma once

#include "module/ListNumbers.h"

#include <optional>

namespace parlix {

enum class ListKind { Trigger, Group, Password, SoundTable, Messages, Wordset, Grammar };

constexpr ListKind KindOfRow(int row) {
    if (row == kTriggerList) return ListKind::Trigger;
    if (row < kPasswordList) return ListKind::Group;
    if (row == kPasswordList) return ListKind::Password;
    if (row == kSoundList) return ListKind::SoundTable;
    if (row == kMessageList) return ListKind::Messages;
    if (row < kFirstGrammarList) return ListKind::Wordset;
    return ListKind::Grammar;
}

// True for the lists that hold trained commands (0 to 16).
constexpr bool HoldsCommands(ListKind kind) {
    return kind == ListKind::Trigger || kind == ListKind::Group || kind == ListKind::Password;
}
// True for the built-in wordsets and the custom grammars.
constexpr bool HoldsWords(ListKind kind) {
    return kind == ListKind::Wordset || kind == ListKind::Grammar;
}

// The group, wordset or grammar number a row shows; none for the sound table
// and message rows.
constexpr std::optional<int> RowNumber(int row) {
    switch (KindOfRow(row)) {
        case ListKind::SoundTable:
        case ListKind::Messages:
            return std::nullopt;
        case ListKind::Wordset:
        case ListKind::Grammar:
            return row - kWordsetOffset;
        default:
            return row;
    }
}

}  // namespace parlix
