#include "ui/prompter.h"

#include <QApplication>
#include <QFileDialog>
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
    QString openFileName(QWidget* parent, const QString& filter) override {
        return QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
    }
    QString saveFileName(QWidget* parent, const QString& filter) override {
        return QFileDialog::getSaveFileName(parent, QString(), QString(), filter, nullptr,
                                            QFileDialog::DontConfirmOverwrite);
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
