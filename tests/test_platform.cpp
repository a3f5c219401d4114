#include "platform/datetext.h"
#include "platform/preferences.h"
#include "platform/qtclock.h"
#include "platform/qtsettingsstore.h"
#include "platform/windowstyle.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>

#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    void settingsLiveInAPerUserIniFile();
    void deadSettingsLockIsTakenOver_data();
    void deadSettingsLockIsTakenOver();
    void clockTellsLocalTime();
    void progressIsPlacedBesideTheMainWindow();
};

void TestPlatform::settingsLiveInAPerUserIniFile() {
    // From a clean configuration folder, so that a file left by an earlier run proves nothing.
    QFile file(qEnvironmentVariable("XDG_CONFIG_HOME") + "/Tapmeter/Tapmeter.ini");
    file.remove();
    QtSettingsStore store;
    Preferences preferences(store);
    QCOMPARE(QList({preferences.sounds(), preferences.caseSensitive(), int(preferences.practiseNeediestWord())}),
             QList({0, 0, 0}));
    QVERIFY(preferences.setSounds(1) && preferences.setCaseSensitive(2) && preferences.setPractiseNeediestWord(true));
    QtSettingsStore another;
    const Preferences read(another);
    QCOMPARE(QList({read.sounds(), read.caseSensitive(), int(read.practiseNeediestWord())}), QList({1, 2, 1}));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), "[Settings]\nCaseSensitive=2\nPractiseNeediestWord=1\nSounds=1\n");
}

// What a kill during a settings write leaves beside Tapmeter.ini, or what else may be found there. Qt's own writer
// would wait for an empty lock to grow old; here it is kept young all along, so a write that waits never ends.
void TestPlatform::deadSettingsLockIsTakenOver_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("empty lock") << "empty";
    QTest::newRow("lock naming no process") << "junk";
    QTest::newRow("named pipe") << "pipe";
}

void TestPlatform::deadSettingsLockIsTakenOver() {
    QFETCH(QString, kind);
    const QString lockPath =
        QSettings(QSettings::IniFormat, QSettings::UserScope, "Tapmeter", "Tapmeter").fileName() + ".lock";
    const QByteArray lockName = QFile::encodeName(lockPath);
    QFile::remove(lockPath);
    QFile lock(lockPath);
    QVERIFY(kind == "pipe" ? mkfifo(lockName.constData(), 0600) == 0
                           : lock.open(QIODevice::WriteOnly) && lock.write(kind == "junk" ? "x\ny\n" : "") >= 0);
    lock.close();
    std::atomic<bool> written = false;
    std::thread keepYoung([&] {
        while (!written)
            utimensat(AT_FDCWD, lockName.constData(), nullptr, 0);
    });

    const bool stored = QtSettingsStore().write("Tapmeter", "Settings", "CaseSensitive", "1");
    written = true;
    keepYoung.join();

    QVERIFY(stored);
    QCOMPARE(QtSettingsStore().read("Tapmeter", "Settings", "CaseSensitive", "0"), "1");
    QVERIFY(!QFileInfo::exists(lockPath));
}

// The test runs in India, five and a half hours ahead of UTC: a record's date
// and an attempt's moment are the typist's local ones.
void TestPlatform::clockTellsLocalTime() {
    const QtClock clock;
    QCOMPARE(clock.nowDateTime().offsetFromUtc(), 5 * 3600 + 1800);
    QString before, told;
    do {
        before = generalDateTimeText(QDateTime::currentDateTime(), QLocale::system());
        told = clock.nowText();
    } while (generalDateTimeText(QDateTime::currentDateTime(), QLocale::system()) != before);
    QCOMPARE(told, before);
}

// The Progress window of 720 by 620 with its frame, usable down to 331 by
// 454, on a screen of 1280 by 1024: right of the main window and made
// narrower, left, below, and over the least of it.
void TestPlatform::progressIsPlacedBesideTheMainWindow() {
    QList<QRect> placed;
    for (const QRect& frame :
         {QRect(375, 366, 529, 292), QRect(745, 366, 529, 292), QRect(0, 0, 1280, 300), QRect(300, 366, 800, 292)})
        placed << besideWindow(frame, QSize(720, 620), QSize(331, 454), QRect(0, 0, 1280, 1024));
    QCOMPARE(placed, (QList<QRect>{{904, 366, 376, 620}, {25, 366, 720, 620}, {0, 300, 720, 620}, {0, 366, 331, 620}}));
}

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
