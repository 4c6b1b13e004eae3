#include "i18n/language_library.h"
#include "i18n/program_texts.h"
#include "i18n/startup_language.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// The language files and the choice of the start-up language.
class LanguageChoiceTest : public QObject {
    Q_OBJECT
private slots:
    void library_fetchesNumberedTexts();
    void library_missingFile();
    void programTexts_inBothLanguages();
    void cutToBytes_data();
    void cutToBytes();
    void startupLanguage_data();
    void startupLanguage();
};

void LanguageChoiceTest::library_fetchesNumberedTexts() {
    const QStringList folders = {QStringLiteral(VANTREL_BIN_DIR)};
    const std::optional<LanguageLibrary> english = LanguageLibrary::open("english", folders);
    const std::optional<LanguageLibrary> chinese = LanguageLibrary::open("chinese", folders);
    QVERIFY(english && chinese);
    const QStringList englishWords = {"OFF", "High", "Low", "ON"};
    const QStringList chineseWords = {"禁用", "高功率", "低功率", "启用"};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(english->text(43 + i), englishWords[i]);
        QCOMPARE(chinese->text(43 + i), chineseWords[i]);
    }
    QCOMPARE(chinese->text(11), QStringLiteral("文件(&F)"));
    for (int id = 1; id <= 81; ++id)
        QCOMPARE(english->text(id).isEmpty(), id == 47);
    QCOMPARE(english->text(5000), QString());
}

void LanguageChoiceTest::programTexts_inBothLanguages() {
    const QStringList folders = {QStringLiteral(VANTREL_BIN_DIR)};
    for (const char* language : {"english", "chinese"}) {
        const std::optional<LanguageLibrary> library = LanguageLibrary::open(language, folders);
        QVERIFY(library);
        for (int id = int(ProgramText::ExportCsvItem); id <= int(ProgramText::Last); ++id)
            QVERIFY2(!library->fullText(id).isEmpty(), qPrintable(QString::number(id)));
    }
    // Messages follow the language applied last; before any, they are English.
    QCOMPARE(programText(ProgramText::CsvBadPower, "'%1' is not High or Low"),
             QStringLiteral("'%1' is not High or Low"));
    loadProgramTexts(*LanguageLibrary::open("chinese", folders));
    QCOMPARE(programText(ProgramText::CsvBadPower, "unused").arg("x"),
             QStringLiteral("'x' 既不是 High 也不是 Low"));
    // The conversion errors keep their one wording in both languages.
    QCOMPARE(programText(ProgramText::InvalidInteger, "unused").arg("x"),
             QStringLiteral("'x' is not a valid integer value"));
    loadProgramTexts(*LanguageLibrary::open("english", folders));
    QCOMPARE(programText(ProgramText::CsvBadPower, "unused").arg("x"),
             QStringLiteral("'x' is not High or Low"));
}

void LanguageChoiceTest::library_missingFile() {
    QTemporaryDir empty;
    QVERIFY(!LanguageLibrary::open("english", {empty.path()}));
    QFile broken(empty.filePath("chinese.qm"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a language file");
    broken.close();
    QVERIFY(!LanguageLibrary::open("chinese", {empty.path()}));
}

void LanguageChoiceTest::cutToBytes_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("short stays") << "OFF" << 253 << "OFF";
    QTest::newRow("ascii cut") << QString(300, 'a') << 253 << QString(253, 'a');
    // 84 Chinese characters are 252 bytes; the 85th would need 255.
    QTest::newRow("never inside a character")
        << QString(100, QChar(0x7981)) << 253 << QString(84, QChar(0x7981));
    QTest::newRow("exactly full") << "ab" + QString(1, QChar(0x7981)) << 5
                                  << "ab" + QString(1, QChar(0x7981));
    QTest::newRow("surrogate pair kept whole") << "a" + QString::fromUtf8("\U0001F4FB") << 4 << "a";
}

void LanguageChoiceTest::cutToBytes() {
    QFETCH(QString, text);
    QFETCH(int, bytes);
    QFETCH(QString, expected);
    QCOMPARE(::cutToBytes(text, bytes), expected);
}

void LanguageChoiceTest::startupLanguage_data() {
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QByteArray>("log"); // "-" for no file
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");
    const QByteArray title = "Title: Vantrel Programming Software";
    QTest::newRow("exact second line") << ""
                                       << "[setup]\r\n" + title + "\r\n"
                                       << "zh_CN"
                                       << "english";
    QTest::newRow("LF lines") << ""
                              << "x\n" + title << "zh_CN"
                              << "english";
    QTest::newRow("CR lines") << ""
                              << "x\r" + title + "\r"
                              << "zh_CN"
                              << "english";
    QTest::newRow("trailing blank") << ""
                                    << "x\n" + title + " \n"
                                    << "en_US"
                                    << "chinese";
    QTest::newRow("other case") << ""
                                << "x\n" + title.toLower() << "en_US"
                                << "chinese";
    QTest::newRow("on the first line") << "" << title + "\nmore\n"
                                       << "en_US"
                                       << "chinese";
    QTest::newRow("empty second line") << "" << QByteArray("x\n\n") << "en_US"
                                       << "chinese";
    QTest::newRow("one line, English locale") << "" << title + "\n"
                                              << "en_GB"
                                              << "english";
    QTest::newRow("one line, Chinese locale") << "" << QByteArray("x") << "zh_TW"
                                              << "chinese";
    QTest::newRow("empty file") << "" << QByteArray("") << "de_DE"
                                << "english";
    QTest::newRow("no file, Chinese locale") << "" << QByteArray("-") << "zh_CN"
                                             << "chinese";
    QTest::newRow("no file, C locale") << "" << QByteArray("-") << "C"
                                       << "english";
    QTest::newRow("asked wins") << "chinese"
                                << "x\n" + title << "en_US"
                                << "chinese";
}

void LanguageChoiceTest::startupLanguage() {
    QFETCH(QString, asked);
    QFETCH(QByteArray, log);
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath("install.Log");
    if (log != "-") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(log);
    }
    QCOMPARE(chooseStartupLanguage(asked, path, locale), expected);
}

QTEST_GUILESS_MAIN(LanguageChoiceTest)
#include "test_language_choice.moc"
