// libFuzzer target for the codeplug file reader: any bytes must read without a crash
// or a sanitizer report, and whatever reads must write and read back the same.
#include "file/qcf_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QcfFile file;
    if (!file.parse(QByteArray(reinterpret_cast<const char*>(data), static_cast<int>(size))).ok())
        return 0;
    QByteArray bytes;
    if (!file.encode(bytes).ok())
        return 0;
    QcfFile again;
    if (!again.parse(bytes).ok() || again.band != file.band ||
        again.optionIndexes != file.optionIndexes || !(again.channels == file.channels))
        std::abort();
    return 0;
}
