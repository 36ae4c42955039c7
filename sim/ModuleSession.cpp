#include "sim/ModuleSession.h"

#include "sim/CommandFraming.h"
#include "sim/ModuleDevice.h"

#include <algorithm>
#include <thread>
#include <utility>

namespace parlix::sim {

namespace {

constexpr std::chrono::milliseconds kPoll{50};  // how often faults and stop requests are seen

}  // namespace

void ModuleSession::Run() {
    while (!io_.Stopping()) {
        if (device_.TakeUnplug()) {
            io_.Unplug();
            return;
        }
        if (device_.InLoader() && !RunLoader()) return;
        io_.TakeBreak();  // a break means nothing to the module
        const auto now = Clock::now();
        if (pending_ && pending_->due <= now) {
            auto finish = std::move(pending_->finish);
            pending_.reset();
            Answer(device_.Finish(finish));
            continue;
        }
        if (collecting_ && now - lastByte_ > kArgumentGap) collecting_ = false;
        const auto byte =
            io_.Read(std::chrono::duration_cast<std::chrono::milliseconds>(NextWait(now)) +
                     std::chrono::milliseconds(1));
        if (byte) OnByte(*byte);
    }
}

bool ModuleSession::RunLoader() {
    ModuleLoader loader(device_, io_);
    if (!loader.Run(std::exchange(greetLoader_, false))) return false;
    // The firmware starts afresh.
    collecting_ = false;
    replyArgs_.clear();
    stream_.reset();
    pending_.reset();
    return true;
}

ModuleSession::Clock::duration ModuleSession::NextWait(Clock::time_point now) const {
    Clock::duration wait = kPoll;
    if (pending_ && pending_->due != Clock::time_point::max())
        wait = std::min(wait, std::max(Clock::duration::zero(), pending_->due - now));
    if (collecting_)
        wait = std::min(wait, std::max(Clock::duration::zero(), lastByte_ + kArgumentGap - now));
    return wait;
}

void ModuleSession::OnByte(std::uint8_t byte) {
    if (wake_.Feed(byte)) {
        device_.EnterLoader();
        greetLoader_ = true;
        return;
    }
    const auto now = Clock::now();
    if (collecting_) {
        if (IsArgumentByte(byte) && now - lastByte_ <= kArgumentGap) {
            lastByte_ = now;
            args_.push_back(DecodeArgument(byte));
            if (args_.size() >= ArgumentCount(command_, args_).value_or(0)) {
                collecting_ = false;
                Execute();
            }
            return;
        }
        collecting_ = false;  // no argument can look like this: a new command starts
    }
    lastByte_ = now;
    if (byte == 'b' && pending_ && pending_->stop) {
        auto stop = std::move(pending_->stop);
        const auto elapsed = std::chrono::duration_cast<Reply::Ms>(now - pending_->started);
        pending_.reset();
        Answer(stop(elapsed));
        return;
    }
    if (byte == ' ') {
        AnswerArgumentRequest();
        return;
    }
    StartCommand(byte);
}

void ModuleSession::StartCommand(std::uint8_t command) {
    const auto count = ArgumentCount(command, {});
    if (!count) return;  // not a command: ignored
    replyArgs_.clear();
    stream_.reset();
    pending_.reset();
    command_ = command;
    args_.clear();
    if (*count == 0)
        Execute();
    else
        collecting_ = true;
}

void ModuleSession::Execute() {
    spared_ = device_.SpareCommand();
    if (device_.CommandUnplugs(++commands_)) {
        io_.Unplug();
        return;
    }
    Answer(device_.Execute(command_, args_));
}

void ModuleSession::Answer(Reply reply) {
    if (reply.after) {
        const auto due = *reply.after == Reply::kUntilInterrupted ? Clock::time_point::max()
                                                                  : Clock::now() + *reply.after;
        pending_ = Pending{due, std::move(reply.finish), Clock::now(), std::move(reply.stop)};
        return;
    }
    replyArgs_.assign(reply.arguments.begin(), reply.arguments.end());
    stream_ = std::move(reply.stream);
    if (reply.status) Send(*reply.status);
}

void ModuleSession::AnswerArgumentRequest() {
    if (!replyArgs_.empty()) {
        const int value = replyArgs_.front();
        replyArgs_.pop_front();
        Send(EncodeArgument(value));
    } else if (stream_) {
        Send(stream_->Next(Clock::now()));
        if (stream_->Ended()) stream_.reset();
    }
}

void ModuleSession::Send(std::uint8_t byte) {
    // The reply delay comes before every byte the module sends.
    const bool spared = spared_ || device_.SpareReplyByte();
    if (!spared && device_.TakeFaultUnplug()) {
        io_.Unplug();
        return;
    }
    const auto delay = Clock::now() + std::chrono::milliseconds(device_.ReplyDelayMs(spared));
    while (!io_.Stopping() && Clock::now() < delay)
        std::this_thread::sleep_for(std::min<Clock::duration>(delay - Clock::now(), kPoll));
    if (const auto out = device_.ApplyFaults(byte, spared)) io_.Write(*out);
}

}  // namespace parlix::sim
