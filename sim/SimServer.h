// Hosts named simulated devices on a Unix-domain socket, the virtual serial
// line that ports named "sim:NAME" open. A connection starts with an Open
// frame naming the device; the device then serves that connection and keeps
// its state for the next one.
#pragma once

#include "link/SimLineProtocol.h"
#include "sim/Device.h"
#include "sim/DeviceDirectory.h"
#include "sim/LineEnd.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <list>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

namespace parlix::sim {

class SimServer : public DeviceDirectory {
  public:
    explicit SimServer(std::string socketPath = simline::DefaultSocketPath(),
                       TransportOptions options = {});
    ~SimServer() override;
    SimServer(const SimServer&) = delete;
    SimServer& operator=(const SimServer&) = delete;

    // Devices may be added before or after Start.
    void AddDevice(const std::string& name, std::shared_ptr<Device> device);
    void MoveDevice(const std::string& from, const std::string& to,
                    std::chrono::milliseconds gap) override;
    // The names served right now, as a List frame reports them.
    std::vector<std::string> DeviceNames() const;

    // Binds and starts accepting. A stale socket file is removed; a socket on
    // which another server answers is left alone and gives EADDRINUSE.
    std::error_code Start();
    // Closes every connection, waits for the devices to return and removes the socket.
    void Stop();

    const std::string& SocketPath() const { return socketPath_; }
    // Connections open right now, and when the last one ended (or the server started).
    int ActiveConnections() const;
    std::chrono::steady_clock::time_point LastActivity() const;

  private:
    struct Connection;

    void AcceptLoop();
    void Serve(Connection& connection);
    bool SendEncoded(Connection& connection, const std::vector<std::uint8_t>& bytes);
    bool SendFrame(Connection& connection, simline::Frame type, const std::uint8_t* data,
                   std::size_t size);
    void ReapFinished(bool all);
    // Lists the moved devices whose gap has passed; the time until the next one is due.
    std::chrono::milliseconds ListArrivals();
    void Wake();

    const std::string socketPath_;
    const TransportOptions options_;
    int listen_ = -1;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    std::thread acceptThread_;
    std::atomic<bool> stopping_{false};

    mutable std::mutex mutex_;
    std::map<std::string, std::shared_ptr<Device>> devices_;
    std::map<std::string, bool> inUse_;
    struct Arrival {
        std::chrono::steady_clock::time_point at;
        std::string name;
        std::shared_ptr<Device> device;
    };
    std::vector<Arrival> arrivals_;
    std::condition_variable released_;
    std::list<std::unique_ptr<Connection>> connections_;
    int active_ = 0;
    std::chrono::steady_clock::time_point lastActivity_;
};

}  // namespace parlix::sim
