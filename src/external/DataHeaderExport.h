// "Export as header": the data list written as a header for a host program.
#pragma once

#include "external/DataHeader.h"

#include <string>
#include <vector>

namespace parlix {

class FrontEnd;

// Writes the rows to `path`; on failure shows the error box and returns false.
bool ExportDataHeader(const std::vector<DataRow>& rows, const std::string& path,
                      FrontEnd& frontEnd);

}  // namespace parlix
