// One run of kandata: the response file's inputs read and checked, the image
// and the data header written from the output base.
#pragma once

#include <cstdio>
#include <string>

namespace kandata {

// Progress lines go to `out`, the reason of a failure to `err`; the exit code.
int RunKandata(const std::string& responsePath, std::FILE* out, std::FILE* err);

}  // namespace kandata
