#include "app/ini_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

// The settings file's INI reader and writer.
class IniFileTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void reads_data();
    void reads();
    void writes_updateInPlaceAndAppendInOrder();
    void writes_keepLinesItDoesNotKnow();
    void writes_keepWindowsLineEnds();
    void writes_keepEditsMadeMeanwhile();
    void writes_refuseAFileThatCannotBeRead();
    void unwritableLocation_reportsPath();

private:
    QByteArray fileText() const;
    void writeFile(const QByteArray& text);
    QString path() const { return dir_->filePath(QStringLiteral("myini.ini")); }
    std::unique_ptr<QTemporaryDir> dir_;
};

void IniFileTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
}

QByteArray IniFileTest::fileText() const {
    QFile file(path());
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void IniFileTest::writeFile(const QByteArray& text) {
    QFile file(path());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

void IniFileTest::reads_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << QByteArray("[open]\ncom=3\nname=abc\n") << 3 << "abc";
    QTest::newRow("keys in other case") << QByteArray("[OPEN]\nCom=4\nNAME=x\n") << 4 << "x";
    QTest::newRow("blanks around")
        << QByteArray("[ open ]\n com = 2 \nname = a b \n") << 2 << "a b";
    QTest::newRow("missing") << QByteArray("[other]\ncom=3\n") << -7 << "fallback";
    QTest::newRow("not a number") << QByteArray("[open]\ncom=x1\nname=\n") << -7 << "";
    QTest::newRow("no file") << QByteArray() << -7 << "fallback";
    QTest::newRow("other section's key")
        << QByteArray("[open]\n[list]\ncom=9\n") << -7 << "fallback";
    QTest::newRow("negative") << QByteArray("[open]\ncom=-1\n") << -1 << "fallback";
}

void IniFileTest::reads() {
    QFETCH(QByteArray, text);
    QFETCH(int, number);
    QFETCH(QString, name);
    if (!text.isEmpty())
        writeFile(text);
    IniFile ini(path());
    QCOMPARE(ini.readInteger(QStringLiteral("open"), QStringLiteral("com"), -7), number);
    QCOMPARE(
        ini.readString(QStringLiteral("open"), QStringLiteral("name"), QStringLiteral("fallback")),
        name);
}

void IniFileTest::writes_updateInPlaceAndAppendInOrder() {
    writeFile("[list1]\nCOMBO0=old\n\n[open]\ncom=2\n");
    IniFile ini(path());
    QVERIFY(ini.writeInteger(QStringLiteral("open"), QStringLiteral("com"), 3));
    QCOMPARE(fileText(), QByteArray("[list1]\nCOMBO0=old\n\n[open]\ncom=3\n")); // at once
    QVERIFY(
        ini.writeString(QStringLiteral("list1"), QStringLiteral("listnow"), QStringLiteral("0")));
    QVERIFY(
        ini.writeString(QStringLiteral("list1"), QStringLiteral("combo0"), QStringLiteral("new")));
    QVERIFY(ini.writeString(QStringLiteral("extra"), QStringLiteral("a"), QStringLiteral("1")));
    QVERIFY(ini.writeString(QStringLiteral("extra"), QStringLiteral("b"), QStringLiteral("2")));
    QCOMPARE(fileText(), QByteArray("[list1]\nCOMBO0=new\nlistnow=0\n\n[open]\ncom=3\n"
                                    "[extra]\na=1\nb=2\n"));
}

void IniFileTest::writes_keepLinesItDoesNotKnow() {
    writeFile("; my radios\n[open]\n# note\ncom=1\ngarbage line\n[mine]\nkey=value\n");
    IniFile ini(path());
    QVERIFY(ini.writeInteger(QStringLiteral("open"), QStringLiteral("com"), 4));
    QCOMPARE(fileText(),
             QByteArray("; my radios\n[open]\n# note\ncom=4\ngarbage line\n[mine]\nkey=value\n"));
}

void IniFileTest::writes_keepWindowsLineEnds() {
    writeFile("[open]\r\ncom=1\r\n");
    IniFile ini(path());
    QVERIFY(
        ini.writeString(QStringLiteral("list1"), QStringLiteral("combo0"), QStringLiteral("x")));
    QCOMPARE(fileText(), QByteArray("[open]\r\ncom=1\r\n[list1]\r\ncombo0=x\r\n"));
}

void IniFileTest::writes_keepEditsMadeMeanwhile() {
    writeFile("[open]\ncom=1\n");
    IniFile ini(path());
    writeFile("[open]\ncom=1\n[ports]\ncom1=/dev/ttyACM0\n"); // edited by hand meanwhile
    QVERIFY(ini.writeInteger(QStringLiteral("open"), QStringLiteral("com"), 2));
    QCOMPARE(fileText(), QByteArray("[open]\ncom=2\n[ports]\ncom1=/dev/ttyACM0\n"));
    QCOMPARE(ini.readString(QStringLiteral("ports"), QStringLiteral("com1"), QString()),
             QStringLiteral("/dev/ttyACM0"));
}

void IniFileTest::writes_refuseAFileThatCannotBeRead() {
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("myini.ini"))); // there, but no file
    IniFile ini(path());
    QVERIFY(!ini.writeInteger(QStringLiteral("open"), QStringLiteral("com"), 1));
    QCOMPARE(ini.errorString(), QStringLiteral("Unable to write to %1").arg(path()));
    QVERIFY(QFileInfo(path()).isDir());
}

void IniFileTest::unwritableLocation_reportsPath() {
    QFile blocker(dir_->filePath(QStringLiteral("file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    const QString unwritable = dir_->filePath(QStringLiteral("file/sub/myini.ini"));
    IniFile ini(unwritable);
    QVERIFY(!ini.writeInteger(QStringLiteral("open"), QStringLiteral("com"), 1));
    QCOMPARE(ini.errorString(), QStringLiteral("Unable to write to %1").arg(unwritable));
}

QTEST_GUILESS_MAIN(IniFileTest)
#include "test_ini_file.moc"
