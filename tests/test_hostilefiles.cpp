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
    void mergeSourcesLoadWhatTheRulesSay_data();
    void mergeSourcesLoadWhatTheRulesSay();
};

namespace {

const std::pair<const char*, Hostile> HostileFiles[] = {
    {"100 MB of garbage", Hostile::Garbage},
    {"only CRs", Hostile::OnlyCarriageReturns},
    {"NUL bytes", Hostile::NulBytes},
    {"10 MB line", Hostile::LongLine},
    {"UTF-8 outside the code page", Hostile::Utf8},
    {"LF-only line ends", Hostile::LineFeedsOnly},
    {"10,000 records", Hostile::TenThousandRecords},
};

const QByteArray PlainSource = ":::house\r\n4.3\r\nD\r\nN\r\n";

} // namespace

void TestHostileFiles::mainWindowLoadsWhatTheRulesSay_data() {
    QTest::addColumn<Hostile>("hostile");
    for (const auto& [name, hostile] : HostileFiles)
        QTest::newRow(name) << hostile;
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

void TestHostileFiles::mergeSourcesLoadWhatTheRulesSay_data() {
    QTest::addColumn<Hostile>("hostile");
    QTest::addColumn<bool>("asSource1");
    for (const auto& [name, hostile] : HostileFiles) {
        QTest::addRow("%s as Source 1", name) << hostile << true;
        QTest::addRow("%s as Source 2", name) << hostile << false;
    }
}

// The hostile file is one source of the Update Results window, a plain file
// with one record the other. "Open" lists what the rules read, and a merge
// rewrites Source 2 with exactly four lines per record.
void TestHostileFiles::mergeSourcesLoadWhatTheRulesSay() {
    QFETCH(Hostile, hostile);
    QFETCH(bool, asSource1);
    RealFilesForm1 window;
    const QString hostilePath = window.root.filePath(QStringLiteral("hostile.dat"));
    const QString plainPath = window.root.filePath(QStringLiteral("plain.dat"));
    {
        const Case c = hostileCase(hostile);
        QVERIFY(writeFile(hostilePath, c.file));
    }
    QVERIFY(writeFile(plainPath, PlainSource));
    const Case expected = hostileCase(hostile);
    window.start();

    Form3* merge = asSource1 ? window.openSources(hostilePath, plainPath) : window.openSources(plainPath, hostilePath);
    const Ui::Form3* w = merge->controls();
    QCOMPARE(entries(asSource1 ? w->ImageCombo1 : w->ImageCombo2), expected.words);
    QCOMPARE((asSource1 ? w->Label3 : w->Label4)->text(),
             QStringLiteral("Words in database: %1").arg(expected.words.size()));
    QCOMPARE(entries(asSource1 ? w->ImageCombo2 : w->ImageCombo1), QStringList{"house"});

    if (asSource1) {
        // Every word of the hostile file is new to the plain one, as far as
        // there is room.
        QCOMPARE(w->Command5->isEnabled(), !expected.words.isEmpty());
        merge->Command5_Click();
        QVERIFY(window.dialogs.messages().last().startsWith("Done!"));
        QCOMPARE(entries(w->ImageCombo2), (QStringList{"house"} + expected.words).mid(0, RecordTable::Slots));
    } else if (hostile == Hostile::TenThousandRecords) {
        // Writing back 101 of 10,000 records would lose the rest.
        merge->Command5_Click();
        QVERIFY(window.dialogs.messages().last().endsWith("nothing was merged."));
        QVERIFY(readFile(hostilePath) == expected.file);
    } else {
        merge->Command5_Click();
        QCOMPARE(window.dialogs.messages().last(), "Done!\r\n\r\nUpdated: 0\r\nAdded: 1");
        QCOMPARE(readFile(hostilePath).toPercentEncoding(), (expected.saved + PlainSource).toPercentEncoding());
        QCOMPARE(entries(w->ImageCombo2), expected.words + QStringList{"house"});
    }
}

QTEST_MAIN(TestHostileFiles)
#include "test_hostilefiles.moc"
