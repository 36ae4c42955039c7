// Status codes by their numbers and the system texts that messages append,
// written out here so that a test fails when the program's own table drifts.
#pragma once

#include "base/Status.h"

#include <cstdint>
#include <string>
#include <system_error>

namespace parlix::test {

// A code of the program's own category, by its number.
inline std::error_code ParlixCode(std::uint32_t value) {
    return {static_cast<int>(value), status_category()};
}

inline const std::string kInvalidHandleText = "The handle is invalid.";
inline const std::string kUnsupportedText = "The system cannot find the device specified.";
inline const std::string kInvalidParameterText = "The parameter is incorrect.";
inline const std::string kWaitTimeoutText = "The wait operation timed out.";
inline const std::string kTimeoutText =
    "This operation returned because the timeout period expired.";

}  // namespace parlix::test
