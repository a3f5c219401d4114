#include "form1harness.h"
#include "form2.h"
#include "form3.h"

#include <QTest>

// The main window's start-up and shutdown, and its word list: the list and
// the table must never disagree, and nothing may be lost on the way to disk.
class TestForm1Window : public QObject {
    Q_OBJECT

private slots:
    void firstStartShowsAnEmptyTrainer();
    void layoutAndCaptions();
    void storedPreferences_data();
    void storedPreferences();
    void loadingResults_data();
    void loadingResults();
    void reloadKeepsTheListWhenThereIsNothingToRead();
    void closingSavesAndTheNextStartFindsItAll();
    void failedSaves_data();
    void failedSaves();
    void menus();
    void addingWords();
    void refusedWords_data();
    void refusedWords();
    void fullListTakesNoMoreWords();
    void removingWords_data();
    void removingWords();
    void wordListTakesNoTypingButArrowsChoose();
};

namespace {
const QStringList ThreeWords{":::one", "1", "D1", "N1", ":::two", "2", "D2", "N2", ":::three", "3", "D3", "N3"};

QStringList recordBoxes(const Form1Harness& h) {
    return {h.ui->Text2->text(), h.ui->Text3->text(), h.ui->Text4->text(), h.ui->Label13->text()};
}

void verifyListMatchesTable(Form1Harness& h) {
    for (int i = 0; i < h.ui->Combo1->count(); ++i)
        QCOMPARE(h.form->wordTable().Words[i], h.ui->Combo1->itemText(i));
    QCOMPARE(h.ui->Label10->text(), "Words in database: " + QString::number(h.ui->Combo1->count()));
}
} // namespace

void TestForm1Window::firstStartShowsAnEmptyTrainer() {
    Form1Harness h;
    h.start();
    QCOMPARE(h.ui->Combo1->currentIndex(), -1);
    QCOMPARE(h.ui->Label10->text(), "Words in database: 0");
    QCOMPARE(h.ui->Combo2->currentText(), "-");
    QCOMPARE(h.ui->Combo3->currentText(), "Words written");
    // The limits are set after the first criterion was shown, so the box stays empty.
    QCOMPARE(h.ui->Text5->text(), "");
    QCOMPARE(h.form->criterionLimits(), (std::array<QString, 3>{"0", "0", "0"}));
    QCOMPARE(h.counters(), QStringList(7, "0"));
    QVERIFY(!h.clockRunning());
    QCOMPARE(h.indicator(), IndicatorRed);
    QVERIFY(h.fakes.dialogs.boxes.isEmpty());
}

void TestForm1Window::layoutAndCaptions() {
    Form1Harness h;
    h.start();
    QCOMPARE(h.ui->centralwidget->size(), QSize(527, 254));
    // Fixed pixel positions: every caption must fit its control.
    for (QLabel* label : h.form->findChildren<QLabel*>())
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), qPrintable(label->text()));
    for (QAbstractButton* button : h.form->findChildren<QAbstractButton*>())
        QVERIFY2(button->fontMetrics().horizontalAdvance(button->text().remove('&')) <= button->width(),
                 qPrintable(button->text()));
    h.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.form.get()));
    QCOMPARE(QApplication::focusWidget(), h.ui->Text1);
}

void TestForm1Window::storedPreferences_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("value");
    QTest::newRow("ticked") << "1" << 1;
    QTest::newRow("greyed") << "2" << 2;
    QTest::newRow("anything else") << "7" << 0;
    QTest::newRow("not a number") << "yes" << 0;
}

void TestForm1Window::storedPreferences() {
    QFETCH(QString, stored);
    QFETCH(int, value);
    Form1Harness h;
    h.setSetting("Sounds", stored);
    h.setSetting("CaseSensitive", stored);
    h.start();
    QCOMPARE(checkValue(h.ui->Check1), value);
    QCOMPARE(checkValue(h.ui->Check2), value);
}

void TestForm1Window::loadingResults_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("unreadable");
    QTest::addColumn<int>("words");
    QTest::addColumn<int>("messages");
    QStringList many;
    for (int i = 0; i < 103; ++i)
        many << QString(":::w%1").arg(i);
    QTest::newRow("two words") << crlf({":::house", "4.3", "D", "Typist", ":::garden", "-", "na", "na"}) << false << 2
                               << 0;
    QTest::newRow("103 words: the first 101, told once") << crlf(many) << false << 101 << 1;
    QTest::newRow("unreadable counts as missing") << crlf({":::house"}) << true << 0 << 0;
}

void TestForm1Window::loadingResults() {
    QFETCH(QByteArray, file);
    QFETCH(bool, unreadable);
    QFETCH(int, words);
    QFETCH(int, messages);
    Form1Harness h;
    h.setResults(file);
    if (unreadable)
        h.fakes.files.unreadable.insert(h.fakes.files.absolute("results.dat"));
    h.start();
    QCOMPARE(h.ui->Combo1->count(), words);
    verifyListMatchesTable(h);
    h.form->show();
    QCoreApplication::processEvents();
    QCOMPARE(h.fakes.dialogs.messages().size(), messages);
    if (messages)
        QVERIFY(h.fakes.dialogs.messages()[0].contains("first 101"));
    if (words == 2)
        QCOMPARE(recordBoxes(h), (QStringList{"4.3", "D", "Typist", "5"}));
}

void TestForm1Window::reloadKeepsTheListWhenThereIsNothingToRead() {
    Form1Harness h;
    h.start({":::cat"});
    h.fakes.dialogs.promptAnswers << "dog";
    h.form->Command3_Click();
    h.setResults(QByteArray());
    h.ui->Command2->click();
    QCOMPARE(h.listed(), (QStringList{"cat", "dog"}));
    h.fakes.files.files.clear();
    h.ui->Label10->setText("stale");
    h.form->Command2_Click();
    verifyListMatchesTable(h);
    QCOMPARE(h.listed().size(), 2);
}

void TestForm1Window::closingSavesAndTheNextStartFindsItAll() {
    Form1Harness h;
    h.start({"junk", ":::house", "4.3", "D", "N", "extra"});
    h.ui->Check1->click();
    QVERIFY(h.form->close());
    QCOMPARE(h.setting("Sounds"), "1");
    QCOMPARE(h.setting("CaseSensitive"), "0");
    QCOMPARE(h.results(), crlf({":::house", "4.3", "D", "N"}));

    Form1Harness next;
    next.fakes.settings.values = h.fakes.settings.values;
    next.setResults(h.results());
    next.start();
    QCOMPARE(checkValue(next.ui->Check1), 1);
    QCOMPARE(next.ui->Text4->text(), "N");

    Form1Harness empty;
    empty.start();
    QVERIFY(empty.form->close());
    QVERIFY(empty.fakes.files.has("results.dat"));
    QCOMPARE(empty.results(), QByteArray());
}

void TestForm1Window::failedSaves_data() {
    QTest::addColumn<bool>("closeAnyway");
    QTest::newRow("stay open") << false;
    QTest::newRow("close anyway") << true;
}

void TestForm1Window::failedSaves() {
    QFETCH(bool, closeAnyway);
    Form1Harness h;
    h.start({":::house", "4.3", "D", "N"});
    h.fakes.files.failWrites = "No space left on device";
    h.ui->Command4->click();
    QCOMPARE(h.fakes.dialogs.messages(), QStringList{"Could not save results.dat: No space left on device"});

    h.fakes.dialogs.confirmAnswers << closeAnyway;
    h.form->show();
    QCOMPARE(h.form->close(), closeAnyway);
    QVERIFY(h.fakes.dialogs.texts(FakeDialogs::Kind::Confirm)[0].startsWith("Could not save results.dat: No space"));
    QCOMPARE(h.results(), crlf({":::house", "4.3", "D", "N"}));
    // Once the disk has room again, saving works.
    h.fakes.files.failWrites.clear();
    h.form->Command4_Click();
    QCOMPARE(h.fakes.dialogs.messages().last(), "Saved!");
}

void TestForm1Window::menus() {
    Form1Harness h;
    h.start();
    h.ui->mnuAbout->trigger();
    Form2* about = h.form->aboutWindow();
    h.ui->mnuAbout->trigger();
    QVERIFY(about && h.form->aboutWindow() == about);
    h.ui->mnuUpdate->trigger();
    QVERIFY(h.form->updateWindow()->isVisible());
    QVERIFY(!h.form->isEnabled());
    // Closing the main window takes the About window with it; Update Results must be left first.
    h.form->updateWindow()->Command1_Click();
    QVERIFY(h.form->close());
    QVERIFY(!h.form->aboutWindow());
}

void TestForm1Window::addingWords() {
    Form1Harness h;
    h.start();
    // An exact duplicate brings the prompt back; another case is another word.
    h.fakes.dialogs.promptAnswers << " ice cream "
                                  << " ice cream "
                                  << "House"
                                  << "house";
    h.form->Command3_Click();
    h.form->Command3_Click();
    h.ui->Command3->click();
    QCOMPARE(h.fakes.dialogs.prompts(), QStringList(4, "Enter new word:"));
    QCOMPARE(h.listed(), (QStringList{" ice cream ", "House", "house"}));
    QCOMPARE(h.ui->Combo1->currentIndex(), 2);
    QCOMPARE(recordBoxes(h), (QStringList{"-", "na", "na", "5"}));
    verifyListMatchesTable(h);
    h.form->Command3_Click(); // cancelled
    QCOMPARE(h.listed().size(), 3);
    QVERIFY(!h.fakes.files.has("results.dat"));
    h.form->Command4_Click();
    QCOMPARE(h.results(),
             crlf({"::: ice cream ", "-", "na", "na", ":::House", "-", "na", "na", ":::house", "-", "na", "na"}));
}

void TestForm1Window::refusedWords_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("why");
    QTest::newRow("line feed") << "ice\ncream"
                               << "line break";
    QTest::newRow("carriage return") << "ice\rcream"
                                     << "line break";
    QTest::newRow("outside the code page") << QString::fromUtf8("Ωmega") << "cannot store";
}

void TestForm1Window::refusedWords() {
    QFETCH(QString, word);
    QFETCH(QString, why);
    Form1Harness h;
    h.start();
    h.fakes.dialogs.promptAnswers << word << QString::fromUtf8("smørrebrød");
    h.form->Command3_Click();
    QCOMPARE(h.fakes.dialogs.messages().size(), 1);
    QVERIFY(h.fakes.dialogs.messages()[0].contains(why));
    QCOMPARE(h.listed(), QStringList{QString::fromUtf8("smørrebrød")});
}

void TestForm1Window::fullListTakesNoMoreWords() {
    QStringList lines;
    for (int i = 0; i < 101; ++i)
        lines << QString(":::w%1").arg(i);
    Form1Harness h;
    h.start(lines);
    h.form->Command3_Click();
    QVERIFY(h.fakes.dialogs.prompts().isEmpty());
    QVERIFY(h.fakes.dialogs.messages().value(0).contains("full"));
    QCOMPARE(h.ui->Combo1->count(), 101);
}

void TestForm1Window::removingWords_data() {
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("first of three") << 0 << QStringList{"two", "three"} << QStringList{"3", "D3", "N3", "5"};
    QTest::newRow("last of three") << 2 << QStringList{"one", "two"} << QStringList{"2", "D2", "N2", "3"};
}

void TestForm1Window::removingWords() {
    QFETCH(int, selected);
    QFETCH(QStringList, left);
    QFETCH(QStringList, shown);
    Form1Harness h;
    h.start(ThreeWords);
    h.ui->Combo1->setCurrentIndex(selected);
    h.ui->Command5->click();
    QCOMPARE(h.listed(), left);
    QCOMPARE(h.ui->Combo1->currentIndex(), 1);
    QCOMPARE(recordBoxes(h), shown);
    verifyListMatchesTable(h);
    QCOMPARE(h.form->wordTable().RecordName[0], left[0] == "one" ? "N1" : "N2");
}

void TestForm1Window::wordListTakesNoTypingButArrowsChoose() {
    Form1Harness h;
    h.start(ThreeWords);
    QTest::keyClicks(h.ui->Combo1, "zz");
    QTest::keyClick(h.ui->Combo1, Qt::Key_Backspace);
    QTest::keyClick(h.ui->Combo1, Qt::Key_Delete);
    QCOMPARE(h.ui->Combo1->currentText(), "one");
    QTest::keyClick(h.ui->Combo1, Qt::Key_Down);
    QCOMPARE(recordBoxes(h), (QStringList{"2", "D2", "N2", "3"}));

    // Removing the only word leaves the record shown and nothing selected.
    Form1Harness only;
    only.start({":::only", "7", "D", "N"});
    only.form->Command5_Click();
    QCOMPARE(only.ui->Combo1->currentIndex(), -1);
    QCOMPARE(only.ui->Label10->text(), "Words in database: 0");
    QCOMPARE(only.ui->Text2->text(), "7");
    only.form->Command5_Click(); // nothing selected: only the labels change
    QCOMPARE(only.ui->Label13->text(), QString::number(only.ui->Combo1->currentText().size()));
}

QTEST_MAIN(TestForm1Window)
#include "test_form1_window.moc"
