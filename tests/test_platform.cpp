#include "platform/datetext.h"
#include "platform/qtclock.h"
#include "platform/qtsettingsstore.h"

#include <QFile>
#include <QTest>

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    void settingsLiveInAPerUserIniFile();
    void generalDateAndTime();
    void clockTellsLocalTime();
};

void TestPlatform::settingsLiveInAPerUserIniFile() {
    // From a clean configuration folder, so that a file left by an earlier run proves nothing.
    QFile file(qEnvironmentVariable("XDG_CONFIG_HOME") + "/Tapmeter/Tapmeter.ini");
    file.remove();
    QtSettingsStore store;
    QCOMPARE(store.read("Tapmeter", "Settings", "Sounds", "0"), "0");
    QVERIFY(store.write("Tapmeter", "Settings", "Sounds", "1"));
    QCOMPARE(QtSettingsStore().read("Tapmeter", "Settings", "Sounds", "0"), "1");
    QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll().contains("[Settings]\nSounds=1\n"));
}

void TestPlatform::generalDateAndTime() {
    // Qt's long time names the time zone; the general form does not. Five
    // seconds past midnight is no midnight. The other locales are the desktop
    // test's.
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    QCOMPARE(generalDateTimeText(QDateTime(QDate(2026, 12, 5), QTime(0, 0, 5)), us), "12/5/26 12:00:05 AM");
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

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
