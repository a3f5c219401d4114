#include "datetext.h"
#include "qtsettingsstore.h"
#include "qtsound.h"
#include "qttextfiles.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    void settingsRoundTripThroughAPerUserIniFile();
    void settingsMissingKeyGivesTheDefault();
    void textFilesWriteCrLfInTheCodePage();
    void textFilesReadByTheLineRules();
    void unreadableFileIsNotAnEmptyOne();
    void failedWriteLeavesTheOldFileWhole();
    void folderIsNotAFile();
    void generalDateLeavesOutMidnight();
    void generalDateHasNoTimeZone();
    void missingSoundIsSilentAndDoesNotBlock();
};

void TestPlatform::settingsRoundTripThroughAPerUserIniFile() {
    QtSettingsStore store;
    QVERIFY(store.write("Tapmeter", "Settings", "Sounds", "1"));
    QVERIFY(store.write("Tapmeter", "Settings", "CaseSensitive", "0"));
    QCOMPARE(QtSettingsStore().read("Tapmeter", "Settings", "Sounds", "0"), "1");

    // Where the file lives and what it holds is part of the program's contract
    // with its users, who may look there.
    const QString path = qEnvironmentVariable("XDG_CONFIG_HOME") + "/Tapmeter/Tapmeter.ini";
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    const QByteArray ini = file.readAll();
    QVERIFY(ini.contains("[Settings]"));
    QVERIFY(ini.contains("Sounds=1"));
    QVERIFY(ini.contains("CaseSensitive=0"));
}

void TestPlatform::settingsMissingKeyGivesTheDefault() {
    QCOMPARE(QtSettingsStore().read("Tapmeter", "Settings", "NoSuchKey", "0"), "0");
}

void TestPlatform::textFilesWriteCrLfInTheCodePage() {
    QTemporaryDir dir;
    const QString path = dir.filePath("results.dat");
    QtTextFiles files;
    QString error;
    QVERIFY(files.writeLines(path, {QString::fromUtf8(":::smørrebrød"), "-"}, &error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray(":::sm\xf8rrebr\xf8"
                                        "d\r\n-\r\n"));
    QVERIFY(files.isFile(path));
    QCOMPARE(files.size(path), 18);
}

void TestPlatform::textFilesReadByTheLineRules() {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.txt");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("one\r\ntwo\rthree\nfour\r\n\xe9");
    file.close();
    QtTextFiles files;
    QCOMPARE(files.readLines(path), (QStringList{"one", "two", "three\nfour", QString::fromUtf8("é")}));
    QCOMPARE(files.readText(path), QString::fromUtf8("one\r\ntwo\rthree\nfour\r\né"));
}

void TestPlatform::unreadableFileIsNotAnEmptyOne() {
    QtTextFiles files;
    QVERIFY(!files.readLines("/no/such/folder/results.dat"));
    QVERIFY(!files.readText("/no/such/folder/whatsnew.txt"));
}

void TestPlatform::failedWriteLeavesTheOldFileWhole() {
    QTemporaryDir dir;
    const QString path = dir.filePath("results.dat");
    QtTextFiles files;
    QVERIFY(files.writeLines(path, {":::old"}, nullptr));
    // The target's folder is gone: nothing can be written, and the caller
    // hears why.
    QString error;
    QVERIFY(!files.writeLines(dir.filePath("gone/results.dat"), {":::new"}, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(files.readLines(path), QStringList{":::old"});
}

void TestPlatform::folderIsNotAFile() {
    QTemporaryDir dir;
    QtTextFiles files;
    QVERIFY(!files.isFile(dir.path()));
    QVERIFY(!files.isFile(QString()));
    QString error;
    QVERIFY(!files.writeLines(dir.path(), {"x"}, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(QFileInfo(dir.path()).isDir());
}

void TestPlatform::generalDateLeavesOutMidnight() {
    const QLocale locale(QLocale::English, QLocale::UnitedKingdom);
    QCOMPARE(generalDateTimeText(QDateTime(QDate(2026, 12, 5), QTime(0, 0, 0)), locale), "05/12/2026");
    QCOMPARE(generalDateTimeText(QDateTime(QDate(2026, 12, 5), QTime(18, 22, 5)), locale), "05/12/2026 18:22:05");
}

void TestPlatform::generalDateHasNoTimeZone() {
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    const QString text = generalDateTimeText(QDateTime(QDate(2026, 12, 5), QTime(18, 22, 5)), locale);
    QVERIFY2(text.startsWith("12/5/26 6:22:05") && text.endsWith("PM"), qPrintable(text));
}

void TestPlatform::missingSoundIsSilentAndDoesNotBlock() {
    QtSound sound;
    sound.play("no-such-sound.wav", true);
    sound.play("no-such-sound.wav", false);
}

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
