#include "ui/prompter.h"

#include <QApplication>
#include <QMessageBox>

namespace {

class MessageBoxPrompter : public Prompter {
public:
    void information(QWidget* parent, const QString& caption, const QString& text) override {
        QMessageBox::information(parent, caption, text, QMessageBox::Ok);
    }
    bool confirm(QWidget* parent, const QString& caption, const QString& text) override {
        return QMessageBox::question(parent, caption, text, QMessageBox::Ok | QMessageBox::Cancel,
                                     QMessageBox::Ok) == QMessageBox::Ok;
    }
    void error(QWidget* parent, const QString& text) override {
        QMessageBox::critical(parent, QApplication::applicationName(), text, QMessageBox::Ok);
    }
};

Prompter* installed = nullptr;

} // namespace

Prompter& prompter() {
    static MessageBoxPrompter messageBoxes;
    return installed ? *installed : messageBoxes;
}

void setPrompter(Prompter* replacement) {
    installed = replacement;
}
