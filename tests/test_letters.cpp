#include "tests/harness.h"

#include <QTest>

// Words and names of every script, as a typist meets them: results files in
// the code page and in UTF-8, letters composed in different ways, letter case
// across scripts, and input methods that compose letters.
class TestLetters : public QObject {
    Q_OBJECT

private slots:
    void aWordListSavedByAnEditorShowsAsWritten();
    void aPolishWordAndNameAreSavedAsUtf8AndReadBack();
    void aWesternEuropeanListIsSavedByteForByte();
    void aMergeWritesSource2InUtf8OnlyWhenItMust_data();
    void aMergeWritesSource2InUtf8OnlyWhenItMust();
};

namespace {

const QByteArray Mark("\xef\xbb\xbf");

QByteArray utf8Lines(const QString& records) {
    return resultLines(records).join("\r\n").toUtf8() + "\r\n";
}

} // namespace

void TestLetters::aWordListSavedByAnEditorShowsAsWritten() {
    Form1Harness h;
    h.setResults(utf8Lines("żółw 4.2 wtorek Łukasz; źdźbło - na na; café - na na"));
    h.start();
    QCOMPARE(h.listed(), QStringList({"żółw", "źdźbło", "café"}));
    QCOMPARE(h.ui->Text4->text(), "Łukasz");
    QVERIFY(h.fakes.dialogs.boxes.isEmpty());
}

// Typed through to a record, saved, and loaded again: every letter stays.
void TestLetters::aPolishWordAndNameAreSavedAsUtf8AndReadBack() {
    Form1Harness h(Files::Real);
    h.setResults(crlf(resultLines("house 9 D Ann")));
    h.start();
    h.fakes.dialogs.promptAnswers << "żółw"
                                  << "Łukasz";
    h.ui->Command3->click();
    h.type("żółw");
    QCOMPARE(h.ui->Text4->text(), "Łukasz");
    h.ui->Command4->click();
    QCOMPARE(h.results(), crlf({":::house", "9", "D", "Ann", ":::żółw", "0", h.fakes.clock.now, "Łukasz"}));
    h.ui->Command2->click();
    QCOMPARE(h.listed(), QStringList({"house", "żółw"}));
    chooseEntry(h.ui->Combo1, 1);
    QCOMPARE(h.ui->Text4->text(), "Łukasz");
}

// A list of the code page's letters only is written as it always was: one
// byte a letter, whatever is added, typed or saved.
void TestLetters::aWesternEuropeanListIsSavedByteForByte() {
    Form1Harness h;
    const QByteArray file(":::caf\xe9\r\n4.2\r\nD\r\nJos\xe9\r\n:::sm\xf8rrebr\xf8"
                          "d\r\n-\r\nna\r\nna\r\n");
    h.setResults(file);
    h.start();
    h.fakes.dialogs.promptAnswers << "Straße"
                                  << "Zoë";
    h.ui->Command3->click();
    h.type("Straße");
    h.ui->Command4->click();
    QCOMPARE(h.results(), file +
                              ":::Stra\xdf"
                              "e\r\n0\r\n" +
                              h.fakes.clock.now.toLatin1() + "\r\nZo\xeb\r\n");
}

void TestLetters::aMergeWritesSource2InUtf8OnlyWhenItMust_data() {
    QTest::addColumn<QByteArray>("source1");
    QTest::addColumn<QByteArray>("source2");
    QTest::addColumn<QByteArray>("merged");
    const QByteArray houseCodePage(":::h\xe9\r\n9\r\nD\r\nJos\xe9\r\n");
    QTest::newRow("UTF-8 records that fit the code page")
        << utf8Lines("hé 5 D2 Zoë") << houseCodePage << QByteArray(":::h\xe9\r\n5\r\nD2\r\nZo\xeb\r\n");
    QTest::newRow("a Polish name into the code page")
        << utf8Lines("hé 5 D2 Łukasz") << houseCodePage << utf8Lines("hé 5 D2 Łukasz");
    QTest::newRow("a Greek word into the code page")
        << utf8Lines("ελπίδα 3 D3 Eleni") << houseCodePage << utf8Lines("hé 9 D José; ελπίδα 3 D3 Eleni");
    QTest::newRow("code-page records into UTF-8 with a mark")
        << houseCodePage << Mark + utf8Lines("hé 12 D0 Ola") << Mark + utf8Lines("hé 9 D José");
    QTest::newRow("code-page records into UTF-8")
        << houseCodePage << utf8Lines("żółw 1 D Ola") << utf8Lines("żółw 1 D Ola; hé 9 D José");
}

void TestLetters::aMergeWritesSource2InUtf8OnlyWhenItMust() {
    QFETCH(QByteArray, source1);
    QFETCH(QByteArray, source2);
    QFETCH(QByteArray, merged);
    Form1Harness h;
    h.fakes.files.put(h.source1Path, source1);
    h.fakes.files.put(h.source2Path, source2);
    h.openSources(h.source1Path, h.source2Path);
    h.w->Command5->click();
    QCOMPARE(h.fakes.files.bytes(h.source2Path), merged);
    QCOMPARE(h.fakes.dialogs.messages().size(), 1);
}

QTEST_MAIN(TestLetters)
#include "test_letters.moc"
