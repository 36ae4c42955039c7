#include "external/DataHeaderExport.h"

#include "base/FrontEnd.h"
#include "base/Status.h"
#include "base/Text.h"

#include <cerrno>
#include <cstdio>

namespace parlix {

bool ExportDataHeader(const std::vector<DataRow>& rows, const std::string& path,
                      FrontEnd& frontEnd) {
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "w");
    bool ok = file != nullptr;
    if (ok) {
        const std::string text = FormatHeaderExport(rows);
        ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
        ok = std::fclose(file) == 0 && ok;
    }
    if (ok) return true;
    const int err = errno;
    std::string message = Tr(PX_TR("CustomData", "Could not export to the specified file.\n"));
    if (err != 0) {
        message += Tr(PX_TR("CustomData", "\nThe following system error occurred:\n"));
        message += ErrnoCode(err).message();
    }
    frontEnd.MessageBox(message, Tr(PX_TR("Controller", "Error")), BoxIcon::Error);
    return false;
}

}  // namespace parlix
