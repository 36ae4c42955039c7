// The boot loaders of the boards with a native USB port, reached after the
// 1200-baud touch: the Leonardo's AVR109 boot loader and the Due's SAM-BA.
#pragma once

#include "sim/BootLoaderPeer.h"

#include <string>

namespace parlix::sim {

// AVR109: one-letter commands; 'S' names the software, 'E' leaves for the
// sketch, anything unknown is answered '?'.
class Avr109Peer : public BootLoaderPeer {
  public:
    void Reset() override {}
    BootLoaderStep OnByte(std::uint8_t byte) override;
};

// SAM-BA: a command letter, its arguments, then '#'. "N#" switches to binary
// mode and answers "\n\r". A word written to the flash controller can select
// booting from flash (GPNVM bit 1); one written to the reset controller
// restarts the chip, into the sketch when that bit is set. A byte at the wrong
// speed drops the command being collected.
class SambaPeer : public BootLoaderPeer {
  public:
    void Reset() override { command_.clear(); }
    BootLoaderStep OnByte(std::uint8_t byte) override;
    BootLoaderStep OnFramingError() override;
    bool BootsFromFlash() const { return bootFromFlash_; }

  private:
    BootLoaderStep Execute();

    std::string command_;
    bool bootFromFlash_ = false;
};

}  // namespace parlix::sim
