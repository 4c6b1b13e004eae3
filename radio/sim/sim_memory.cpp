#include "radio/sim/sim_memory.h"

#include <QFile>
#include <QSaveFile>

namespace {
// Blocks of a fresh radio beyond the erased channels.
struct FactoryBlock {
    int address;
    unsigned char data[SimMemory::BlockSize];
};
constexpr FactoryBlock kFactoryBlocks[] = {
    {0x03C0, {0xFF, 0x02, 0xFF, 0x04, 0xFF, 0x00, 0xFF, 0xFF}}, // options
    {0x03C8, {0xA0, 0x32, 0xF2, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}}, // calibration
    {0x03E0, {0x60, 0x13, 0x40, 0x17, 0xFF, 0xFF, 0xFF, 0xFF}}, // band 136-174MHz
};
} // namespace

SimMemory::SimMemory() : bytes_(Size, char(0xFF)) {
    for (const FactoryBlock& block : kFactoryBlocks)
        setBlock(block.address, QByteArray(reinterpret_cast<const char*>(block.data), BlockSize));
}

void SimMemory::setBlock(int address, const QByteArray& data) {
    if (holdsBlock(address) && data.size() == BlockSize)
        bytes_.replace(address, BlockSize, data);
}

bool SimMemory::load(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray image = file.readAll();
    if (image.size() != Size) {
        *error = QStringLiteral("%1 is not a memory image of %2 bytes").arg(path).arg(Size);
        return false;
    }
    bytes_ = image;
    return true;
}

bool SimMemory::save(const QString& path, QString* error) const {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes_) == Size && file.commit())
        return true;
    *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return false;
}
