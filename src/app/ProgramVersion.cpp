#include "app/ProgramVersion.h"

#include "base/Text.h"

namespace parlix {

ProgramVersion OwnVersion() {
    return {PARLIX_VERSION_MAJOR, PARLIX_VERSION_MINOR, PARLIX_VERSION_PATCH, PARLIX_VERSION_BUILD};
}

std::string VersionLine(const ProgramVersion& version) {
    return TrFormatInserts(PX_TR("AboutDlg", "Version %1!d!.%2!d!.%3!d! (Build %4!d!)"),
                           version.major, version.minor, version.patch, version.build);
}

}  // namespace parlix
