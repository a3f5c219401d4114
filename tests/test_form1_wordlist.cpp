#include "form1harness.h"

#include <QTest>

// Choosing, adding, removing and saving words: the list and the table must
// never disagree.
class TestForm1WordList : public QObject {
    Q_OBJECT

private slots:
    void addingToAnEmptyList();
    void duplicateBringsThePromptBack();
    void wordsDifferingInCaseAreDifferent();
    void cancelledOrEmptyAnswerChangesNothing();
    void blanksAreKept();
    void unstorableWordsAreRefused_data();
    void unstorableWordsAreRefused();
    void fullListTakesNoMoreWords();
    void removingTheFirstOfThree();
    void removingTheLastWord();
    void removingTheOnlyWord();
    void removingWithNothingSelected();
    void saveWritesTheListAndSaysSo();
    void savingAnEmptyListWritesZeroBytes();
    void typingIntoTheListIsSwallowed();
    void arrowKeysChooseAndShowTheRecord();
};

namespace {
const QByteArray ThreeWords = crlf({":::one", "1", "D1", "N1", ":::two", "2", "D2", "N2", ":::three", "3", "D3", "N3"});

QStringList listed(const Form1Harness& h) {
    QStringList words;
    for (int i = 0; i < h.ui->Combo1->count(); ++i)
        words << h.ui->Combo1->itemText(i);
    return words;
}

// The list shows exactly the table's words, slot by slot.
void verifyListMatchesTable(Form1Harness& h) {
    for (int i = 0; i < h.ui->Combo1->count(); ++i)
        QCOMPARE(h.form->wordTable().Words[i], h.ui->Combo1->itemText(i));
}
} // namespace

void TestForm1WordList::addingToAnEmptyList() {
    Form1Harness h;
    h.start();
    h.fakes.dialogs.promptAnswers << "house";
    h.ui->Command3->click();
    QCOMPARE(h.fakes.dialogs.prompts(), QStringList{"Enter new word:"});
    QCOMPARE(listed(h), QStringList{"house"});
    QCOMPARE(h.ui->Combo1->currentIndex(), 0);
    QCOMPARE(h.ui->Label10->text(), "Words in database: 1");
    QCOMPARE(h.ui->Text2->text(), "-");
    QCOMPARE(h.ui->Text3->text(), "na");
    QCOMPARE(h.ui->Text4->text(), "na");
    QCOMPARE(h.ui->Label13->text(), "5");
    QCOMPARE(h.form->wordTable().FastestTime[0], "-");
    // Nothing reaches the file before a save.
    QVERIFY(!h.fakes.files.has("results.dat"));
}

void TestForm1WordList::duplicateBringsThePromptBack() {
    Form1Harness h;
    h.setResults(ThreeWords);
    h.start();
    h.fakes.dialogs.promptAnswers << "two"
                                  << "two"
                                  << "four";
    h.form->Command3_Click();
    QCOMPARE(h.fakes.dialogs.prompts().size(), 3);
    QVERIFY(h.fakes.dialogs.messages().isEmpty());
    QCOMPARE(listed(h), (QStringList{"one", "two", "three", "four"}));
    QCOMPARE(h.ui->Combo1->currentIndex(), 3);
    verifyListMatchesTable(h);
}

void TestForm1WordList::wordsDifferingInCaseAreDifferent() {
    Form1Harness h;
    h.setResults(ThreeWords);
    h.start();
    h.fakes.dialogs.promptAnswers << "Two";
    h.form->Command3_Click();
    QCOMPARE(h.fakes.dialogs.prompts().size(), 1);
    QCOMPARE(listed(h).last(), "Two");
}

void TestForm1WordList::cancelledOrEmptyAnswerChangesNothing() {
    Form1Harness h;
    h.setResults(ThreeWords);
    h.start();
    h.form->Command3_Click();
    QCOMPARE(listed(h).size(), 3);
    QCOMPARE(h.ui->Combo1->currentIndex(), 0);
}

void TestForm1WordList::blanksAreKept() {
    Form1Harness h;
    h.start();
    h.fakes.dialogs.promptAnswers << " ice cream ";
    h.form->Command3_Click();
    QCOMPARE(h.form->wordTable().Words[0], " ice cream ");
    QCOMPARE(h.ui->Label13->text(), "11");
}

void TestForm1WordList::unstorableWordsAreRefused_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("why");
    QTest::newRow("line feed") << "ice\ncream"
                               << "line break";
    QTest::newRow("carriage return") << "ice\rcream"
                                     << "line break";
    QTest::newRow("Greek letter") << QString::fromUtf8("Ωmega") << "cannot store";
    QTest::newRow("emoji") << QString::fromUtf8("cat😀") << "cannot store";
}

void TestForm1WordList::unstorableWordsAreRefused() {
    QFETCH(QString, word);
    QFETCH(QString, why);
    Form1Harness h;
    h.start();
    h.fakes.dialogs.promptAnswers << word << QString::fromUtf8("smørrebrød");
    h.form->Command3_Click();
    QCOMPARE(h.fakes.dialogs.messages().size(), 1);
    QVERIFY2(h.fakes.dialogs.messages()[0].contains(why), qPrintable(h.fakes.dialogs.messages()[0]));
    QCOMPARE(h.fakes.dialogs.prompts().size(), 2);
    QCOMPARE(listed(h), QStringList{QString::fromUtf8("smørrebrød")});
}

void TestForm1WordList::fullListTakesNoMoreWords() {
    Form1Harness h;
    QStringList lines;
    for (int i = 0; i < 101; ++i)
        lines << QString(":::w%1").arg(i);
    h.setResults(crlf(lines));
    h.start();
    h.fakes.dialogs.promptAnswers << "extra";
    h.form->Command3_Click();
    QVERIFY(h.fakes.dialogs.prompts().isEmpty());
    QCOMPARE(h.fakes.dialogs.messages().size(), 1);
    QVERIFY(h.fakes.dialogs.messages()[0].contains("full"));
    QCOMPARE(h.ui->Combo1->count(), 101);
}

void TestForm1WordList::removingTheFirstOfThree() {
    Form1Harness h;
    h.setResults(ThreeWords);
    h.start();
    h.ui->Command5->click();
    QCOMPARE(listed(h), (QStringList{"two", "three"}));
    QCOMPARE(h.ui->Combo1->currentIndex(), 1);
    QCOMPARE(h.ui->Text2->text(), "3");
    QCOMPARE(h.ui->Text4->text(), "N3");
    QCOMPARE(h.ui->Label10->text(), "Words in database: 2");
    const WordTable& table = h.form->wordTable();
    QCOMPARE(table.FastestTime[0], "2");
    QCOMPARE(table.RecordName[0], "N2");
    QCOMPARE(table.Words[1], "three");
    QCOMPARE(table.RecordDate[1], "D3");
    h.form->Command4_Click();
    QCOMPARE(h.results(), crlf({":::two", "2", "D2", "N2", ":::three", "3", "D3", "N3"}));
}

void TestForm1WordList::removingTheLastWord() {
    Form1Harness h;
    h.setResults(ThreeWords);
    h.start();
    h.ui->Combo1->setCurrentIndex(2);
    h.form->Command5_Click();
    QCOMPARE(listed(h), (QStringList{"one", "two"}));
    QCOMPARE(h.ui->Combo1->currentIndex(), 1);
    verifyListMatchesTable(h);
}

void TestForm1WordList::removingTheOnlyWord() {
    Form1Harness h;
    h.setResults(crlf({":::only", "7", "D", "N"}));
    h.start();
    h.form->Command5_Click();
    QCOMPARE(h.ui->Combo1->count(), 0);
    QCOMPARE(h.ui->Combo1->currentIndex(), -1);
    QCOMPARE(h.ui->Label10->text(), "Words in database: 0");
    QCOMPARE(h.ui->Text2->text(), "7");
    QCOMPARE(h.ui->Text4->text(), "N");
    QCOMPARE(h.ui->Label13->text(), QString::number(h.ui->Combo1->currentText().size()));
}

void TestForm1WordList::removingWithNothingSelected() {
    Form1Harness h;
    h.start();
    h.ui->Label10->setText("stale");
    h.form->Command5_Click();
    QCOMPARE(h.ui->Label10->text(), "Words in database: 0");
    QCOMPARE(h.ui->Label13->text(), "0");
}

void TestForm1WordList::saveWritesTheListAndSaysSo() {
    Form1Harness h;
    h.setResults(ThreeWords);
    h.start();
    h.ui->Check2->click();
    h.fakes.dialogs.promptAnswers << QString::fromUtf8("café");
    h.form->Command3_Click();
    h.ui->Command4->click();
    QCOMPARE(h.fakes.dialogs.messages(), QStringList{"Saved!"});
    QCOMPARE(h.results(), ThreeWords + QByteArray(":::caf\xe9\r\n-\r\nna\r\nna\r\n"));
    QCOMPARE(h.setting("CaseSensitive"), "1");
}

void TestForm1WordList::savingAnEmptyListWritesZeroBytes() {
    Form1Harness h;
    h.start();
    h.form->Command4_Click();
    QVERIFY(h.fakes.files.has("results.dat"));
    QCOMPARE(h.results(), QByteArray());
    QCOMPARE(h.fakes.dialogs.messages(), QStringList{"Saved!"});
}

void TestForm1WordList::typingIntoTheListIsSwallowed() {
    Form1Harness h;
    h.setResults(ThreeWords);
    h.start();
    QTest::keyClicks(h.ui->Combo1, "zz");
    QTest::keyClick(h.ui->Combo1, Qt::Key_Backspace);
    QTest::keyClick(h.ui->Combo1, Qt::Key_Delete);
    QCOMPARE(h.ui->Combo1->currentText(), "one");
    QCOMPARE(listed(h), (QStringList{"one", "two", "three"}));
}

void TestForm1WordList::arrowKeysChooseAndShowTheRecord() {
    Form1Harness h;
    h.setResults(ThreeWords);
    h.start();
    QTest::keyClick(h.ui->Combo1, Qt::Key_Down);
    QCOMPARE(h.ui->Combo1->currentIndex(), 1);
    QCOMPARE(h.ui->Text2->text(), "2");
    QCOMPARE(h.ui->Text3->text(), "D2");
    QCOMPARE(h.ui->Label13->text(), "3");
    QTest::keyClick(h.ui->Combo1, Qt::Key_Down);
    QCOMPARE(h.ui->Text4->text(), "N3");
    QCOMPARE(h.ui->Label13->text(), "5");
}

QTEST_MAIN(TestForm1WordList)
#include "test_form1_wordlist.moc"
