#include "numbertext.h"
#include "recordtime.h"

#include <QTest>

#include <limits>

class TestNumbers : public QObject {
    Q_OBJECT

private slots:
    void numberText_data();
    void numberText();
    void sumsOfTenthsStayAtOneDecimal();
    void countWords_data();
    void countWords();
    void leadingNumber_data();
    void leadingNumber();
    void neitherDependsOnTheLocale();
};

void TestNumbers::numberText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals"); // -1: not rounded
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << -1 << "0";
    QTest::newRow("negative zero") << -0.0 << -1 << "0";
    QTest::newRow("one tenth") << 0.1 << -1 << "0.1";
    QTest::newRow("whole") << 7.0 << -1 << "7";
    QTest::newRow("no thousands separator") << 12345.5 << -1 << "12345.5";
    QTest::newRow("15 significant digits") << 1.0 / 3.0 << -1 << "0.333333333333333";
    QTest::newRow("half to even, down") << 0.25 << 1 << "0.2";
    QTest::newRow("half to even, up") << 0.35 << 1 << "0.4";
    QTest::newRow("thousandths") << 0.0625 << 3 << "0.062";
    QTest::newRow("100 s over 7 letters") << 100.0 / 7.0 << 3 << "14.286";
    QTest::newRow("1000.1 s over 3 letters") << 1000.1 / 3.0 << 3 << "333.367";
}

void TestNumbers::numberText() {
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(::numberText(decimals < 0 ? value : roundHalfEven(value, decimals)), text);
}

void TestNumbers::sumsOfTenthsStayAtOneDecimal() {
    // In binary 0.1 + 0.2 is 0.30000000000000004; the counter text must not drift.
    QString label = "0";
    for (int i = 1; i <= 1000; ++i) {
        label = ::numberText(roundHalfEven(numberFromText(label) + 0.1, 1));
        QCOMPARE(label, ::numberText(i / 10.0));
    }
}

void TestNumbers::countWords_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("words");
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("only blanks") << "     " << 0;
    QTest::newRow("blanks around and between") << "  hello   world  " << 2;
    QTest::newRow("a tab does not separate") << "a\tb" << 1;
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
    QTest::newRow("trailing zero") << "4.30" << 4.3;
    QTest::newRow("no record") << "-" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("decimal comma stops") << "4,7" << 4.0;
    QTest::newRow("blanks, tabs, LFs skipped anywhere") << " 1\t2\n.5" << 12.5;
    QTest::newRow("sign") << "-2.5" << -2.5;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("exponent") << "1.5e2" << 150.0;
    QTest::newRow("exponent without digits") << "7e-x" << 7.0;
    QTest::newRow("text after the number") << "12s" << 12.0;
    QTest::newRow("huge") << "1e999" << std::numeric_limits<double>::infinity();
    QTest::newRow("tiny") << "1e-999" << 0.0;
    QTest::newRow("CR is not skipped") << "\r5" << 0.0;
}

void TestNumbers::leadingNumber() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(::leadingNumber(text), value);
}

void TestNumbers::neitherDependsOnTheLocale() {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German));
    QCOMPARE(::leadingNumber(u"9.5"), 9.5);
    QCOMPARE(::numberText(9.5), "9.5");
    QLocale::setDefault(before);
}

QTEST_GUILESS_MAIN(TestNumbers)
#include "test_numbers.moc"
