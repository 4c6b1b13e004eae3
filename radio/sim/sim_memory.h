#pragma once

#include <QByteArray>
#include <QString>

// The simulated radio's 1 KiB memory, read and written in blocks of 8 bytes.
class SimMemory {
public:
    static constexpr int Size = 1024;
    static constexpr int BlockSize = 8;

    // A fresh radio: every channel erased, default options, band 136-174MHz and
    // factory calibration.
    SimMemory();

    bool holdsBlock(int address) const { return address >= 0 && address + BlockSize <= Size; }
    QByteArray block(int address) const { return bytes_.mid(address, BlockSize); }
    void setBlock(int address, const QByteArray& data);
    const QByteArray& bytes() const { return bytes_; }

    // False, with the reason in *error, when the file cannot be read or is not 1 KiB.
    bool load(const QString& path, QString* error);
    bool save(const QString& path, QString* error) const;

private:
    QByteArray bytes_;
};
