#include "external/DataProjectList.h"

#include "base/Text.h"

#include <algorithm>
#include <utility>

namespace parlix {

bool DataProjectList::Add(const std::string& path) {
    const DataProjectType type = DataProjectTypeOf(path);
    if (type == DataProjectType::Other) return false;
    const bool listed =
        std::any_of(projects_.begin(), projects_.end(),
                    [&](const DataProjectEntry& p) { return EqualsNoCase(p.path, path); });
    if (listed) return false;
    projects_.push_back({path, type});
    return true;
}

int DataProjectList::Remove(int index) {
    if (index < 0 || index >= Size()) return -1;
    projects_.erase(projects_.begin() + index);
    return std::min(index, Size() - 1);
}

bool DataProjectList::MoveUp(int index) {
    if (!CanMoveUp(index)) return false;
    std::swap(projects_[index], projects_[index - 1]);
    return true;
}

bool DataProjectList::MoveDown(int index) {
    if (!CanMoveDown(index)) return false;
    std::swap(projects_[index], projects_[index + 1]);
    return true;
}

bool DataProjectList::HasSoundTable() const {
    return std::any_of(projects_.begin(), projects_.end(), [](const DataProjectEntry& p) {
        return p.type == DataProjectType::SoundTable;
    });
}

std::vector<DataFileFilter> DataProjectList::ImportFilters() const {
    std::vector<DataFileFilter> filters;
    if (HasSoundTable()) {
        filters.push_back(
            {Tr(PX_TR("CustomData", "All Supported Files (*.amc;*.rsc)")), {"*.amc", "*.rsc"}});
    } else {
        filters.push_back({Tr(PX_TR("CustomData", "All Supported Files (*.qxp;*.amc;*.rsc)")),
                           {"*.qxp", "*.amc", "*.rsc"}});
        filters.push_back({Tr(PX_TR("CustomData", "QuickSynthesis Project (*.qxp)")), {"*.qxp"}});
    }
    filters.push_back(
        {Tr(PX_TR("CustomData", "Acoustic Model Combiner Project (*.amc)")), {"*.amc"}});
    filters.push_back({Tr(PX_TR("CustomData", "QuickT2SI Project (*.rsc)")), {"*.rsc"}});
    return filters;
}

}  // namespace parlix
