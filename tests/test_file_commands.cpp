#include "app/file_commands.h"
#include "app/main_window.h"
#include "codeplug/channel_editor_window.h"
#include "codeplug/channel_grid.h"
#include "file/qcf_file.h"
#include "i18n/stored_texts.h"
#include "support/app_fixture.h"
#include "support/scripted_prompter.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

// New, Open and Save from the File menu, and the channels as CSV.
class FileCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void new_asksThenClears_data();
    void new_asksThenClears();
    void saveThenOpen_restoresEverything();
    void open_badFile_changesNothing_data();
    void open_badFile_changesNothing();
    void open_carriesEnglishWordsIntoChinese();
    void save_commitsTheCellBeingEdited();
    void save_failure_reportsAndKeepsOldFile();
    void csv_exportThenImport_data();
    void csv_exportThenImport();

private:
    struct Snapshot {
        QStringList bands;
        int band;
        QString title;
        FunctionOptions::Indexes options;
        QStringList cells;
        bool operator==(const Snapshot& o) const {
            return bands == o.bands && band == o.band && title == o.title && options == o.options &&
                   cells == o.cells;
        }
    };
    Snapshot snapshot() const;
    void fillSample();
    QString path(const char* name) const { return fixture_.dir.filePath(QLatin1String(name)); }

    AppFixture fixture_;
    VantrelApp* app_ = nullptr;
    std::unique_ptr<ScriptedPrompter> prompter_;
};

namespace {
const FunctionOptions::Indexes kSampleOptions = {7, 0, 6, 3, 0, 1, 0};
}

void FileCommandsTest::init() {
    app_ = &fixture_.start();
    prompter_ = std::make_unique<ScriptedPrompter>();
}

void FileCommandsTest::cleanup() {
    prompter_.reset();
    fixture_.stop();
}

FileCommandsTest::Snapshot FileCommandsTest::snapshot() const {
    Snapshot s{app_->codeplug.bands.entries(),
               app_->codeplug.bands.selectedIndex(),
               app_->Form1->windowTitle(),
               app_->codeplug.options.indexes(),
               {}};
    for (int row = 1; row <= 16; ++row)
        for (int column = 1; column <= 7; ++column)
            s.cells << app_->codeplug.channels.cell(column, row);
    return s;
}

void FileCommandsTest::fillSample() {
    ChannelTable& table = app_->codeplug.channels;
    const QStringList row3 = {"145.00000", "88.5", "146.00000", "D023N", "低功率", "启用", "禁用"};
    const QStringList row16 = {"440.12500", "禁用", "", "D754I", "高功率", "禁用", "启用"};
    for (int column = 1; column <= 7; ++column) {
        table.setCell(column, 3, row3[column - 1]);
        table.setCell(column, 16, row16[column - 1]);
    }
    app_->codeplug.options.setIndexes(kSampleOptions);
    app_->codeplug.bands.SelectOrAddBand(QStringLiteral("400-470MHz"));
}

void FileCommandsTest::new_asksThenClears_data() {
    QTest::addColumn<bool>("answer");
    QTest::newRow("Cancel") << false;
    QTest::newRow("OK") << true;
}

void FileCommandsTest::new_asksThenClears() {
    QFETCH(bool, answer);
    fillSample();
    app_->Form2->bsSkinEdit1->setText(QStringLiteral("14"));
    const Snapshot before = snapshot();
    prompter_->answers << answer;

    app_->Form1->N2->trigger();

    QCOMPARE(prompter_->boxes.size(), 1);
    QCOMPARE(prompter_->boxes[0].caption, storedTexts().ConfirmCaption);
    QCOMPARE(prompter_->boxes[0].text, storedTexts().NewPrompt);
    const Snapshot after = snapshot();
    QCOMPARE(after.band, before.band);
    QCOMPARE(after.title, before.title);
    if (!answer) {
        QVERIFY(after == before);
        QCOMPARE(app_->Form2->bsSkinEdit1->text(), QStringLiteral("14"));
        return;
    }
    QCOMPARE(after.options, FunctionOptions::ClearedIndexes);
    QCOMPARE(after.cells, QStringList(16 * 7, QString()));
    QVERIFY(app_->Form2->bsSkinEdit1->text().isEmpty());
}

void FileCommandsTest::saveThenOpen_restoresEverything() {
    fillSample();
    const Snapshot saved = snapshot();
    prompter_->fileNames << path("radio.qcf");
    app_->Form1->S1->trigger();
    QCOMPARE(prompter_->boxes.last().text, QStringLiteral("Sodrake  文件 (*.qcf)"));

    fixture_.stop();
    fixture_.writeIni({}); // a fresh start: one band, nothing else
    app_ = &fixture_.start();
    prompter_->fileNames << path("radio.qcf");
    app_->Form1->O1->trigger();

    QCOMPARE(prompter_->boxes.last().kind, QStringLiteral("open file"));
    const Snapshot opened = snapshot();
    QCOMPARE(opened.cells, saved.cells);
    QCOMPARE(opened.options, saved.options);
    QCOMPARE(app_->codeplug.bands.selectedText(), QStringLiteral("400-470MHz"));
    QCOMPARE(opened.title, QStringLiteral("Vantrel [400-470MHz]"));
}

void FileCommandsTest::open_badFile_changesNothing_data() {
    QTest::addColumn<QByteArray>("option"); // line 6, the battery-save line; "-": no file
    QTest::addColumn<QString>("message");
    QTest::newRow("minus one") << QByteArray("BatSave -1 x") << "'-1' is not a valid integer value";
    QTest::newRow("a letter") << QByteArray("BatSave x y") << "'x' is not a valid integer value";
    QTest::newRow("missing file") << QByteArray("-") << "";
}

void FileCommandsTest::open_badFile_changesNothing() {
    QFETCH(QByteArray, option);
    QFETCH(QString, message);
    fillSample();
    const Snapshot before = snapshot();
    const QString file = path("bad.qcf");
    if (option != "-") {
        QByteArray text = "PX-4410 MEMORY CHANNEL\r\n\r\n\r\nBAND 350-390MHz\r\nSquelch 2 2\r\n" +
                          option +
                          "\r\nTxT.O.T 3 x\r\nSCAN 1 x\r\nTONE 1 x\r\nBAO 1 x\r\nVOICE 0 x\r\n";
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(text);
    }
    prompter_->fileNames << file;

    app_->Form1->O1->trigger();

    QCOMPARE(prompter_->boxes.last().kind, QStringLiteral("error"));
    if (!message.isEmpty())
        QCOMPARE(prompter_->boxes.last().text, message);
    QVERIFY(snapshot() == before);
}

void FileCommandsTest::open_carriesEnglishWordsIntoChinese() {
    QFile out(path("english.qcf"));
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write("PX-4410 MEMORY CHANNEL\r\n\r\n\r\nBAND 136-174MHz\r\nSquelch 2 2\r\nBatSave 1 ON\r\n"
              "TxT.O.T 3 3 min\r\nSCAN 1 OFF\r\nTONE 1 ON\r\nBAO 1 ON\r\nVOICE 0 x\r\n\r\n\r\n"
              "CH01 | 145.00000 | OFF | 145.00000 | 88.5 | High | ON | OFF | \r\n");
    out.close();
    prompter_->fileNames << path("english.qcf");
    app_->Form1->O1->trigger();
    QVERIFY(prompter_->boxes.size() == 1);
    QStringList row;
    for (int column = 1; column <= 7; ++column)
        row << app_->codeplug.channels.cell(column, 1);
    QCOMPARE(row,
             QStringList({"145.00000", "禁用", "145.00000", "88.5", "高功率", "启用", "禁用"}));
}

void FileCommandsTest::save_commitsTheCellBeingEdited() {
    QVERIFY(QTest::qWaitForWindowActive(app_->Form1));
    ChannelGrid* grid = app_->Form2->StringGrid1;
    const QRect cell = grid->visualRect(grid->model()->index(2, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    for (char key : {'1', '4', '6'}) {
        QTest::keyPress(QApplication::focusWidget(), key);
        QTest::keyRelease(QApplication::focusWidget(), key);
    }
    prompter_->fileNames << path("typed.qcf");

    app_->Form1->S1->trigger();

    QcfFile file;
    QVERIFY(file.load(path("typed.qcf")).ok());
    QCOMPARE(file.channels.rows[1][0], QStringLiteral("146.00000"));
    QCOMPARE(file.channels.rows[1][1], QStringLiteral("禁用"));
}

void FileCommandsTest::save_failure_reportsAndKeepsOldFile() {
    fillSample();
    // A folder stands where the file should go: the save cannot replace it.
    QVERIFY(QDir(fixture_.dir.path()).mkdir("taken.qcf"));
    prompter_->fileNames << path("taken.qcf");
    app_->Form1->S1->trigger();
    QCOMPARE(prompter_->boxes.last().kind, QStringLiteral("error"));
    QVERIFY(!prompter_->boxes.last().text.isEmpty());
    QVERIFY(QFileInfo(path("taken.qcf")).isDir());
}

void FileCommandsTest::csv_exportThenImport_data() {
    QTest::addColumn<QByteArray>("edit"); // replaces the exported text's line 3 ("": none)
    QTest::addColumn<bool>("imported");
    QTest::newRow("round trip") << QByteArray() << true;
    QTest::newRow("bad tone changes nothing")
        << QByteArray("16,440.12500,88.8,,OFF,High,OFF,ON") << false;
}

void FileCommandsTest::csv_exportThenImport() {
    QFETCH(QByteArray, edit);
    QFETCH(bool, imported);
    fillSample();
    const Snapshot filled = snapshot();
    prompter_->fileNames << path("channels.csv");
    app_->Form1->ExportCsv1->trigger();
    if (!edit.isEmpty()) {
        QFile csv(path("channels.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QList<QByteArray> lines = csv.readAll().split('\n');
        csv.close();
        lines[2] = edit;
        QVERIFY(csv.open(QIODevice::WriteOnly | QIODevice::Truncate));
        csv.write(lines.join('\n'));
    }
    app_->codeplug.channels.clearChannels();
    const Snapshot cleared = snapshot();
    prompter_->fileNames << path("channels.csv");

    app_->Form1->ImportCsv1->trigger();

    QCOMPARE(snapshot().cells, imported ? filled.cells : cleared.cells);
    if (!imported) {
        QCOMPARE(prompter_->boxes.last().kind, QStringLiteral("error"));
        QVERIFY2(prompter_->boxes.last().text.contains('3'),
                 qPrintable(prompter_->boxes.last().text));
    }
}

QTEST_MAIN(FileCommandsTest)
#include "test_file_commands.moc"
