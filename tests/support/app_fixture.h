#pragma once

#include "app/start_options.h"
#include "app/vantrel_app.h"

#include <QFile>
#include <QTemporaryDir>
#include <memory>

// Writes a settings file into a fresh folder and starts the program on it.
struct AppFixture {
    QTemporaryDir dir;
    std::unique_ptr<VantrelApp> app;

    QString iniPath() const { return dir.filePath(QStringLiteral("myini.ini")); }

    void writeIni(const QByteArray& text) {
        QFile file(iniPath());
        file.open(QIODevice::WriteOnly);
        file.write(text);
    }
    QByteArray readIni() const {
        QFile file(iniPath());
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

    // Starts in Chinese unless the options name another language.
    VantrelApp& start(StartOptions options = {}) {
        options.configDir = dir.path();
        if (options.language.isEmpty())
            options.language = QStringLiteral("chinese");
        app = std::make_unique<VantrelApp>(options);
        app->show();
        return *app;
    }
    // Ends the program as closing the main window does; the settings get written.
    void stop() { app.reset(); }
};
