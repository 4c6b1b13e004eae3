#pragma once

#include "ui/prompter.h"

#include <QList>
#include <QString>
#include <QStringList>

// Answers message boxes for a test and records what they said.
class ScriptedPrompter : public Prompter {
public:
    struct Box {
        QString kind; // "information", "confirm", "error", "open file" or "save file"
        QString caption;
        QString text;
    };

    ScriptedPrompter() { setPrompter(this); }
    ~ScriptedPrompter() override { setPrompter(nullptr); }

    void information(QWidget*, const QString& caption, const QString& text) override {
        boxes << Box{QStringLiteral("information"), caption, text};
    }
    bool confirm(QWidget*, const QString& caption, const QString& text) override {
        boxes << Box{QStringLiteral("confirm"), caption, text};
        return answers.isEmpty() ? true : answers.takeFirst();
    }
    void error(QWidget*, const QString& text) override {
        boxes << Box{QStringLiteral("error"), QString(), text};
    }

    QString openFileName(QWidget*, const QString& filter) override {
        boxes << Box{QStringLiteral("open file"), QString(), filter};
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }
    QString saveFileName(QWidget*, const QString& filter) override {
        boxes << Box{QStringLiteral("save file"), QString(), filter};
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }

    QList<bool> answers;   // for confirm(), in order; OK when none is left
    QStringList fileNames; // for the file dialogs, in order; Cancel when none is left
    QList<Box> boxes;
};
