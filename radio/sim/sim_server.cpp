#include "radio/sim/sim_server.h"

#include "radio/sim/sim_radio.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {
// Ten bits a byte (start, 8 data, stop) at 9600 baud.
constexpr std::chrono::microseconds kByteTime{1042};

void closeFd(int& fd) {
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}
} // namespace

SimServer::SimServer(SimOptions options) : options_(std::move(options)) {}

SimServer::~SimServer() {
    stop();
    wait();
    closeLine();
    closeFd(stopPipe_[0]);
    closeFd(stopPipe_[1]);
}

bool SimServer::open(QString* error) {
    if (!options_.imagePath.isEmpty() && QFile::exists(options_.imagePath) &&
        !memory_.load(options_.imagePath, error))
        return false;
    if (!options_.logPath.isEmpty()) {
        log_.setFileName(options_.logPath);
        if (!log_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
            *error =
                QStringLiteral("cannot write %1: %2").arg(options_.logPath, log_.errorString());
            return false;
        }
    }
    char name[256] = {};
    if (::pipe2(stopPipe_, O_CLOEXEC) != 0 ||
        ::openpty(&master_, &slave_, name, nullptr, nullptr)) {
        *error = QStringLiteral("cannot create a pseudo-terminal: %1").arg(qt_error_string(errno));
        return false;
    }
    // Raw from the start, so nothing is echoed before the host sets the line up. The
    // slave end stays open here so the line lives while no host has it open.
    termios raw{};
    ::tcgetattr(slave_, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slave_, TCSANOW, &raw);
    ::fcntl(master_, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave_, F_SETFD, FD_CLOEXEC);
    devicePath_ = QString::fromLocal8Bit(name);
    return true;
}

int SimServer::run() {
    SimRadio radio(memory_, options_.faults);
    bool done = false;
    int status = 0;
    while (!done && master_ >= 0) {
        pollfd fds[] = {{master_, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (fds[1].revents)
            break;
        char buffer[4096];
        const ssize_t count = ::read(master_, buffer, sizeof buffer);
        if (count <= 0) {
            if (count < 0 && (errno == EINTR || errno == EAGAIN))
                continue;
            break;
        }
        const QByteArray bytes(buffer, int(count));
        if (options_.pace)
            lineFreeAt_ = std::max(lineFreeAt_, Clock::now()) + kByteTime * count;
        std::vector<SimStep> steps;
        {
            std::lock_guard<std::mutex> lock(memoryMutex_);
            steps = radio.feed(bytes);
        }
        for (const SimStep& step : steps) {
            log(step.isFrame ? "> " : "? ", step.received);
            if (!step.answer.isEmpty())
                send(step.answer);
            if (step.end && !saveImage())
                status = 1;
            if (step.hangup) {
                closeLine();
                done = true;
                break;
            }
            done = done || (step.end && options_.once);
        }
    }
    return status;
}

bool SimServer::saveImage() {
    if (options_.imagePath.isEmpty())
        return true;
    QString error;
    std::lock_guard<std::mutex> lock(memoryMutex_);
    if (memory_.save(options_.imagePath, &error))
        return true;
    std::fprintf(stderr, "vantrel-radio-sim: %s\n", qPrintable(error));
    return false;
}

void SimServer::send(const QByteArray& bytes) {
    if (options_.faults.slowMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(options_.faults.slowMs));
    log("< ", bytes);
    if (!options_.pace) {
        (void)!::write(master_, bytes.constData(), size_t(bytes.size()));
        return;
    }
    // The answer starts once the command has finished arriving, then one byte a
    // byte time.
    auto due = std::max(lineFreeAt_, Clock::now());
    for (char byte : bytes) {
        std::this_thread::sleep_until(due);
        (void)!::write(master_, &byte, 1);
        due += kByteTime;
    }
    lineFreeAt_ = due;
}

void SimServer::log(const char* mark, const QByteArray& bytes) {
    if (!log_.isOpen())
        return;
    log_.write(mark + bytes.toHex().toUpper() + '\n');
    log_.flush();
}

void SimServer::closeLine() {
    closeFd(master_);
    closeFd(slave_);
}

void SimServer::start() {
    thread_ = std::thread([this] { run(); });
}

void SimServer::stop() {
    if (stopPipe_[1] >= 0)
        (void)!::write(stopPipe_[1], "x", 1);
}

void SimServer::wait() {
    if (thread_.joinable())
        thread_.join();
}

QByteArray SimServer::memory() const {
    std::lock_guard<std::mutex> lock(memoryMutex_);
    return memory_.bytes();
}
