#include "app/about_box.h"
#include "app/logo_mdi_area.h"
#include "app/main_window.h"
#include "codeplug/channel_editor_window.h"
#include "codeplug/options_window.h"
#include "i18n/stored_texts.h"
#include "radio/read_dialog.h"
#include "radio/serial_control.h"
#include "radio/write_dialog.h"
#include "support/app_fixture.h"
#include "support/scripted_prompter.h"
#include "support/test_pty.h"

#include <QComboBox>
#include <QMdiArea>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

// Start-up, the commands that open windows, and the dialog rule.
class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void startup_showsBothChildrenWithEditorInFront();
    void startup_ticksSavedPort();
    void dialogRule_missingDevice_showsBoxOnly();
    void dialogRule_disablesAndClosingEnables_data();
    void dialogRule_disablesAndClosingEnables();
    void childWindow_hideAndBringBack_keepsData();
    void help_doesNothing();

private:
    QList<QWidget*> mainWindows() const;
    AppFixture fixture_;
    ScriptedPrompter* prompter_ = nullptr;
};

QList<QWidget*> MainWindowTest::mainWindows() const {
    const VantrelApp& app = *fixture_.app;
    return {app.Form1, app.Form2, app.Form4};
}

void MainWindowTest::init() {
    fixture_.stop();
    fixture_.writeIni({});
    storedTexts() = StoredTexts{};
}

void MainWindowTest::startup_showsBothChildrenWithEditorInFront() {
    VantrelApp& app = fixture_.start();
    QVERIFY(QTest::qWaitForWindowExposed(app.Form1));
    const QList<QMdiSubWindow*> children =
        app.Form1->mdiArea()->subWindowList(QMdiArea::CreationOrder);
    QCOMPARE(children, (QList<QMdiSubWindow*>{app.Form4, app.Form2}));
    QVERIFY(app.Form4->isVisible());
    QVERIFY(app.Form2->isVisible());
    QCOMPARE(app.Form1->mdiArea()->activeSubWindow(), app.Form2);
    QCOMPARE(app.Form1->windowTitle(), QStringLiteral("Vantrel"));
    for (QWidget* dialog :
         {(QWidget*)app.Form3, (QWidget*)app.Form5, (QWidget*)app.Form6, (QWidget*)app.Form7})
        QVERIFY(!dialog->isVisible());
    QVERIFY(!app.Form1->N18->isEnabled());
    QVERIFY(!app.Form1->toolButton(QStringLiteral("ToolButton22"))->isEnabled());
}

void MainWindowTest::startup_ticksSavedPort() {
    fixture_.writeIni("[open]\ncom=3\n");
    VantrelApp& app = fixture_.start();
    for (int port = 1; port <= 4; ++port) {
        QCOMPARE(app.Form1->COM[port - 1]->isChecked(), port == 3);
        QCOMPARE(app.Form1->toolButton(QStringLiteral("ToolButton%1").arg(30 + port))->isChecked(),
                 port == 3);
    }
    QCOMPARE(app.Form1->PortNumber(), 3);
    QCOMPARE(app.Form6->MSComm1->CommPort(), 3);
}

void MainWindowTest::dialogRule_missingDevice_showsBoxOnly() {
    fixture_.writeIni("[ports]\ncom1=/dev/vantrel-no-such-port\n");
    VantrelApp& app = fixture_.start();
    storedTexts().PortFailedCaption = QStringLiteral("Port");
    storedTexts().PortFailedMessage = QStringLiteral("The port cannot be opened.");
    ScriptedPrompter prompter;

    app.Form1->N6->trigger();
    app.Form1->N7->trigger();

    QCOMPARE(prompter.boxes.size(), 2);
    for (const ScriptedPrompter::Box& box : prompter.boxes) {
        QCOMPARE(box.kind, QStringLiteral("information"));
        QCOMPARE(box.caption, QStringLiteral("Port"));
        QVERIFY(box.text.startsWith(QStringLiteral("The port cannot be opened.")));
        QVERIFY(box.text.contains(QStringLiteral("/dev/vantrel-no-such-port")));
    }
    QVERIFY(!app.Form6->isVisible());
    QVERIFY(!app.Form3->isVisible());
    for (QWidget* window : mainWindows())
        QVERIFY(window->isEnabled());
}

void MainWindowTest::dialogRule_disablesAndClosingEnables_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("read") << "N6"
                          << "Form6";
    QTest::newRow("write") << "N7"
                           << "Form3";
    QTest::newRow("about") << "N16"
                           << "Form5";
}

void MainWindowTest::dialogRule_disablesAndClosingEnables() {
    QFETCH(QString, command);
    QFETCH(QString, dialog);
    TestPty pty;
    QVERIFY(!pty.device().isEmpty());
    fixture_.writeIni("[ports]\ncom1=" + pty.device().toUtf8() + "\n");
    VantrelApp& app = fixture_.start();
    ScriptedPrompter prompter;
    QAction* action = app.Form1->findChild<QAction*>(command);
    QWidget* shown = QApplication::topLevelWidgets().value(0);
    for (QWidget* candidate : QApplication::topLevelWidgets())
        if (candidate->objectName() == dialog)
            shown = candidate;

    for (int round = 0; round < 2; ++round) {
        action->trigger();
        QVERIFY(prompter.boxes.isEmpty());
        QVERIFY(shown->isVisible());
        for (QWidget* window : mainWindows())
            QVERIFY(!window->isEnabled());
        shown->close();
        QVERIFY(!shown->isVisible());
        for (QWidget* window : mainWindows())
            QVERIFY(window->isEnabled());
    }
}

void MainWindowTest::childWindow_hideAndBringBack_keepsData() {
    VantrelApp& app = fixture_.start();
    app.codeplug.channels.setCell(1, 4, QStringLiteral("145.00000"));
    app.codeplug.options.setIndex(FunctionOptions::TimeOut, 6);

    app.Form2->close();
    app.Form4->close();
    QVERIFY(!app.Form2->isVisible());
    QVERIFY(app.Form2->EditorHidden());
    QVERIFY(app.Form4->OptionsHidden());
    app.Form2->resize(300, 200); // a resize while hidden keeps it hidden
    QVERIFY(!app.Form2->isVisible());

    app.Form1->N9->trigger();
    app.Form1->N11->trigger();
    QVERIFY(app.Form2->isVisible());
    QVERIFY(app.Form4->isVisible());
    QVERIFY(!app.Form2->EditorHidden());
    QVERIFY(!app.Form4->OptionsHidden());
    QCOMPARE(app.Form1->mdiArea()->activeSubWindow(), app.Form4);
    QCOMPARE(app.Form2->StringGrid1->model()->index(4, 1).data().toString(),
             QStringLiteral("145.00000"));
    QCOMPARE(app.Form4->combos[FunctionOptions::TimeOut]->currentIndex(), 6);
}

void MainWindowTest::help_doesNothing() {
    VantrelApp& app = fixture_.start();
    ScriptedPrompter prompter;
    app.Form1->N14->trigger();
    QVERIFY(prompter.boxes.isEmpty());
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(
        std::count_if(windows.begin(), windows.end(), [](QWidget* w) { return w->isVisible(); }),
        1);
}

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
