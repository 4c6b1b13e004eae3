#pragma once

#include "ui/mdi_child_window.h"

class ChannelTable;
class ChannelGridModel;
class ToneList;
class QPushButton;
class QTableView;

// Form2, the channel editor: the sixteen channels in a grid inside the main frame.
class TForm2 : public MdiChildWindow {
    Q_OBJECT
public:
    TForm2(ChannelTable& table, ToneList& tones, QWidget* parent = nullptr);

    bool EditorHidden() const { return hiddenByClose(); }

    ChannelTable& table() const { return table_; }
    ToneList& toneList() const { return tones_; }

    QTableView* StringGrid1;
    QPushButton* TeButton1; // exit
    QPushButton* TeButton2; // channel up
    QPushButton* TeButton3; // channel down
    QPushButton* TeButton4; // channel delete

private:
    void buildGrid();
    void TeButton1Click();

    ChannelTable& table_;
    ToneList& tones_;
    ChannelGridModel* gridModel_;
};
