// LinkResult: what a link operation, or a step of one, hands back.
#pragma once

#include "base/Status.h"

#include <optional>
#include <system_error>

namespace parlix {

// Whether the operation worked, and the reason: the status that its last
// step on the line left (none when that worked, nor when a reply was merely
// not the one expected), or the protocol's own reason for a wrong reply. An
// operation that never used the line has no reason at all, so that the one
// before it still stands.
struct LinkResult {
    bool ok = false;
    std::optional<std::error_code> reason;

    explicit operator bool() const { return ok; }

    // The outcome of one call to the port: it worked when it left no status.
    static LinkResult Line(std::error_code status) { return {!status, status}; }
    static LinkResult Fail(std::error_code reason) { return {false, reason}; }
    static LinkResult Fail(Status reason) { return {false, make_error_code(reason)}; }
    static LinkResult WithoutLine(bool ok) { return {ok, std::nullopt}; }
    // The same step, failed by what it delivered rather than by the line.
    LinkResult Refused() const { return {false, reason}; }
};

}  // namespace parlix
