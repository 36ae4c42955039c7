#include "support/PtyResponder.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>
#include <stdexcept>

namespace parlix::test {

PtyResponder::PtyResponder(Answer answer) : answer_(std::move(answer)) {
    char name[256] = {};
    if (::openpty(&master_, &slave_, name, nullptr, nullptr) != 0)
        throw std::runtime_error("openpty failed");
    termios raw{};
    ::tcgetattr(slave_, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slave_, TCSANOW, &raw);
    path_ = name;
    if (::pipe(wake_) != 0) throw std::runtime_error("pipe failed");
    thread_ = std::thread([this] { Run(); });
}

PtyResponder::~PtyResponder() {
    const char stop = 'q';
    [[maybe_unused]] auto n = ::write(wake_[1], &stop, 1);
    thread_.join();
    for (int fd : {master_, slave_, wake_[0], wake_[1]}) ::close(fd);
}

void PtyResponder::Run() {
    for (;;) {
        pollfd fds[2] = {{master_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) continue;
        if (fds[1].revents) return;
        if (!(fds[0].revents & POLLIN)) continue;
        std::uint8_t buffer[256];
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0) continue;
        const auto now = Clock::now();
        for (ssize_t i = 0; i < n; ++i) {
            Answer answer;
            {
                std::lock_guard lock(mutex_);
                received_.push_back({buffer[i], now});
                answer = answer_;
            }
            if (answer) Send(answer(buffer[i]));
        }
    }
}

std::vector<PtyResponder::Received> PtyResponder::ReceivedBytes() const {
    std::lock_guard lock(mutex_);
    return received_;
}

std::string PtyResponder::ReceivedText() const {
    std::string text;
    for (const auto& r : ReceivedBytes()) text += static_cast<char>(r.byte);
    return text;
}

void PtyResponder::Send(const std::vector<std::uint8_t>& bytes) {
    if (bytes.empty()) return;
    [[maybe_unused]] const ssize_t n = ::write(master_, bytes.data(), bytes.size());
}

void PtyResponder::SetAnswer(Answer answer) {
    std::lock_guard lock(mutex_);
    answer_ = std::move(answer);
}

void PtyResponder::Clear() {
    std::lock_guard lock(mutex_);
    received_.clear();
}

}  // namespace parlix::test
