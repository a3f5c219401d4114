// Inputs fuzzing found wrong answers for, kept as plain tests so that every build guards against them.
#include "recordtime.h"

#include <QTest>

class TestFuzzFindings : public QObject {
    Q_OBJECT

private slots:
    void numbersBeyondADouble_data();
    void numbersBeyondADouble();
};

void TestFuzzFindings::numbersBeyondADouble_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    // A time of almost nothing written out in full was read as infinitely slow: only "e-" counted as small.
    QTest::newRow("tiny without exponent") << QStringLiteral("0.") + QString(400, u'0') + u'1' << 0.0;
    QTest::newRow("tiny without exponent, negative") << QStringLiteral("-0.") + QString(400, u'0') + u'1' << -0.0;
    QTest::newRow("huge with negative exponent") << u'1' + QString(400, u'0') + QStringLiteral("e-5") << qInf();
    QTest::newRow("tiny with positive exponent")
        << QStringLiteral("0.") + QString(400, u'0') + QStringLiteral("1e+5") << 0.0;
    QTest::newRow("huge without exponent") << u'9' + QString(400, u'9') << qInf();
    QTest::newRow("exponent beyond any integer") << QStringLiteral("1e99999999999999999999999") << qInf();
    QTest::newRow("negative exponent beyond any integer") << QStringLiteral("1e-99999999999999999999999") << 0.0;
}

void TestFuzzFindings::numbersBeyondADouble() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(leadingNumber(text), value);
}

QTEST_GUILESS_MAIN(TestFuzzFindings)
#include "test_fuzzfindings.moc"
