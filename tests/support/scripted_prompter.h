#pragma once

#include "ui/prompter.h"

#include <QList>
#include <QString>
#include <QStringList>

// Answers message boxes for a test and records what they said.
class ScriptedPrompter : public Prompter {
public:
    struct Box {
        QString kind; // "information", "confirm" or "error"
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

    QList<bool> answers; // for confirm(), in order; OK when none is left
    QList<Box> boxes;
};
