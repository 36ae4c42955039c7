// Drops the keyboard and mouse input that queued up while the program was
// blocked, so that clicks made meanwhile do not act afterwards.
#pragma once

namespace parlix::ui {

void DiscardPendingInput();

}  // namespace parlix::ui
