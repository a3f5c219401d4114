#include "platform/datetext.h"
#include "platform/qtclock.h"
#include "platform/preferences.h"
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
