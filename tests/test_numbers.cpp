#include "numbertext.h"
#include "recordtime.h"

#include <QTest>

#include <cmath>
#include <limits>

class TestNumbers : public QObject {
    Q_OBJECT

private slots:
    void numberText_data();
    void numberText();
    void roundingHalvesGoToEven_data();
    void roundingHalvesGoToEven();
    void sumsOfTenthsStayAtOneDecimal();
    void countWords_data();
    void countWords();
    void leadingNumber_data();
    void leadingNumber();
    void leadingNumberIgnoresTheLocale();
};

void TestNumbers::numberText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("one tenth") << 0.1 << "0.1";
    QTest::newRow("12.3") << 12.3 << "12.3";
    QTest::newRow("0.333") << 0.333 << "0.333";
    QTest::newRow("seven") << 7.0 << "7";
    QTest::newRow("no thousands separator") << 12345.5 << "12345.5";
    QTest::newRow("15 significant digits") << 1.0 / 3.0 << "0.333333333333333";
    QTest::newRow("negative") << -2.5 << "-2.5";
}

void TestNumbers::numberText() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(::numberText(value), text);
    QCOMPARE(numberFromText(text), value == 0.0 ? 0.0 : value);
}

void TestNumbers::roundingHalvesGoToEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");
    QTest::newRow("0.25 to tenths") << 0.25 << 1 << "0.2";
    QTest::newRow("0.35 to tenths") << 0.35 << 1 << "0.4";
    QTest::newRow("0.0625 to thousandths") << 0.0625 << 3 << "0.062";
    QTest::newRow("100 s over 7 letters") << 100.0 / 7.0 << 3 << "14.286";
    QTest::newRow("1000.1 s over 3 letters") << 1000.1 / 3.0 << 3 << "333.367";
    QTest::newRow("2.5 to whole") << 2.5 << 0 << "2";
}

void TestNumbers::roundingHalvesGoToEven() {
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(::numberText(roundHalfEven(value, decimals)), text);
}

void TestNumbers::sumsOfTenthsStayAtOneDecimal() {
    // Adding tenths in binary drifts (0.1 + 0.2 is 0.30000000000000004); the
    // counter text must not.
    QString label = "0";
    for (int i = 1; i <= 1000; ++i) {
        label = ::numberText(roundHalfEven(numberFromText(label) + 0.1, 1));
        QVERIFY2(label.size() <= QString::number(i / 10).size() + 2, qPrintable(label));
    }
    QCOMPARE(label, "100");
}

void TestNumbers::countWords_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("words");
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("only blanks") << "     " << 0;
    QTest::newRow("one") << "hello" << 1;
    QTest::newRow("blanks around and between") << "  hello   world  " << 2;
    QTest::newRow("a tab does not separate") << "a\tb" << 1;
    QTest::newRow("hello world") << "hello world" << 2;
    QTest::newRow("full box") << QString("a ").repeated(16383) << 16383;
}

void TestNumbers::countWords() {
    QFETCH(QString, text);
    QFETCH(int, words);
    QCOMPARE(CountWords(text), words);
}

void TestNumbers::leadingNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << "4.3" << 4.3;
    QTest::newRow("trailing zero") << "4.30" << 4.3;
    QTest::newRow("whole") << "5" << 5.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("no record") << "-" << 0.0;
    QTest::newRow("word") << "abc" << 0.0;
    QTest::newRow("decimal comma stops") << "4,7" << 4.0;
    QTest::newRow("blanks skipped anywhere") << " 1 2.5" << 12.5;
    QTest::newRow("tabs and line feeds skipped") << "\t1\n0" << 10.0;
    QTest::newRow("sign") << "-2.5" << -2.5;
    QTest::newRow("plus sign") << "+3" << 3.0;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("exponent") << "1.5e2" << 150.0;
    QTest::newRow("exponent without digits") << "7e" << 7.0;
    QTest::newRow("exponent with sign only") << "7e-x" << 7.0;
    QTest::newRow("text after number") << "12s" << 12.0;
    QTest::newRow("huge exponent") << "1e999" << std::numeric_limits<double>::infinity();
    QTest::newRow("tiny exponent") << "1e-999" << 0.0;
    QTest::newRow("CR is not skipped") << "\r5" << 0.0;
}

void TestNumbers::leadingNumber() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(::leadingNumber(text), value);
}

void TestNumbers::leadingNumberIgnoresTheLocale() {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German));
    QCOMPARE(::leadingNumber(u"9.5"), 9.5);
    QCOMPARE(::numberText(9.5), "9.5");
    QLocale::setDefault(before);
}

QTEST_GUILESS_MAIN(TestNumbers)
#include "test_numbers.moc"
