// The serial port as the module protocol uses it: single bytes, each write
// paced and pushed to the line, each read bounded by a time-out. Each step
// hands back the status its last call to the port left.
#pragma once

#include "link/LinkResult.h"
#include "link/Serial.h"

#include <cstdint>

namespace parlix {

class ModulePort : public Serial {
  public:
    int ReadTimeout() const { return readTimeout_; }
    void SetReadTimeout(int ms) { readTimeout_ = ms; }
    int WritePacing() const { return writePacing_; }
    // A negative pacing writes without a pause.
    void SetWritePacing(int ms) { writePacing_ = ms; }

    LinkResult WriteByte(std::uint8_t byte);
    LinkResult ReadByte(std::uint8_t& byte) { return ReadByteWithin(byte, readTimeout_); }
    // A negative time-out waits without limit.
    LinkResult ReadByteWithin(std::uint8_t& byte, int timeoutMs);
    LinkResult Query(std::uint8_t request, std::uint8_t& reply);
    // Refused, without a reason, when the reply is another byte.
    LinkResult Expect(std::uint8_t request, std::uint8_t expected);

  private:
    int readTimeout_ = 1000;
    int writePacing_ = 2;
};

// Sleeps the calling thread; protocol pauses are all in milliseconds.
void SleepMs(int ms);

}  // namespace parlix
