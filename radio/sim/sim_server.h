#pragma once

#include "radio/sim/sim_memory.h"
#include "radio/sim/sim_options.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <chrono>
#include <mutex>
#include <thread>

// The simulated radio on a pseudo-terminal: the host opens devicePath() as its serial
// port. Serves on the calling thread (run) or on a thread of its own (start).
class SimServer {
public:
    explicit SimServer(SimOptions options);
    ~SimServer();
    SimServer(const SimServer&) = delete;
    SimServer& operator=(const SimServer&) = delete;

    // Creates the pseudo-terminal, loads the image and opens the log. False, with the
    // reason in *error, when one of them fails.
    bool open(QString* error);
    // The host's end of the line, e.g. /dev/pts/4.
    QString devicePath() const { return devicePath_; }

    // Serves until stop(), a hang-up fault, or with --once the first end command.
    // Returns 0, or 1 when the image could not be saved.
    int run();
    void start();
    // Ends serving; any thread. wait() joins the thread of start().
    void stop();
    void wait();

    // A copy of the memory as it is now; any thread.
    QByteArray memory() const;

private:
    using Clock = std::chrono::steady_clock;

    void serve(const QByteArray& bytes, bool& done, int& status);
    bool saveImage();
    void send(const QByteArray& bytes);
    void log(const char* mark, const QByteArray& bytes);
    void closeLine();

    SimOptions options_;
    SimMemory memory_;
    mutable std::mutex memoryMutex_;
    QFile log_;
    QString devicePath_;
    int master_ = -1;
    int slave_ = -1;
    int stopPipe_[2] = {-1, -1};
    // With pacing: when the bytes taken so far would have finished arriving.
    Clock::time_point lineFreeAt_{};
    std::thread thread_;
};
