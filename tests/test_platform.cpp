#include "platform/datetext.h"
#include "platform/preferences.h"
#include "platform/qtclock.h"
#include "platform/qtsettingsstore.h"
#include "platform/windowstyle.h"
#include "tests/table.h"

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
    void settingsLiveInAPerUserIniFile() {
        // From a clean configuration folder, so that a file left by an earlier run proves nothing.
        QFile file(qEnvironmentVariable("XDG_CONFIG_HOME") + "/Tapmeter/Tapmeter.ini");
        file.remove();
        QtSettingsStore store;
        Preferences preferences(store);
        QCOMPARE(QList({preferences.sounds(), preferences.caseSensitive(), int(preferences.practiseNeediestWord())}),
                 QList({0, 0, 0}));
        QVERIFY(preferences.setSounds(1) && preferences.setCaseSensitive(2) &&
                preferences.setPractiseNeediestWord(true));
        QtSettingsStore another;
        const Preferences read(another);
        QCOMPARE(QList({read.sounds(), read.caseSensitive(), int(read.practiseNeediestWord())}), QList({1, 2, 1}));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), "[Settings]\nCaseSensitive=2\nPractiseNeediestWord=1\nSounds=1\n");
    }

    // What a kill during a settings write leaves beside Tapmeter.ini, or what else may be found there. Qt's own
    // writer would wait for an empty lock to grow old; here it is kept young all along, so a write that waits never
    // ends.
    void deadSettingsLockIsTakenOver_data() {
        const Table<QString> table("kind");
        table.row("empty lock", "empty");
        table.row("lock naming no process", "junk");
        table.row("named pipe", "pipe");
    }
    void deadSettingsLockIsTakenOver() {
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
    void clockTellsLocalTime() {
        const QtClock clock;
        QCOMPARE(clock.nowDateTime().offsetFromUtc(), 5 * 3600 + 1800);
        QString before, told;
        do {
            before = generalDateTimeText(QDateTime::currentDateTime(), QLocale::system());
            told = clock.nowText();
        } while (generalDateTimeText(QDateTime::currentDateTime(), QLocale::system()) != before);
        QCOMPARE(told, before);
    }

    // Where the main window slides to make room and where Progress (720 by 620
    // with its frame, usable down to 331 by 454) then goes beside it: where the
    // screen is wide enough for both but no side of the main window is, the main
    // window slides just far enough, toward the side with more room.
    void progressIsPlacedBesideTheMainWindow_data() {
        const Table<QRect, QRect, QRect, QRect> table("mainWindow", "mainWindowSlidTo", "progress", "screen");
        const auto row = [&table](const char* name, const QRect& main, const QRect& slid, const QRect& progress,
                                  const QRect& screen = QRect(0, 0, 1280, 1024)) {
            table.row(name, main, slid, progress, screen);
        };
        row("right of it", {0, 366, 529, 292}, {0, 366, 529, 292}, {529, 366, 720, 620});
        row("left of it", {745, 366, 529, 292}, {745, 366, 529, 292}, {25, 366, 720, 620});
        row("right of it, made narrower", {300, 366, 600, 292}, {300, 366, 600, 292}, {900, 366, 380, 620});
        row("below a wide one", {0, 0, 1280, 300}, {0, 0, 1280, 300}, {0, 300, 720, 620});
        row("over the least of it", {300, 366, 800, 292}, {300, 366, 800, 292}, {0, 366, 331, 620});
        row("slid left", {375, 254, 529, 292}, {31, 254, 529, 292}, {560, 180, 720, 620}, {0, 0, 1280, 800});
        row("slid right", {420, 238, 529, 292}, {720, 238, 529, 292}, {0, 148, 720, 620}, {0, 0, 1366, 768});
        row("too narrow for both", {100, 0, 529, 292}, {100, 0, 529, 292}, {100, 292, 720, 476}, {0, 0, 1024, 768});
    }

    void progressIsPlacedBesideTheMainWindow() {
        QFETCH(QRect, screen);
        QFETCH(QRect, mainWindow);
        const QSize progress(720, 620);
        const QRect slid = makeRoomBeside(mainWindow, progress, screen);
        QTEST(slid, "mainWindowSlidTo");
        QTEST(besideWindow(slid, progress, QSize(331, 454), screen), "progress");
    }
};

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
