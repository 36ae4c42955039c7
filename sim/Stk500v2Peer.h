// The STK500v2 boot loader of the Mega (and of the Zero after the 1200-baud
// touch): framed messages with a checksum. A frame that does not check is
// dropped without an answer; bytes outside a frame are ignored.
#pragma once

#include "sim/BootLoaderPeer.h"

namespace parlix::sim {

class Stk500v2Peer : public BootLoaderPeer {
  public:
    void Reset() override;
    BootLoaderStep OnByte(std::uint8_t byte) override;
    BootLoaderStep OnFramingError() override;

    // A reply frame to `command` with `data` after the command byte.
    static std::vector<std::uint8_t> Frame(std::uint8_t sequence, std::uint8_t command,
                                           const std::vector<std::uint8_t>& data);

  private:
    BootLoaderStep Answer();

    std::vector<std::uint8_t> frame_;
};

}  // namespace parlix::sim
