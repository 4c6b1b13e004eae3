#pragma once

#include <QString>

class QWidget;

// Every message box and file dialog of the program goes through here, so that tests
// can answer them instead of a user (and no test ever waits on a box).
class Prompter {
public:
    virtual ~Prompter() = default;
    // An information box with one OK button.
    virtual void information(QWidget* parent, const QString& caption, const QString& text) = 0;
    // A question with OK and Cancel; true for OK.
    virtual bool confirm(QWidget* parent, const QString& caption, const QString& text) = 0;
    // An error box for a failed command (file, number conversion, link).
    virtual void error(QWidget* parent, const QString& text) = 0;
    // A file to open or to save to, chosen with a filter in Qt's form ("Name (*.ext)");
    // empty when the user cancels. Saving replaces a file without asking.
    virtual QString openFileName(QWidget* parent, const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& filter) = 0;
};

// The prompter in use: real message boxes unless a test installed its own.
Prompter& prompter();
// Installs a prompter (not owned); nullptr goes back to the real message boxes.
void setPrompter(Prompter* replacement);
