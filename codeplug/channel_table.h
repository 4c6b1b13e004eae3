#pragma once

#include <QObject>
#include <QString>
#include <array>

// The sixteen channels: 17 rows x 8 columns of text. Row 0 holds the headings,
// column 0 the fixed channel numbers "01".."16"; columns 1..7 of rows 1..16 are the
// channel values. The texts are the data: every reader and writer goes through here.
class ChannelTable : public QObject {
    Q_OBJECT
public:
    static constexpr int ColumnCount = 8;
    static constexpr int RowCount = 17;
    static constexpr int ChannelCount = 16;

    enum Column {
        Number = 0,
        Frequency1 = 1,
        Tone1 = 2,
        Frequency2 = 3,
        Tone2 = 4,
        Power = 5,
        SwitchA = 6,
        SwitchB = 7,
    };

    explicit ChannelTable(QObject* parent = nullptr);

    QString cell(int column, int row) const;
    // Sets a heading (row 0) or a channel value (columns 1..7 of rows 1..16).
    // The channel numbers in column 0 are fixed and are not rewritten.
    void setCell(int column, int row, const QString& text);

    // A channel exists exactly when its Frequency1 cell is non-empty.
    bool channelExists(int row) const { return !cell(Frequency1, row).isEmpty(); }

    // Empties columns 1..7 of rows 1..16; numbers and headings stay.
    void clearChannels();
    // Empties columns 1..7 of one channel row.
    void clearRow(int row);

    static bool isChannelRow(int row) { return row >= 1 && row <= ChannelCount; }
    static bool isValueColumn(int column) { return column >= 1 && column < ColumnCount; }

signals:
    void cellChanged(int column, int row);

private:
    std::array<std::array<QString, ColumnCount>, RowCount> cells_;
};
