#include "sim/UserScript.h"

namespace parlix::sim {

void UserScript::Push(Activity activity, Outcome outcome) {
    queues_[static_cast<std::size_t>(activity)].push_back(std::move(outcome));
}

std::optional<Outcome> UserScript::Take(Activity activity) {
    auto& queue = queues_[static_cast<std::size_t>(activity)];
    if (queue.empty()) return std::nullopt;
    Outcome outcome = std::move(queue.front());
    queue.pop_front();
    return outcome;
}

std::size_t UserScript::Pending(Activity activity) const {
    return queues_[static_cast<std::size_t>(activity)].size();
}

void UserScript::Clear() {
    for (auto& queue : queues_) queue.clear();
}

}  // namespace parlix::sim
