#pragma once

#include <QObject>
#include <functional>

struct Codeplug;
class QWidget;

// New, Open and Save of codeplug files, and the channel table as CSV, for the main
// window's File menu. Nothing changes in the program unless a whole file was read.
class FileCommands {
public:
    struct Hooks {
        std::function<bool()> commitEdit;           // commit the cell being edited
        std::function<void()> clearFrequencyEditor; // New empties the editor's text
        std::function<void()> applyTitleRule;       // after Open
    };

    FileCommands(QWidget* window, Codeplug& codeplug, Hooks hooks);

    void newCodeplug();
    void open();
    void save();
    void exportCsv();
    void importCsv();

    // The file dialogs' filter for codeplug files.
    static QString codeplugFilter();

private:
    QWidget* window_;
    Codeplug& codeplug_;
    Hooks hooks_;
};
