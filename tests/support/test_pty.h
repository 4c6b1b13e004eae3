#pragma once

#include <QString>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

// A pseudo-terminal that stands in for a serial device in tests.
class TestPty {
public:
    TestPty() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0)
            device_ = QString::fromLocal8Bit(ptsname(master_));
    }
    ~TestPty() {
        if (master_ >= 0)
            ::close(master_);
    }
    TestPty(const TestPty&) = delete;
    TestPty& operator=(const TestPty&) = delete;

    // The device path of the terminal side, e.g. /dev/pts/3.
    QString device() const { return device_; }
    int masterFd() const { return master_; }

private:
    int master_ = -1;
    QString device_;
};
