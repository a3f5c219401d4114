#include "platform/datetext.h"
#include "platform/qtclock.h"
#include "platform/qtsettingsstore.h"

#include <QFile>
#include <QTest>

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    void settingsLiveInAPerUserIniFile();
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
