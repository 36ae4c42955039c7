// A simulated AVR board on a pseudo-terminal: real boot-loader and sketch
// code run in simavr, paced to real time. A DTR rise on the port resets the
// CPU as the board's auto-reset circuit does (see DtrHook.cpp), and a byte
// sent at another speed than the UART's arrives as 0x00, as a framing error
// would. A module can sit on a second UART or on two pins of port D.
#pragma once

#include "sim/ModuleWire.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct avr_t;
struct avr_irq_t;

namespace parlix::sim {
class Device;
}

namespace parlix::test {

struct AvrBoard {
    const char* mcu;
    std::uint32_t bootStart;  // byte address where a reset starts
    std::string image;        // Intel HEX: boot loader and sketch
};

// Where the module is wired.
enum class ModuleWiring { None, Uart1, PinsD2D3 };

class AvrHost {
  public:
    explicit AvrHost(const AvrBoard& board);
    ~AvrHost();
    AvrHost(const AvrHost&) = delete;
    AvrHost& operator=(const AvrHost&) = delete;

    // Before Start.
    void AttachModule(std::shared_ptr<sim::Device> module, ModuleWiring wiring);
    void SetEeprom(std::uint16_t address, const std::vector<std::uint8_t>& bytes);

    void Start();
    void Stop();

    const std::string& Port() const { return slavePath_; }
    std::vector<std::uint8_t> Eeprom(std::uint16_t address, std::uint32_t count);
    // Every byte the host sent, as the UART received it.
    std::vector<std::uint8_t> Received();
    int Resets() const { return resets_; }
    bool Crashed() const { return crashed_; }

    // Called from the ioctl hook for every modem-line change on any descriptor.
    static void OnModemLines(int fd, unsigned long request, int bits);

  private:
    struct PinUart;
    void Run();
    void ResetCpu();
    void PollHost();
    void FeedModuleBytes();
    bool SpeedMatches(char uart, std::uint32_t hostBaud) const;
    std::uint32_t HostBaud() const;
    static void UartOut(avr_irq_t* irq, std::uint32_t value, void* param);
    static void Uart1Out(avr_irq_t* irq, std::uint32_t value, void* param);

    avr_t* avr_ = nullptr;
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
    unsigned long slaveDevice_ = 0;
    bool dtr_ = true;  // the kernel raises DTR when the port opens

    std::mutex mutex_;  // the CPU between slices
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> resetRequested_{false};
    std::atomic<int> resets_{0};
    std::atomic<bool> crashed_{false};
    std::uint32_t lastHostBaud_ = 0;
    std::uint32_t previousHostBaud_ = 0;
    std::vector<std::uint8_t> received_;

    std::shared_ptr<sim::Device> module_;
    ModuleWiring wiring_ = ModuleWiring::None;
    // A byte sent at another speed than the module's arrives as 0x00.
    sim::ModuleWire line_;
    std::thread moduleThread_;
    std::unique_ptr<PinUart> pins_;
};

}  // namespace parlix::test
