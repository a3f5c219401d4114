#include "datetext.h"
#include "qtsettingsstore.h"
#include "qtsound.h"
#include "qttextfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    void settingsLiveInAPerUserIniFile();
    void textFilesRoundTripInTheCodePage();
    void generalDateAndTime();
    void missingSoundIsSilentAndDoesNotBlock();
};

namespace {
QStringList linesOf(const TextFiles& files, const QString& path) {
    QStringList lines;
    files.readLines(path, [&lines](const QString& line) { lines << line; });
    return lines;
}
} // namespace

void TestPlatform::settingsLiveInAPerUserIniFile() {
    QtSettingsStore store;
    QVERIFY(store.write("Tapmeter", "Settings", "Sounds", "1"));
    QCOMPARE(QtSettingsStore().read("Tapmeter", "Settings", "Sounds", "0"), "1");
    QCOMPARE(store.read("Tapmeter", "Settings", "Missing", "0"), "0");
    QFile file(qEnvironmentVariable("XDG_CONFIG_HOME") + "/Tapmeter/Tapmeter.ini");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray ini = file.readAll();
    QVERIFY(ini.contains("[Settings]") && ini.contains("Sounds=1"));
}

void TestPlatform::textFilesRoundTripInTheCodePage() {
    QTemporaryDir dir;
    const QString path = dir.filePath("results.dat");
    QtTextFiles files;
    QVERIFY(files.writeLines(path, {QString::fromUtf8(":::smørrebrød"), "a\nb"}, nullptr));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray(":::sm\xf8rrebr\xf8"
                                        "d\r\na\nb\r\n"));
    QCOMPARE(files.size(path), 20);
    QCOMPARE(linesOf(files, path), (QStringList{QString::fromUtf8(":::smørrebrød"), "a\nb"}));
    QCOMPARE(files.readText(path), QString::fromUtf8(":::smørrebrød\r\na\nb\r\n"));
    QVERIFY(!files.readLines(dir.filePath("missing.dat"), [](const QString&) { QFAIL("a line of no file"); }));
    QVERIFY(!files.isFile(dir.path()));
}

void TestPlatform::generalDateAndTime() {
    const QLocale uk(QLocale::English, QLocale::UnitedKingdom);
    QCOMPARE(generalDateTimeText(QDateTime(QDate(2026, 12, 5), QTime(0, 0)), uk), "05/12/2026");
    QCOMPARE(generalDateTimeText(QDateTime(QDate(2026, 12, 5), QTime(18, 22, 5)), uk), "05/12/2026 18:22:05");
    // Qt's long time names the time zone; the general form does not.
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    QCOMPARE(generalDateTimeText(QDateTime(QDate(2026, 12, 5), QTime(18, 22, 5)), us), "12/5/26 6:22:05 PM");
}

void TestPlatform::missingSoundIsSilentAndDoesNotBlock() {
    QtSound sound;
    sound.play("no-such-sound.wav", true);
}

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
