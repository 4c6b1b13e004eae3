#pragma once

#include "codeplug/channel_grid.h"
#include "ui/mdi_child_window.h"

class ChannelGridModel;
class ChannelTable;
class FrequencyKeyFilter;
class QLineEdit;
class QPushButton;
class ToneList;
class ToneSelector;

// Form2, the channel editor: the sixteen channels in a grid inside the main frame,
// edited in place through a frequency editor and a tone selector over the opened
// cell, with buttons that move a channel up or down or delete it. It is a view of the
// ChannelTable: every change goes through the table and every change of the table
// shows at once.
class TForm2 : public MdiChildWindow {
    Q_OBJECT
public:
    TForm2(ChannelTable& table, ToneList& tones, QWidget* parent = nullptr);
    ~TForm2() override;

    bool EditorHidden() const { return hiddenByClose(); }

    ChannelTable& table() const { return table_; }
    ToneList& toneList() const { return tones_; }

    // Commits the cell being edited (with the choice of an open tone selector); shows
    // the message and returns false when its frequency is not a number (the cell then
    // keeps its text).
    bool commitEdit();
    // Empties the frequency editor's text.
    void clearFrequencyEditor();

    // The cell last opened; EditRow also follows a channel moved up or down.
    int EditCol = 0;
    int EditRow = 0;
    // The row for which the tone selector was last opened.
    int ToneRow = 0;

    ChannelGrid* StringGrid1;
    ToneSelector* ComboBox1;
    QLineEdit* bsSkinEdit1;
    QPushButton* TeButton1; // exit
    QPushButton* TeButton2; // channel up
    QPushButton* TeButton3; // channel down
    QPushButton* TeButton4; // channel delete

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildEditors();
    void connectHandlers();

    bool StringGrid1SelectCell(int column, int row);
    void StringGrid1Click();
    void StringGrid1KeyPress(QChar typed);
    void StringGrid1Enter();
    void bsSkinEdit1KeyPress(); // Enter; the other keys are ruled by FrequencyKeyFilter
    void bsSkinEdit1KeyUp();
    void ComboBox1KeyPress();
    void ComboBox1Exit();
    void TeButton1Click();
    void TeButton2Click();
    void TeButton3Click();
    void TeButton4Click();
    void FormActivate();
    void FormDeactivate();

    void moveChannel(int step);
    void openFrequencyEditor();
    void openToneSelector();
    void toggleCell(const QString& onWord, const QString& offWord);
    bool frequencyCellOpen() const;
    QPoint editorPlace() const;
    void followTable(int column, int row);

    ChannelTable& table_;
    ToneList& tones_;
    ChannelGridModel* gridModel_;
    FrequencyKeyFilter* frequencyKeys_;
    bool reportingError_ = false;
};
