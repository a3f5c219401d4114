// Results files that no typist would write: huge, binary, in another
// encoding or with other line ends. The main window loads what the reading
// rules make of them, saves that back without losing a byte of it, and does
// not crash. The files are made here, in a temporary folder.
#include "realfiles.h"

#include <QTest>

#include <cstdint>

namespace {

enum class Hostile { Garbage, OnlyCarriageReturns, NulBytes, LongLine, Utf8, LineFeedsOnly, TenThousandRecords };

constexpr qsizetype MiB = 1024 * 1024;

// Bytes without any rhyme, always the same ones; no colon, so no marker
// turns up by chance.
QByteArray garbage(qsizetype size) {
    QByteArray bytes(size, Qt::Uninitialized);
    std::uint64_t state = 0x2545F4914F6CDD1DULL;
    for (qsizetype i = 0; i < size; ++i) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        const char c = char(state >> 56);
        bytes[i] = c == ':' ? ';' : c;
    }
    return bytes;
}

QByteArray records(int count) {
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += QByteArray(":::w%1\r\n%1.5\r\nD%1\r\nN%1\r\n").replace("%1", QByteArray::number(i));
    return bytes;
}

// A literal with NUL bytes in it, all of it.
template <std::size_t N> QByteArray bytesOf(const char (&text)[N]) {
    return QByteArray(text, N - 1);
}

struct Case {
    QByteArray file;
    QStringList words;
    QByteArray saved;
    int messages = 0;
};

Case hostileCase(Hostile hostile) {
    switch (hostile) {
    case Hostile::Garbage: {
        // Lines before the first marker are skipped, however many.
        const QByteArray record = ":::last\r\n1.5\r\nD\r\nN\r\n";
        return {garbage(100 * MiB) + '\r' + record, {"last"}, record};
    }
    case Hostile::OnlyCarriageReturns:
        return {QByteArray(10 * MiB, '\r'), {}, {}};
    case Hostile::NulBytes: {
        const QByteArray record = bytesOf("\r:::a\0b\r\n\0\r\n\0\0\r\nna\0me\r\n");
        return {
            QByteArray(MiB, '\0') + record + QByteArray(MiB, '\0'), {QString::fromLatin1("a\0b", 3)}, record.mid(1)};
    }
    case Hostile::LongLine: {
        const QByteArray file =
            ":::long\r\n1\r\nD\r\n" + garbage(10 * MiB).replace('\r', 'r') + "\r\n:::next\r\n2\r\nd\r\nn\r\n";
        return {file, {"long", "next"}, file};
    }
    case Hostile::Utf8: {
        // Read as one byte per character, and written back as the same bytes.
        const QByteArray file =
            QStringLiteral(":::日本語\r\n3.5\r\n2026年5月12日\r\nЁлка\r\n:::grüße\r\n-\r\nna\r\nna\r\n").toUtf8();
        return {file, {QStringLiteral("æ—¥æœ¬èªž"), QStringLiteral("grÃ¼ÃŸe")}, file};
    }
    case Hostile::LineFeedsOnly: {
        // One single line: one word holding the rest of the file, and a
        // record without time, date or name.
        const QByteArray file = ":::one\n1\nd\nn\n:::two\n2\nd\nn\n";
        return {file, {"one\n1\nd\nn\n:::two\n2\nd\nn\n"}, file + "\r\n\r\n\r\n\r\n"};
    }
    case Hostile::TenThousandRecords: {
        QStringList words;
        for (int i = 0; i < RecordTable::Slots; ++i)
            words << QStringLiteral("w%1").arg(i);
        return {records(10000), words, records(RecordTable::Slots), 1};
    }
    }
    return {};
}

} // namespace

class TestHostileFiles : public QObject {
    Q_OBJECT

private slots:
    void mainWindowLoadsWhatTheRulesSay_data();
    void mainWindowLoadsWhatTheRulesSay();
};

void TestHostileFiles::mainWindowLoadsWhatTheRulesSay_data() {
    QTest::addColumn<Hostile>("hostile");
    QTest::newRow("100 MB of garbage") << Hostile::Garbage;
    QTest::newRow("only CRs") << Hostile::OnlyCarriageReturns;
    QTest::newRow("NUL bytes") << Hostile::NulBytes;
    QTest::newRow("10 MB line") << Hostile::LongLine;
    QTest::newRow("UTF-8 outside the code page") << Hostile::Utf8;
    QTest::newRow("LF-only line ends") << Hostile::LineFeedsOnly;
    QTest::newRow("10,000 records") << Hostile::TenThousandRecords;
}

void TestHostileFiles::mainWindowLoadsWhatTheRulesSay() {
    QFETCH(Hostile, hostile);
    RealFilesForm1 window;
    {
        const Case c = hostileCase(hostile);
        QVERIFY(writeFile(window.resultsPath(), c.file));
    }
    const Case expected = hostileCase(hostile);

    window.start();

    QCOMPARE(window.listed(), expected.words);
    QCOMPARE(window.ui->Label10->text(), QStringLiteral("Words in database: %1").arg(expected.words.size()));
    QCOMPARE(window.dialogs.messages().size(), expected.messages);
    window.form->Command4_Click();
    QCOMPARE(window.dialogs.messages().last(), "Saved!");
    QCOMPARE(readFile(window.resultsPath()).toPercentEncoding(), expected.saved.toPercentEncoding());
}

QTEST_MAIN(TestHostileFiles)
#include "test_hostilefiles.moc"
