// Which template a generation uses and what the save dialog offers: the
// template the host board names, else one per Config.ini section that names
// one. Sections without a template are left out of both the filter list and
// the template list, so that a filter's position always names its template.
#pragma once

#include "external/TemplateRecord.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace parlix {

// A Config.ini section and its `Template` value (empty when it has none).
struct TemplateSection {
    std::string name;
    std::string record;
};

// What the save dialog shows.
struct SaveOffer {
    std::vector<FilterPair> filters;  // the templates' pairs, then "All Files"
    std::string defaultExtension;     // empty when the user chooses the template
    std::string proposedName;
};

class TemplateChoice {
  public:
    // `hostRecord`: the proxy's template record, empty for links without a host.
    TemplateChoice(std::string_view hostRecord, const std::vector<TemplateSection>& sections);

    bool FromHost() const { return fromHost_; }
    // False: "No code generation template is available!".
    bool Available() const { return !records_.empty(); }
    // The sections that name a template, in file order.
    const std::vector<std::string>& SectionNames() const { return names_; }
    const std::vector<TemplateRecord>& Records() const { return records_; }

    // `title`: the application title, whose part before "GUI" names the file.
    SaveOffer Offer(std::string_view title) const;
    // The template of the filter chosen, counted from 1; the host's template
    // whatever was chosen. None: "No code generation template selected!".
    std::optional<TemplateRecord> Chosen(int filterIndex) const;

  private:
    bool fromHost_ = false;
    std::vector<TemplateRecord> records_;
    std::vector<std::string> names_;
    // For each filter pair offered before "All Files": the record it belongs to.
    std::vector<std::size_t> filterOwners_;
};

// The title up to its first "GUI" (nothing when there is none), trailing
// blanks removed, then "." and `extension`.
std::string ProposedFileName(std::string_view title, std::string_view extension);

// The information texts of a choice that ends without a template.
std::string NoTemplateAvailableText();
std::string NoTemplateSelectedText();
// "All Files (*.*)^*.*^", the filter every dialog ends with.
std::string AllFilesFilter();
// Resource 128, the application title, as the string table holds it.
std::string ApplicationTitleText();

}  // namespace parlix
