// What the two lists of the main window show: the rows of the group list and
// the cells of the command list for the selected group row, formatted from
// the model's rows as src/app reads them. A busy or unread entry shows
// placeholders.
#pragma once

#include "app/ModelRows.h"

#include <optional>
#include <string>
#include <vector>

namespace parlix::ui {

// Icons of both lists, by their place in the image list.
enum class ListIcon {
    Wordset = 0,
    Group = 1,
    Password = 2,
    Trigger = 3,
    SoundTable = 4,
    Messages = 5,
    Word = 6,
    Command = 7,
    PasswordCommand = 8,
    Sound = 9,
    MessageSlot = 10,
    CommandConflict = 11,
    PasswordCommandConflict = 12,
};

struct GroupRowTexts {
    ListIcon icon = ListIcon::Group;
    std::string index;
    std::string description;
    std::string commands;  // empty while the count is unknown
    bool bold = false;     // the row's list holds something
};

// Rows of the group list: 22 and one per custom grammar.
int GroupRowCount(parlix::VoiceModel& model);
GroupRowTexts ReadGroupRow(parlix::VoiceModel& model, int row);

// The command list's column set for a group row.
enum class ColumnSet { Commands, Labels, Messages };
ColumnSet ColumnsFor(int row);
// Header texts, the icon column first.
std::vector<std::string> ColumnHeaders(ColumnSet set);
// The right pane's title for a group row.
std::string CommandListTitle(int row);

struct CommandRowTexts {
    ListIcon icon = ListIcon::Command;
    std::vector<std::string> cells;  // one per column after the icon column
    bool bold = false;
    bool changed = false;  // the entry changed since it was last shown
    bool busy = false;     // read while a job held it: placeholders, to be read again
};

// Rows the command list shows for a group row (the trigger row adds the
// built-in trigger words); none while the list is busy.
std::optional<int> CommandRowCount(parlix::VoiceModel& model, int row);
// With `takeChanged` the entry's changed flag is cleared: it is being shown.
// None when the entry is busy and `takeChanged` is set: keep what is shown.
std::optional<CommandRowTexts> ReadCommandRow(parlix::VoiceModel& model, int row, int index,
                                              bool takeChanged);

// The command index a "Conflict" cell names, when it begins with a number.
std::optional<int> ConflictIndex(const std::string& conflictCell);

}  // namespace parlix::ui
