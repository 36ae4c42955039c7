// The projects of a custom-data build, in build order, with the rules of the
// Update Custom Data dialog: one sound table at most, no path twice, only
// the three project types.
#pragma once

#include "external/DataProject.h"

#include <string>
#include <vector>

namespace parlix {

struct DataProjectEntry {
    std::string path;
    DataProjectType type = DataProjectType::Other;
};

// One entry of an open-file dialog's type list.
struct DataFileFilter {
    std::string label;                  // "QuickSynthesis Project (*.qxp)"
    std::vector<std::string> patterns;  // "*.qxp"
};

class DataProjectList {
  public:
    // Appends a project. False, with the list unchanged, for a path already
    // listed (letter case aside) or a file of another type.
    bool Add(const std::string& path);

    // Removes a row; returns the row to select then: the one now at that
    // index, else the new last row, -1 when the list is empty.
    int Remove(int index);

    bool CanMoveUp(int index) const { return index > 0 && index < Size(); }
    bool CanMoveDown(int index) const { return index >= 0 && index + 1 < Size(); }
    // Moves a row one place; false when it cannot move. It stays selected at index -/+ 1.
    bool MoveUp(int index);
    bool MoveDown(int index);

    bool HasSoundTable() const;
    // The import dialog's types: without the sound table once one is listed.
    std::vector<DataFileFilter> ImportFilters() const;

    int Size() const { return static_cast<int>(projects_.size()); }
    bool Empty() const { return projects_.empty(); }
    const std::vector<DataProjectEntry>& Projects() const { return projects_; }

  private:
    std::vector<DataProjectEntry> projects_;
};

}  // namespace parlix
