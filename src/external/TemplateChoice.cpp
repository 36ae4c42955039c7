#include "external/TemplateChoice.h"

#include "base/Text.h"

namespace parlix {

TemplateChoice::TemplateChoice(std::string_view hostRecord,
                               const std::vector<TemplateSection>& sections) {
    if (!hostRecord.empty()) {
        fromHost_ = true;
        records_.push_back(TemplateRecord::Split(hostRecord));
        return;
    }
    for (const TemplateSection& section : sections) {
        if (section.record.empty()) continue;
        records_.push_back(TemplateRecord::Split(section.record));
        names_.push_back(section.name);
    }
    // A record's filter may hold no pair or several; each pair names its record.
    for (std::size_t i = 0; i < records_.size(); ++i)
        filterOwners_.insert(filterOwners_.end(), FilterPairs(records_[i].filter).size(), i);
}

SaveOffer TemplateChoice::Offer(std::string_view title) const {
    SaveOffer offer;
    for (const TemplateRecord& record : records_)
        for (FilterPair& pair : FilterPairs(record.filter))
            offer.filters.push_back(std::move(pair));
    for (FilterPair& pair : FilterPairs(AllFilesFilter())) offer.filters.push_back(std::move(pair));
    if (fromHost_) {
        offer.defaultExtension = records_.front().extension;
        offer.proposedName = ProposedFileName(title, offer.defaultExtension);
    }
    return offer;
}

std::optional<TemplateRecord> TemplateChoice::Chosen(int filterIndex) const {
    if (fromHost_) return records_.front();
    if (filterIndex < 1 || static_cast<std::size_t>(filterIndex) > filterOwners_.size())
        return std::nullopt;
    return records_[filterOwners_[static_cast<std::size_t>(filterIndex - 1)]];
}

std::string ProposedFileName(std::string_view title, std::string_view extension) {
    const std::size_t gui = title.find("GUI");
    std::string name(gui == std::string_view::npos ? std::string_view() : title.substr(0, gui));
    while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.pop_back();
    name += '.';
    name += extension;
    return name;
}

std::string NoTemplateAvailableText() {
    return Tr(PX_TR("CodeGenerator", "No code generation template is available!"));
}

std::string NoTemplateSelectedText() {
    return Tr(PX_TR("CodeGenerator", "No code generation template selected!"));
}

std::string AllFilesFilter() {
    return Tr(PX_TR("MainFrame", "All Files (*.*)^*.*^"));
}

std::string ApplicationTitleText() {
    return Tr(PX_TR("MainFrame", "Parlix Desk - v%1!d!.%2!d!.%3!d!"));
}

}  // namespace parlix
