// Protocol pauses are a few milliseconds long; the default timer slack of
// 50 us per sleep would add several per cent to every exchange.
#pragma once

namespace parlix {

// Lets sleeps of the calling thread, and of threads it creates later, end on
// time. Call early in main().
void UsePreciseTimers();

}  // namespace parlix
