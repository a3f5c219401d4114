#include "ansitext.h"

#include <QTest>

class TestAnsiText : public QObject {
    Q_OBJECT

private slots:
    void decodeLines_data();
    void decodeLines();
    void encodeLinesEndsEveryLineWithCrLf();
    void everyByteSurvivesARoundTrip();
    void charactersOutsideTheCodePage();
    void storableLine_data();
    void storableLine();
};

void TestAnsiText::decodeLines_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("CR alone ends a line") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("LF alone stays in the line") << QByteArray("a\nb\nc\n") << QStringList{"a\nb\nc\n"};
    QTest::newRow("last line without a line end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("only CRs") << QByteArray("\r\r\r") << QStringList{"", "", ""};
    QTest::newRow("CR LF LF") << QByteArray("a\r\n\nb\r\n") << QStringList{"a", "\nb"};
    QTest::newRow("empty lines") << QByteArray("\r\n\r\nx\r\n") << QStringList{"", "", "x"};
    QTest::newRow("NUL bytes are characters")
        << QByteArray("a\0b\r\n", 5) << QStringList{QString("a") + QChar(0) + "b"};
    QTest::newRow("Windows-1252 letters") << QByteArray("\xf8\x80\xe9\r\n") << QStringList{QString::fromUtf8("ø€é")};
}

void TestAnsiText::decodeLines() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(AnsiText::decodeLines(bytes), lines);
}

void TestAnsiText::encodeLinesEndsEveryLineWithCrLf() {
    QCOMPARE(AnsiText::encodeLines({}), QByteArray());
    QCOMPARE(AnsiText::encodeLines({QString::fromUtf8(":::hé"), "4.3", "", "na"}),
             QByteArray(":::h\xe9\r\n4.3\r\n\r\nna\r\n"));
}

void TestAnsiText::everyByteSurvivesARoundTrip() {
    QByteArray line;
    for (int b = 0; b < 256; ++b) {
        if (b != '\r')
            line.append(char(b));
    }
    const QStringList lines = AnsiText::decodeLines(line + "\r\n");
    QCOMPARE(lines.size(), 1);
    QCOMPARE(AnsiText::encodeLines(lines), line + "\r\n");
}

void TestAnsiText::charactersOutsideTheCodePage() {
    QVERIFY(AnsiText::canHold(QString::fromUtf8("Zoë Ærø €5 naïve")));
    QVERIFY(!AnsiText::canHold(QString::fromUtf8("Ωmega")));
    QVERIFY(!AnsiText::canHold(QString::fromUtf8("😀")));
    // What cannot be held is written as '?', never as a broken byte.
    QCOMPARE(AnsiText::encodeLines({QString::fromUtf8("aΩb😀")}), QByteArray("a?b??\r\n"));
    // A CR inside a line would split the record when it is read again.
    QCOMPARE(AnsiText::encodeLines({"a\rb"}), QByteArray("a b\r\n"));
}

void TestAnsiText::storableLine_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    QTest::newRow("plain") << "Typist"
                           << "Typist";
    QTest::newRow("line breaks become blanks") << "Ann\r\nBo\nCy"
                                               << "Ann  Bo Cy";
    QTest::newRow("characters outside the code page") << QString::fromUtf8("Jürgen Ω") << QString::fromUtf8("Jürgen ?");
}

void TestAnsiText::storableLine() {
    QFETCH(QString, text);
    QFETCH(QString, stored);
    QCOMPARE(AnsiText::toStorableLine(text), stored);
    QVERIFY(AnsiText::canHold(stored));
}

QTEST_GUILESS_MAIN(TestAnsiText)
#include "test_ansitext.moc"
