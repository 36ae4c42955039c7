// Waiting in a test for something that another thread or process brings
// about, by checking it, never by guessing how long it takes.
#pragma once

#include <chrono>
#include <thread>

namespace parlix::test {

// True once `done()` holds; false when it still does not after `limit`.
template <class Condition>
bool WaitUntil(Condition done, std::chrono::milliseconds limit = std::chrono::seconds(5)) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= end) return done();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

}  // namespace parlix::test
