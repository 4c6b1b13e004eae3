#include "app/about_box.h"
#include "app/main_window.h"
#include "codeplug/channel_editor_window.h"
#include "codeplug/options_window.h"
#include "support/app_fixture.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

// The about box: modal in effect, any number of times, by either way of closing.
class AboutBoxTest : public QObject {
    Q_OBJECT
private slots:
    void openAndClose_data();
    void openAndClose();
    void showsVersion();
};

void AboutBoxTest::openAndClose_data() {
    QTest::addColumn<bool>("byButton");
    QTest::newRow("exit button") << true;
    QTest::newRow("close box") << false;
}

void AboutBoxTest::openAndClose() {
    QFETCH(bool, byButton);
    AppFixture fixture;
    VantrelApp& app = fixture.start();
    const QList<QWidget*> locked = {app.Form1, app.Form2, app.Form4};
    for (int round = 0; round < 2; ++round) {
        app.Form1->N16->trigger();
        QVERIFY(app.Form5->isVisible());
        for (QWidget* window : locked)
            QVERIFY(!window->isEnabled());
        QVERIFY(!app.Form1->close()); // its close box is no way out meanwhile
        QVERIFY(app.Form1->isVisible());
        if (byButton)
            QTest::mouseClick(app.Form5->TeButton1, Qt::LeftButton);
        else
            app.Form5->close();
        QVERIFY(!app.Form5->isVisible());
        for (QWidget* window : locked)
            QVERIFY(window->isEnabled());
    }
}

void AboutBoxTest::showsVersion() {
    AppFixture fixture;
    VantrelApp& app = fixture.start();
    QCOMPARE(app.Form5->Label2->text(), QStringLiteral("版本：") + QStringLiteral(VANTREL_VERSION));
    QVERIFY(!app.Form5->Image1->pixmap().isNull());
}

QTEST_MAIN(AboutBoxTest)
#include "test_about_box.moc"
