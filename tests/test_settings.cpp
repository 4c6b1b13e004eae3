#include "app/main_window.h"
#include "i18n/stored_texts.h"
#include "radio/read_dialog.h"
#include "radio/serial_control.h"
#include "support/app_fixture.h"
#include "support/scripted_prompter.h"

#include <QComboBox>
#include <QToolButton>
#include <QtTest>

// What the settings file restores at start and receives at exit: the port and the
// band list.
class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void firstStart_defaultsAndFileAtExit();
    void bandList_loaded_data();
    void bandList_loaded();
    void unknownLinesSurvive();
    void unwritableLocation_reportsErrorWithoutCrash();
    void portCommand_marksOnePortAndIsRestored_data();
    void portCommand_marksOnePortAndIsRestored();
    void ctrlQ_closesAndWritesSettings();

private:
    AppFixture fixture_;
};

void SettingsTest::init() {
    fixture_.stop();
    QFile::remove(fixture_.iniPath());
    storedTexts() = StoredTexts{};
}

void SettingsTest::firstStart_defaultsAndFileAtExit() {
    VantrelApp& app = fixture_.start();
    QVERIFY(app.Form1->COM[0]->isChecked());
    QVERIFY(app.Form1->toolButton(QStringLiteral("ToolButton31"))->isChecked());
    QCOMPARE(app.Form1->ComboBox1->count(), 1);
    QCOMPARE(app.Form1->ComboBox1->currentText(), QStringLiteral("136-174MHz"));
    QCOMPARE(app.Form1->windowTitle(), QStringLiteral("Vantrel"));
    fixture_.stop();
    QCOMPARE(fixture_.readIni(),
             QByteArray("[open]\ncom=1\n[list1]\nlistnow=0\nlistcount=0\ncombo0=136-174MHz\n"));
}

void SettingsTest::bandList_loaded_data() {
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QStringList>("bands");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QByteArray>("savedList");
    QTest::newRow("listcount 2 with only combo0")
        << QByteArray("[list1]\nlistcount=2\nlistnow=1\ncombo0=400-470MHz\n")
        << QStringList{"400-470MHz", "136-174MHz", "136-174MHz"} << 1
        << QByteArray("[list1]\nlistcount=2\nlistnow=1\ncombo0=400-470MHz\ncombo1=136-174MHz\n"
                      "combo2=136-174MHz\n");
    QTest::newRow("listcount -1: no bands")
        << QByteArray("[list1]\nlistcount=-1\n") << QStringList{} << -1
        << QByteArray("[list1]\nlistcount=-1\nlistnow=-1\n");
    QTest::newRow("listnow outside the list")
        << QByteArray("[list1]\nlistcount=1\nlistnow=5\ncombo0=a\ncombo1=b\n")
        << QStringList{"a", "b"} << -1
        << QByteArray("[list1]\nlistcount=1\nlistnow=-1\ncombo0=a\ncombo1=b\n");
    QTest::newRow("keys in other case")
        << QByteArray("[LIST1]\nListCount=1\nLISTNOW=1\nCombo0=a\nCOMBO1=b\n")
        << QStringList{"a", "b"} << 1
        << QByteArray("[LIST1]\nListCount=1\nLISTNOW=1\nCombo0=a\nCOMBO1=b\n");
}

void SettingsTest::bandList_loaded() {
    QFETCH(QByteArray, ini);
    QFETCH(QStringList, bands);
    QFETCH(int, selected);
    QFETCH(QByteArray, savedList);
    fixture_.writeIni("[open]\ncom=2\n" + ini);
    VantrelApp& app = fixture_.start();
    QCOMPARE(app.codeplug.bands.entries(), bands);
    QCOMPARE(app.Form1->ComboBox1->currentIndex(), selected);
    QCOMPARE(app.Form1->windowTitle(), QStringLiteral("Vantrel"));
    fixture_.stop();
    QCOMPARE(fixture_.readIni(), "[open]\ncom=2\n" + savedList);
}

void SettingsTest::unknownLinesSurvive() {
    fixture_.writeIni("; kept\n[open]\ncom=1\nmine=yes\n[ports]\ncom1=/dev/ttyACM0\n");
    fixture_.start();
    fixture_.stop();
    QCOMPARE(fixture_.readIni(), QByteArray("; kept\n[open]\ncom=1\nmine=yes\n[ports]\n"
                                            "com1=/dev/ttyACM0\n[list1]\nlistnow=0\n"
                                            "listcount=0\ncombo0=136-174MHz\n"));
}

void SettingsTest::unwritableLocation_reportsErrorWithoutCrash() {
    QFile blocker(fixture_.dir.filePath(QStringLiteral("file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    StartOptions options;
    options.configDir = fixture_.dir.filePath(QStringLiteral("file/sub"));
    ScriptedPrompter prompter;
    {
        VantrelApp app(options);
        app.show();
    }
    QCOMPARE(prompter.boxes.size(), 1);
    QCOMPARE(prompter.boxes.first().kind, QStringLiteral("error"));
    QCOMPARE(prompter.boxes.first().text,
             QStringLiteral("Unable to write to %1/myini.ini").arg(options.configDir));
}

void SettingsTest::portCommand_marksOnePortAndIsRestored_data() {
    QTest::addColumn<int>("port");
    for (int port = 1; port <= 4; ++port)
        QTest::addRow("COM%d", port) << port;
}

void SettingsTest::portCommand_marksOnePortAndIsRestored() {
    QFETCH(int, port);
    fixture_.writeIni("[open]\ncom=9\n"); // outside 1..4: port 1
    VantrelApp* app = &fixture_.start();
    QCOMPARE(app->Form1->PortNumber(), 1);
    app->Form1->toolButton(QStringLiteral("ToolButton%1").arg(30 + port))->click();
    for (int restart = 0; restart < 2; ++restart) {
        for (int n = 1; n <= 4; ++n) {
            QCOMPARE(app->Form1->COM[n - 1]->isChecked(), n == port);
            QCOMPARE(
                app->Form1->toolButton(QStringLiteral("ToolButton%1").arg(30 + n))->isChecked(),
                n == port);
        }
        QCOMPARE(app->Form1->PortNumber(), port);
        QCOMPARE(app->Form6->MSComm1->CommPort(), port);
        fixture_.stop();
        app = &fixture_.start();
    }
}

void SettingsTest::ctrlQ_closesAndWritesSettings() {
    VantrelApp& app = fixture_.start();
    QVERIFY(QTest::qWaitForWindowActive(app.Form1));
    app.Form1->COM[2]->trigger();
    QTest::keyClick(app.Form1, Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!app.Form1->isVisible());
    fixture_.stop();
    QVERIFY(fixture_.readIni().startsWith("[open]\ncom=3\n"));
}

QTEST_MAIN(SettingsTest)
#include "test_settings.moc"
