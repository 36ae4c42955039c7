#include "avr/AvrHost.h"

#include "sim/Device.h"
#include "sim/PtyTransport.h"

extern "C" {
#include <avr_eeprom.h>
#include <avr_ioport.h>
#include <avr_uart.h>
#include <sim_avr.h>
#include <sim_hex.h>
}

#include <fcntl.h>
#include <pty.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace parlix::test {

namespace {

constexpr std::uint32_t kCpuHz = 16000000;
// How much AVR time runs between two looks at the host and the clock.
constexpr avr_cycle_count_t kSliceCycles = kCpuHz / 2000;
constexpr std::uint16_t kMcusr = 0x54;
constexpr std::uint8_t kExtrf = 0x02;

struct UartRegs {
    std::uint16_t ucsra, ubrrl, ubrrh;
};
constexpr UartRegs kUart0 = {0xC0, 0xC4, 0xC5};
constexpr UartRegs kUart1 = {0xC8, 0xCC, 0xCD};

std::mutex hostsMutex;
std::vector<AvrHost*> hosts;

bool Near(double rate, std::uint32_t baud) {
    return baud != 0 && rate > baud * 0.96 && rate < baud * 1.04;
}

void NoSleep(avr_t*, avr_cycle_count_t) {}

}  // namespace

// A software serial line at 9600 baud on PD2 (into the AVR) and PD3 (out of
// it), timed in CPU cycles as the module's UART would see it.
struct AvrHost::PinUart {
    static constexpr double kBitCycles = kCpuHz / 9600.0;
    AvrHost* host;
    avr_irq_t* rx = nullptr;  // PD2, driven by the module
    int txLevel = 1;          // PD3, driven by the AVR
    // Sending to the AVR.
    int sendBit = -1;  // -1 idle, 0 start, 1..8 data, 9 stop
    std::uint8_t sendByte = 0;
    // Receiving from the AVR.
    int recvBit = -1;
    std::uint8_t recvByte = 0;

    static avr_cycle_count_t SendNext(avr_t* avr, avr_cycle_count_t when, void* param) {
        auto* self = static_cast<PinUart*>(param);
        int level = 1;
        if (self->sendBit == 0) {
            level = 0;
        } else if (self->sendBit <= 8) {
            level = (self->sendByte >> (self->sendBit - 1)) & 1;
        }
        avr_raise_irq(self->rx, static_cast<std::uint32_t>(level));
        if (++self->sendBit > 10) {  // a stop bit and one idle bit between bytes
            self->sendBit = -1;
            self->StartSending(avr);
            return 0;
        }
        return when + static_cast<avr_cycle_count_t>(kBitCycles);
    }
    void StartSending(avr_t* avr) {
        if (sendBit >= 0) return;
        const auto byte = host->line_.FromModule();
        if (!byte) return;
        sendByte = *byte;
        sendBit = 0;
        avr_cycle_timer_register(avr, 1, SendNext, this);
    }
    static avr_cycle_count_t Sample(avr_t*, avr_cycle_count_t when, void* param) {
        auto* self = static_cast<PinUart*>(param);
        if (self->recvBit < 8) {
            self->recvByte |= static_cast<std::uint8_t>(self->txLevel << self->recvBit);
            ++self->recvBit;
            return when + static_cast<avr_cycle_count_t>(kBitCycles);
        }
        // The stop bit.
        self->host->line_.ToModule(self->txLevel == 1 ? self->recvByte : 0x00);
        self->recvBit = -1;
        return 0;
    }
    // A byte on the wire when the board resets is lost, as on hardware.
    void Reset(avr_t* avr) {
        avr_cycle_timer_cancel(avr, SendNext, this);
        avr_cycle_timer_cancel(avr, Sample, this);
        sendBit = -1;
        recvBit = -1;
        txLevel = 1;
        avr_raise_irq(rx, 1);
    }
    static void TxChanged(avr_irq_t*, std::uint32_t value, void* param) {
        auto* self = static_cast<PinUart*>(param);
        const int level = value ? 1 : 0;
        if (self->txLevel == 1 && level == 0 && self->recvBit < 0) {
            self->recvBit = 0;
            self->recvByte = 0;
            avr_cycle_timer_register(
                self->host->avr_, static_cast<avr_cycle_count_t>(kBitCycles * 1.5), Sample, self);
        }
        self->txLevel = level;
    }
};

AvrHost::AvrHost(const AvrBoard& board) {
    avr_ = avr_make_mcu_by_name(board.mcu);
    if (!avr_) throw std::runtime_error(std::string("simavr lacks ") + board.mcu);
    avr_init(avr_);
    avr_->frequency = kCpuHz;
    avr_->sleep = NoSleep;
    ihex_chunk_p chunks = nullptr;
    const int count = read_ihex_chunks(board.image.c_str(), &chunks);
    if (count <= 0) throw std::runtime_error("cannot read " + board.image);
    for (int i = 0; i < count; ++i) {
        if (chunks[i].baseaddr + chunks[i].size > avr_->flashend + 1)
            throw std::runtime_error(board.image + " does not fit the flash");
        std::memcpy(avr_->flash + chunks[i].baseaddr, chunks[i].data, chunks[i].size);
    }
    free_ihex_chunks(chunks);
    avr_->codeend = avr_->flashend;
    avr_->reset_pc = board.bootStart;
    ResetCpu();
    resets_ = 0;

    avr_irq_register_notify(avr_io_getirq(avr_, AVR_IOCTL_UART_GETIRQ('0'), UART_IRQ_OUTPUT),
                            UartOut, this);

    if (openpty(&master_, &slave_, nullptr, nullptr, nullptr) != 0)
        throw std::runtime_error("openpty failed");
    termios raw{};
    tcgetattr(slave_, &raw);
    cfmakeraw(&raw);
    tcsetattr(slave_, TCSANOW, &raw);
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    slavePath_ = ttyname(slave_);
    struct stat st {};
    fstat(slave_, &st);
    slaveDevice_ = st.st_rdev;
    std::lock_guard lock(hostsMutex);
    hosts.push_back(this);
}

AvrHost::~AvrHost() {
    Stop();
    {
        std::lock_guard lock(hostsMutex);
        std::erase(hosts, this);
    }
    close(master_);
    close(slave_);
    avr_terminate(avr_);
}

void AvrHost::AttachModule(std::shared_ptr<sim::Device> module, ModuleWiring wiring) {
    module_ = std::move(module);
    wiring_ = wiring;
    if (wiring == ModuleWiring::Uart1) {
        avr_irq_register_notify(avr_io_getirq(avr_, AVR_IOCTL_UART_GETIRQ('1'), UART_IRQ_OUTPUT),
                                Uart1Out, this);
    } else if (wiring == ModuleWiring::PinsD2D3) {
        pins_ = std::make_unique<PinUart>();
        pins_->host = this;
        pins_->rx = avr_io_getirq(avr_, AVR_IOCTL_IOPORT_GETIRQ('D'), IOPORT_IRQ_PIN2);
        avr_raise_irq(pins_->rx, 1);
        avr_irq_register_notify(avr_io_getirq(avr_, AVR_IOCTL_IOPORT_GETIRQ('D'), IOPORT_IRQ_PIN3),
                                PinUart::TxChanged, pins_.get());
    }
}

void AvrHost::SetEeprom(std::uint16_t address, const std::vector<std::uint8_t>& bytes) {
    std::lock_guard lock(mutex_);
    std::vector<std::uint8_t> copy = bytes;
    avr_eeprom_desc_t desc{copy.data(), address, static_cast<std::uint32_t>(copy.size())};
    avr_ioctl(avr_, AVR_IOCTL_EEPROM_SET, &desc);
}

std::vector<std::uint8_t> AvrHost::Eeprom(std::uint16_t address, std::uint32_t count) {
    std::lock_guard lock(mutex_);
    std::vector<std::uint8_t> bytes(count);
    avr_eeprom_desc_t desc{bytes.data(), address, count};
    avr_ioctl(avr_, AVR_IOCTL_EEPROM_GET, &desc);
    return bytes;
}

std::vector<std::uint8_t> AvrHost::Received() {
    std::lock_guard lock(mutex_);
    return received_;
}

void AvrHost::Start() {
    if (module_) moduleThread_ = std::thread([this] { module_->Serve(line_); });
    thread_ = std::thread([this] { Run(); });
}

void AvrHost::Stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    line_.Stop();
    if (moduleThread_.joinable()) moduleThread_.join();
}

void AvrHost::ResetCpu() {
    avr_reset(avr_);
    // An external reset: optiboot starts the sketch at once after any other.
    avr_->data[kMcusr] = kExtrf;
    std::uint32_t flags = 0;  // no sleeping on polls of the receive flag
    avr_ioctl(avr_, AVR_IOCTL_UART_SET_FLAGS('0'), &flags);
    avr_ioctl(avr_, AVR_IOCTL_UART_SET_FLAGS('1'), &flags);
    if (pins_) pins_->Reset(avr_);
    ++resets_;
}

void AvrHost::Run() {
    using Clock = std::chrono::steady_clock;
    auto start = Clock::now();
    avr_cycle_count_t startCycle = avr_->cycle;
    while (!stop_) {
        {
            std::lock_guard lock(mutex_);
            if (resetRequested_.exchange(false)) ResetCpu();
            PollHost();
            FeedModuleBytes();
            const avr_cycle_count_t end = avr_->cycle + kSliceCycles;
            while (avr_->cycle < end) {
                const int state = avr_run(avr_);
                if (state == cpu_Done || state == cpu_Crashed) {
                    crashed_ = true;
                    return;
                }
            }
        }
        const auto avrTime =
            std::chrono::nanoseconds((avr_->cycle - startCycle) * 1000000000ULL / kCpuHz);
        const auto wall = Clock::now() - start;
        if (avrTime > wall) {
            std::this_thread::sleep_for(avrTime - wall);
        } else if (wall - avrTime > std::chrono::milliseconds(20)) {
            // Far behind (a busy machine): go on from now rather than race.
            start = Clock::now();
            startCycle = avr_->cycle;
        }
    }
}

std::uint32_t AvrHost::HostBaud() const {
    termios t{};
    if (tcgetattr(master_, &t) != 0) return 0;
    return sim::BaudOf(cfgetospeed(&t));
}

bool AvrHost::SpeedMatches(char uart, std::uint32_t hostBaud) const {
    const UartRegs& r = uart == '1' ? kUart1 : kUart0;
    const unsigned ubrr = avr_->data[r.ubrrl] | ((avr_->data[r.ubrrh] & 0x0F) << 8);
    const unsigned divisor = (avr_->data[r.ucsra] & 0x02) ? 8 : 16;
    const double rate = static_cast<double>(kCpuHz) / (divisor * (ubrr + 1));
    return Near(rate, hostBaud);
}

void AvrHost::PollHost() {
    previousHostBaud_ = lastHostBaud_;
    lastHostBaud_ = HostBaud();
    avr_irq_t* input = avr_io_getirq(avr_, AVR_IOCTL_UART_GETIRQ('0'), UART_IRQ_INPUT);
    std::uint8_t buffer[64];
    const ssize_t n = read(master_, buffer, sizeof buffer);
    for (ssize_t i = 0; i < n; ++i) {
        // The program may switch speed at once after writing: a byte that
        // matched at the previous look was sent at that speed.
        const bool ok = SpeedMatches('0', lastHostBaud_) || SpeedMatches('0', previousHostBaud_);
        const std::uint8_t byte = ok ? buffer[i] : 0x00;
        received_.push_back(byte);
        avr_raise_irq(input, byte);
    }
}

void AvrHost::FeedModuleBytes() {
    if (wiring_ == ModuleWiring::Uart1) {
        avr_irq_t* input = avr_io_getirq(avr_, AVR_IOCTL_UART_GETIRQ('1'), UART_IRQ_INPUT);
        while (const auto byte = line_.FromModule())
            avr_raise_irq(input, SpeedMatches('1', 9600) ? *byte : 0x00);
    } else if (wiring_ == ModuleWiring::PinsD2D3) {
        pins_->StartSending(avr_);
    }
}

void AvrHost::UartOut(avr_irq_t*, std::uint32_t value, void* param) {
    auto* self = static_cast<AvrHost*>(param);
    const bool ok = self->SpeedMatches('0', self->lastHostBaud_) ||
                    self->SpeedMatches('0', self->previousHostBaud_);
    const std::uint8_t byte = ok ? static_cast<std::uint8_t>(value) : 0x00;
    (void)!write(self->master_, &byte, 1);
}

void AvrHost::Uart1Out(avr_irq_t*, std::uint32_t value, void* param) {
    auto* self = static_cast<AvrHost*>(param);
    self->line_.ToModule(self->SpeedMatches('1', 9600) ? static_cast<std::uint8_t>(value) : 0x00);
}

void AvrHost::OnModemLines(int fd, unsigned long request, int bits) {
    if (!(bits & TIOCM_DTR)) return;
    struct stat st {};
    if (fstat(fd, &st) != 0) return;
    std::lock_guard lock(hostsMutex);
    for (AvrHost* host : hosts) {
        if (host->slaveDevice_ != st.st_rdev) continue;
        const bool raise = request == TIOCMBIS;
        if (raise && !host->dtr_) host->resetRequested_ = true;
        host->dtr_ = raise;
    }
}

}  // namespace parlix::test
