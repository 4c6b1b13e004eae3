#pragma once

#include "codeplug/function_options.h"
#include "file/channel_cells.h"
#include "file/file_result.h"

#include <QByteArray>
#include <QString>
#include <array>

// The content of a codeplug file (.qcf): the band, the seven options and the sixteen
// channels. On disk it is 29 lines of GBK text ended by CR LF, read by position.
struct QcfFile {
    QString band;
    // By FunctionOptions::Field.
    FunctionOptions::Indexes optionIndexes = FunctionOptions::ClearedIndexes;
    // The texts the lists showed, written beside the indexes for the reader's benefit.
    std::array<QString, FunctionOptions::FieldCount> optionTexts;
    ChannelCells channels;

    // Reads and checks the whole file; on failure this content is left unchanged.
    FileResult load(const QString& path);
    // Replaces the file in one step: on failure the previous file stays as it was.
    FileResult save(const QString& path) const;

    // The same on bytes in memory.
    FileResult parse(const QByteArray& bytes);
    FileResult encode(QByteArray& bytes) const;
};
