// parlix-cli generate: reads the whole module and expands a code template
// over its commands into a file, as the window's "Generate Code" does.
#pragma once

#include "cli/Session.h"

#include <string>

namespace parlix::cli {

struct GenerateOptions {
    std::string section;       // a Config.ini section whose Template names the template
    std::string templateFile;  // or any template file, with its directive pattern
    std::string pattern;
    std::string output;
};

// Without a section or a file the host's template is used; a link without
// one lists the sections to choose from and exits 2.
int Generate(Session& session, const GenerateOptions& options);

}  // namespace parlix::cli
