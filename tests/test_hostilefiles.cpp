// Results files no typist would write, as results.dat and as either merge source: the windows list
// what the reading rules make of them and write that back without losing a byte of it.
#include "realfiles.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

enum class Hostile { Garbage, OnlyCarriageReturns, NulBytes, LongLine, Utf8, LineFeedsOnly, TenThousandRecords };
enum class Place { ResultsDat, Source1, Source2 };

constexpr qsizetype MiB = 1024 * 1024;
const QByteArray PlainSource = ":::house\r\n4.3\r\nD\r\nN\r\n";

// The same random bytes every run, without a colon so that no marker turns up by chance.
QByteArray garbage(qsizetype size) {
    QList<quint32> words(size / 4);
    QRandomGenerator(7).fillRange(words.data(), words.size());
    return QByteArray(reinterpret_cast<const char*>(words.constData()), size).replace(':', ';');
}

QByteArray records(int count) {
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += QByteArray(":::w%1\r\n%1.5\r\nD%1\r\nN%1\r\n").replace("%1", QByteArray::number(i));
    return bytes;
}

struct Case {
    QByteArray file;
    QStringList words;
    QByteArray saved; // the records as written back
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
        const QByteArray record = QByteArrayLiteral(":::a\0b\r\n\0\r\n\0\0\r\nna\0me\r\n");
        return {
            QByteArray(MiB, '\0') + '\r' + record + QByteArray(MiB, '\0'), {QString::fromLatin1("a\0b", 3)}, record};
    }
    case Hostile::LongLine: {
        const QByteArray file =
            ":::long\r\n1\r\nD\r\n" + garbage(10 * MiB).replace('\r', 'r') + "\r\n:::next\r\n2\r\nd\r\nn\r\n";
        return {file, {"long", "next"}, file};
    }
    case Hostile::Utf8: {
        // One character per byte, written back as the same bytes.
        const QByteArray file =
            QStringLiteral(":::日本語\r\n3.5\r\n2026年5月12日\r\nЁлка\r\n:::grüße\r\n-\r\nna\r\nna\r\n").toUtf8();
        return {file, {QStringLiteral("æ—¥æœ¬èªž"), QStringLiteral("grÃ¼ÃŸe")}, file};
    }
    case Hostile::LineFeedsOnly: {
        // One line: one word holding the whole file, without time, date or name.
        const QByteArray file = ":::one\n1\nd\nn\n:::two\n2\nd\nn\n";
        return {file, {"one\n1\nd\nn\n:::two\n2\nd\nn\n"}, file + "\r\n\r\n\r\n\r\n"};
    }
    case Hostile::TenThousandRecords: {
        QStringList words;
        for (int i = 0; i < RecordTable::Slots; ++i)
            words << QStringLiteral("w%1").arg(i);
        return {records(10000), words, records(RecordTable::Slots)};
    }
    }
    return {};
}

} // namespace

class TestHostileFiles : public QObject {
    Q_OBJECT

private slots:
    void loadsWhatTheRulesSay_data();
    void loadsWhatTheRulesSay();
};

void TestHostileFiles::loadsWhatTheRulesSay_data() {
    QTest::addColumn<Hostile>("hostile");
    QTest::addColumn<Place>("place");
    const char* const files[] = {"100 MB of garbage",           "only CRs",          "NUL bytes",     "10 MB line",
                                 "UTF-8 outside the code page", "LF-only line ends", "10,000 records"};
    const char* const places[] = {"results.dat", "Source 1", "Source 2"};
    for (int file = 0; file < int(std::size(files)); ++file) {
        for (int place = 0; place < int(std::size(places)); ++place)
            QTest::addRow("%s as %s", files[file], places[place]) << Hostile(file) << Place(place);
    }
}

// As a merge source the hostile file meets a plain one with one record.
void TestHostileFiles::loadsWhatTheRulesSay() {
    QFETCH(Hostile, hostile);
    QFETCH(Place, place);
    const Case expected = hostileCase(hostile);
    RealFilesForm1 h;
    const QString hostilePath =
        place == Place::ResultsDat ? h.resultsPath() : h.root.filePath(QStringLiteral("hostile.dat"));
    const QString plainPath = h.root.filePath(QStringLiteral("plain.dat"));
    QVERIFY(writeFile(hostilePath, expected.file) && writeFile(plainPath, PlainSource));
    h.start();

    // A file not read whole is told of once and kept before it is first replaced.
    const bool readWhole = expected.file == expected.saved;
    const QString copyPath = hostilePath + QStringLiteral(".bak");
    if (place == Place::ResultsDat) {
        QCOMPARE(entries(h.ui->Combo1), expected.words);
        h.form->show();
        QCoreApplication::processEvents();
        QCOMPARE(h.fakes.dialogs.messages().size(), readWhole ? 0 : 1);
        h.form->Command4_Click();
        QCOMPARE(readFile(hostilePath), expected.saved);
        QCOMPARE(readFile(copyPath), readWhole ? QByteArray() : expected.file);
        return;
    }
    const bool first = place == Place::Source1;
    h.openSources(first ? hostilePath : plainPath, first ? plainPath : hostilePath);
    QCOMPARE(entries(first ? h.w->ImageCombo1 : h.w->ImageCombo2), expected.words);
    h.window->Command5_Click();
    if (first) {
        // Every word of the hostile file is new to the plain one, as far as there is room.
        QCOMPARE(entries(h.w->ImageCombo2), (QStringList{"house"} + expected.words).mid(0, RecordTable::Slots));
    } else {
        // Writing back 101 of 10,000 records would lose the rest: nothing is merged.
        const bool refused = hostile == Hostile::TenThousandRecords;
        QCOMPARE(readFile(hostilePath), refused ? expected.file : expected.saved + PlainSource);
        QCOMPARE(readFile(copyPath), readWhole || refused ? QByteArray() : expected.file);
        QCOMPARE(h.fakes.dialogs.messages().last().endsWith(copyPath + "."), !readWhole && !refused);
    }
}

QTEST_MAIN(TestHostileFiles)
#include "test_hostilefiles.moc"
