#include "app/about_box.h"
#include "app/main_window.h"
#include "codeplug/channel_editor_window.h"
#include "codeplug/channel_table.h"
#include "codeplug/options_window.h"
#include "i18n/stored_texts.h"
#include "radio/power_dialog.h"
#include "radio/read_dialog.h"
#include "radio/write_dialog.h"
#include "support/app_fixture.h"
#include "support/scripted_prompter.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

// Applying a language at start and switching it from the menu.
class LanguageSwitchTest : public QObject {
    Q_OBJECT
private slots:
    void startup_followsInstallLog_data();
    void startup_followsInstallLog();
    void switching_keepsOneOffEntryAndIndexes();
    void applied_sameTextOnSharedTargets();
    void missingLanguageFile_onlyMarksChange();
    void noLanguageFileAtAll_wordsStillWork();
    void switching_translatesCellWords_data();
    void switching_translatesCellWords();

private:
    static const QString kBin;
};

const QString LanguageSwitchTest::kBin = QStringLiteral(VANTREL_BIN_DIR);

void LanguageSwitchTest::startup_followsInstallLog_data() {
    QTest::addColumn<QByteArray>("log"); // "-": no file
    QTest::addColumn<QString>("offWord");
    QTest::newRow("English title")
        << QByteArray("[log]\r\nTitle: Vantrel Programming Software\r\n") << "OFF";
    QTest::newRow("other title") << QByteArray("[log]\nTitle: Vantrel\n") << "禁用";
    // No second line: the locale decides (C here, so English), and no box appears.
    QTest::newRow("one line") << QByteArray("Title: Vantrel Programming Software") << "OFF";
    QTest::newRow("no file") << QByteArray("-") << "OFF";
}

void LanguageSwitchTest::startup_followsInstallLog() {
    QFETCH(QByteArray, log);
    QFETCH(QString, offWord);
    AppFixture fixture;
    if (log != "-") {
        QFile file(fixture.dir.filePath("install.Log"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(log);
    }
    ScriptedPrompter prompter;
    StartOptions options;
    options.language = QString(); // let the log decide
    options.configDir = fixture.dir.path();
    VantrelApp app(options);
    app.show();
    QVERIFY(prompter.boxes.isEmpty());
    QCOMPARE(storedTexts().OffWord, offWord);
    const bool english = offWord == QLatin1String("OFF");
    QCOMPARE(app.Form1->N21->isChecked(), english);
    QCOMPARE(app.Form1->N20->isChecked(), !english);
    QCOMPARE(app.Form1->N20->text(), english ? QStringLiteral("Chinese") : QStringLiteral("中文"));
    QCOMPARE(app.codeplug.tones.entries().first(), offWord);
}

void LanguageSwitchTest::switching_keepsOneOffEntryAndIndexes() {
    AppFixture fixture;
    VantrelApp& app = fixture.start();
    app.codeplug.options.setIndex(FunctionOptions::TimeOut, 5);
    app.codeplug.options.setIndex(FunctionOptions::Voice, 2);

    app.Form1->N21->trigger();
    QCOMPARE(app.Form4->combos[FunctionOptions::TimeOut]->currentIndex(), 5);
    QCOMPARE(app.Form4->combos[FunctionOptions::TimeOut]->currentText(), QStringLiteral("5 min"));
    QCOMPARE(app.Form4->combos[FunctionOptions::Voice]->currentText(),
             QStringLiteral("Chinese, female"));
    QCOMPARE(app.Form4->combos[FunctionOptions::Scan]->itemText(0), QStringLiteral("ON"));

    for (int i = 0; i < 2; ++i)
        app.Form1->N20->trigger();
    const QStringList& tones = app.codeplug.tones.entries();
    QCOMPARE(tones.size(), 259);
    QCOMPARE(tones.first(), QStringLiteral("禁用"));
    QCOMPARE(tones.count(QStringLiteral("禁用")) + tones.count(QStringLiteral("OFF")), 1);
    QCOMPARE(app.Form4->combos[FunctionOptions::TimeOut]->currentText(), QStringLiteral("5分钟"));
    QCOMPARE(app.codeplug.options.index(FunctionOptions::Voice), 2);
    QCOMPARE(app.Form1->N20->text(), QStringLiteral("中文"));
    QCOMPARE(app.Form1->N21->text(), QStringLiteral("English"));
}

void LanguageSwitchTest::applied_sameTextOnSharedTargets() {
    AppFixture fixture;
    VantrelApp& app = fixture.start();
    for (const char* language : {"english", "chinese"}) {
        if (QLatin1String(language) == QLatin1String("english"))
            app.Form1->N21->trigger();
        else
            app.Form1->N20->trigger();
        QCOMPARE(app.Form6->Button1->text(), app.Form7->DsFancyButton1->text());
        QCOMPARE(app.Form3->Button1->text(), app.Form7->DsFancyButton2->text());
        QCOMPARE(app.Form4->TeButton1->text(), app.Form5->TeButton1->text());
        for (TransferDialog* dialog : {(TransferDialog*)app.Form3, (TransferDialog*)app.Form6}) {
            QCOMPARE(dialog->StatusPanel1->text(), app.Form5->Label1->text());
            QCOMPARE(dialog->StatusPanel2->text(), storedTexts().SuccessCountLabel + "0");
        }
        QVERIFY(!app.Form5->windowTitle().contains('&'));
        QVERIFY(app.Form5->Label2->text().endsWith(QStringLiteral(VANTREL_VERSION)));
        QVERIFY(!app.codeplug.channels.cell(1, 0).isEmpty());
    }
    QCOMPARE(app.Form1->N1->title(), QStringLiteral("文件(&F)"));
}

void LanguageSwitchTest::missingLanguageFile_onlyMarksChange() {
    AppFixture fixture;
    QTemporaryDir onlyChinese;
    QVERIFY(QFile::copy(kBin + "/chinese.qm", onlyChinese.filePath("chinese.qm")));
    StartOptions options;
    options.languageFolders = {onlyChinese.path()};
    VantrelApp& app = fixture.start(options);

    app.Form1->N21->trigger();

    QVERIFY(app.Form1->N21->isChecked());
    QVERIFY(!app.Form1->N20->isChecked());
    QCOMPARE(app.Form1->N20->text(), QStringLiteral("Chinese"));
    QCOMPARE(app.Form1->N1->title(), QStringLiteral("文件(&F)"));
    QCOMPARE(storedTexts().OffWord, QStringLiteral("禁用"));
    QCOMPARE(app.Form4->combos[FunctionOptions::BatSave]->itemText(0), QStringLiteral("禁用"));
    QCOMPARE(app.codeplug.tones.entries().size(), 258); // the old off entry went first
}

void LanguageSwitchTest::noLanguageFileAtAll_wordsStillWork() {
    AppFixture fixture;
    QTemporaryDir empty;
    StartOptions options;
    options.language = QStringLiteral("english");
    options.languageFolders = {empty.path()};
    storedTexts() = StoredTexts{}; // a fresh program: no language applied yet
    VantrelApp& app = fixture.start(options);
    QCOMPARE(app.Form1->N1->title(), QStringLiteral("文件(&F)")); // design texts stay
    QCOMPARE(storedTexts().OffWord, QStringLiteral("OFF"));
    QCOMPARE(storedTexts().HighWord, QStringLiteral("High"));
    QCOMPARE(app.codeplug.tones.entries().first(), QStringLiteral("OFF"));
    QCOMPARE(app.codeplug.tones.entries().size(), 259);
}

void LanguageSwitchTest::switching_translatesCellWords_data() {
    QTest::addColumn<QStringList>("chinese"); // columns 1..7
    QTest::addColumn<QStringList>("english");
    QTest::newRow("every word") << QStringList{"145.00000", "禁用", "146.00000", "禁用",
                                               "高功率",    "启用", "禁用"}
                                << QStringList{"145.00000", "OFF", "146.00000", "OFF",
                                               "High",      "ON",  "OFF"};
    QTest::newRow("low power, tones kept")
        << QStringList{"145.00000", "88.5", "", "D023N", "低功率", "禁用", "启用"}
        << QStringList{"145.00000", "88.5", "", "D023N", "Low", "OFF", "ON"};
}

void LanguageSwitchTest::switching_translatesCellWords() {
    QFETCH(QStringList, chinese);
    QFETCH(QStringList, english);
    AppFixture fixture;
    VantrelApp& app = fixture.start();
    ChannelTable& table = app.codeplug.channels;
    // Words in the wrong column or in another case are not vocabulary: never touched.
    const QStringList strays = {"145.00000", "ON", "", "Off", "OFF", "High", "low"};
    for (int column = 1; column <= 7; ++column) {
        table.setCell(column, 3, chinese[column - 1]);
        table.setCell(column, 9, strays[column - 1]);
    }
    auto row = [&table](int r) {
        QStringList cells;
        for (int column = 1; column <= 7; ++column)
            cells << table.cell(column, r);
        return cells;
    };
    app.Form1->N21->trigger();
    QCOMPARE(row(3), english);
    QCOMPARE(row(9), strays);
    app.Form1->N20->trigger();
    QCOMPARE(row(3), chinese);
    QCOMPARE(row(9), strays);
}

QTEST_MAIN(LanguageSwitchTest)
#include "test_language_switch.moc"
