#include "form1harness.h"
#include "form2.h"
#include "form3.h"

#include <QCloseEvent>
#include <QSignalSpy>
#include <QTest>

class TestForm1Startup : public QObject {
    Q_OBJECT

private slots:
    void firstStartShowsAnEmptyTrainer();
    void controlsCarryTheirDesignerNames();
    void captionsFitTheirControls();
    void storedPreferences_data();
    void storedPreferences();
    void loadsTheWordsAndSelectsTheFirst();
    void tooManyRecordsAreToldOnce();
    void unreadableResultsCountAsMissing();
    void zeroByteFileLeavesTheListAlone();
    void loadAfterTheFileIsGoneKeepsTheList();
    void closingSavesPreferencesAndWords();
    void closingWithoutResultsCreatesAnEmptyFile();
    void failedSaveOnCloseAsksAndCanStayOpen();
    void failedSaveOnCloseCanCloseAnyway();
    void saveButtonReportsAFailedWrite();
    void aboutTwiceShowsOneWindow();
    void updateResultsDisablesTheMainWindow();
};

void TestForm1Startup::firstStartShowsAnEmptyTrainer() {
    Form1Harness h;
    h.start();
    QCOMPARE(h.form->windowTitle(), "Tapmeter 4.1");
    QCOMPARE(checkValue(h.ui->Check1), 0);
    QCOMPARE(checkValue(h.ui->Check2), 0);
    QCOMPARE(h.ui->Combo1->count(), 0);
    QCOMPARE(h.ui->Combo1->currentIndex(), -1);
    QCOMPARE(h.ui->Label10->text(), "Words in database: 0");
    QCOMPARE(h.ui->Combo2->currentText(), "-");
    QCOMPARE(h.ui->Combo3->currentText(), "Words written");
    QCOMPARE(h.ui->Text5->text(), "");
    QCOMPARE(h.form->criterionLimits(), (std::array<QString, 3>{"0", "0", "0"}));
    QVERIFY(!h.clockRunning());
    QCOMPARE(h.form->timer()->interval(), 100);
    QCOMPARE(h.form->timer()->timerType(), Qt::PreciseTimer);
    for (QLabel* counter : {h.ui->Label1, h.ui->Label2, h.ui->Label3, h.ui->Label4, h.ui->Label9, h.ui->Label14,
                            h.ui->Label17, h.ui->Label18})
        QCOMPARE(counter->text(), "0");
    QCOMPARE(h.indicator(), IndicatorRed);
    QVERIFY(h.fakes.dialogs.boxes.isEmpty());
}

void TestForm1Startup::controlsCarryTheirDesignerNames() {
    Form1Harness h;
    h.start();
    QCOMPARE(h.form->objectName(), "Form1");
    for (const char* name :
         {"Text1",  "Text2",  "Text3",    "Text4",    "Text5",    "Combo1",   "Combo2",    "Combo3",
          "Check1", "Check2", "Command1", "Command2", "Command3", "Command4", "Command5",  "Command6",
          "Shape1", "Label3", "Label10",  "Label13",  "Frame8",   "mnuAbout", "mnuUpdate", "Timer1"})
        QVERIFY2(h.form->findChild<QObject*>(name), name);
    QCOMPARE(h.ui->Command1->text(), "&Reset ");
    QCOMPARE(h.ui->Command6->text(), QString::fromUtf8("&ø"));
    QCOMPARE(h.ui->Text1->geometry(), QRect(8, 32, 297, 19));
    QCOMPARE(h.ui->centralwidget->size(), QSize(527, 254));
    QVERIFY(h.ui->Text2->isReadOnly());
    QVERIFY(h.ui->Text3->isReadOnly());
    QVERIFY(h.ui->Text4->isReadOnly());
    // The typing box comes first in the focus chain.
    h.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.form.get()));
    QCOMPARE(QApplication::focusWidget(), h.ui->Text1);
}

void TestForm1Startup::captionsFitTheirControls() {
    Form1Harness h;
    h.start();
    for (QLabel* label : h.form->findChildren<QLabel*>()) {
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        QVERIFY2(needed <= label->width(), qPrintable(label->objectName() + ": " + label->text()));
    }
    for (QAbstractButton* button : h.form->findChildren<QAbstractButton*>()) {
        QString text = button->text();
        text.remove('&');
        QVERIFY2(button->fontMetrics().horizontalAdvance(text) <= button->width(), qPrintable(button->objectName()));
    }
}

void TestForm1Startup::storedPreferences_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("value");
    QTest::newRow("ticked") << "1" << 1;
    QTest::newRow("not ticked") << "0" << 0;
    QTest::newRow("greyed") << "2" << 2;
    QTest::newRow("anything else") << "7" << 0;
    QTest::newRow("not a number") << "yes" << 0;
}

void TestForm1Startup::storedPreferences() {
    QFETCH(QString, stored);
    QFETCH(int, value);
    Form1Harness h;
    h.setSetting("Sounds", stored);
    h.setSetting("CaseSensitive", stored);
    h.start();
    QCOMPARE(checkValue(h.ui->Check1), value);
    QCOMPARE(checkValue(h.ui->Check2), value);
}

void TestForm1Startup::loadsTheWordsAndSelectsTheFirst() {
    Form1Harness h;
    h.setResults(crlf({":::house", "4.3", "05/12/2026 18:22:05", "Typist", ":::garden", "-", "na", "na"}));
    h.start();
    QCOMPARE(h.ui->Combo1->count(), 2);
    QCOMPARE(h.ui->Combo1->currentIndex(), 0);
    QCOMPARE(h.ui->Combo1->currentText(), "house");
    QCOMPARE(h.ui->Text2->text(), "4.3");
    QCOMPARE(h.ui->Text3->text(), "05/12/2026 18:22:05");
    QCOMPARE(h.ui->Text4->text(), "Typist");
    QCOMPARE(h.ui->Label13->text(), "5");
    QCOMPARE(h.ui->Label10->text(), "Words in database: 2");
    QCOMPARE(h.form->wordTable().Words[1], "garden");
}

void TestForm1Startup::tooManyRecordsAreToldOnce() {
    Form1Harness h;
    QStringList lines;
    for (int i = 0; i < 103; ++i)
        lines << QString(":::w%1").arg(i) << "-"
              << "na"
              << "na";
    h.setResults(crlf(lines));
    h.start();
    QCOMPARE(h.ui->Combo1->count(), 101);
    QCOMPARE(h.ui->Label10->text(), "Words in database: 101");
    const QStringList messages = h.fakes.dialogs.messages();
    QCOMPARE(messages.size(), 1);
    QVERIFY(messages[0].contains("first 101"));
    QVERIFY(messages[0].contains("dropped"));
}

void TestForm1Startup::unreadableResultsCountAsMissing() {
    Form1Harness h;
    h.setResults(crlf({":::house", "4.3"}));
    h.fakes.files.unreadable.insert(h.fakes.files.absolute("results.dat"));
    h.start();
    QCOMPARE(h.ui->Combo1->count(), 0);
    QCOMPARE(h.ui->Label10->text(), "Words in database: 0");
    QVERIFY(h.fakes.dialogs.boxes.isEmpty());
}

void TestForm1Startup::zeroByteFileLeavesTheListAlone() {
    Form1Harness h;
    h.setResults(crlf({":::cat"}));
    h.start();
    h.setResults(QByteArray());
    h.fakes.dialogs.promptAnswers << "dog";
    h.form->Command3_Click();
    h.form->Command2_Click();
    QCOMPARE(h.ui->Combo1->count(), 2);
    QCOMPARE(h.ui->Label10->text(), "Words in database: 2");
}

void TestForm1Startup::loadAfterTheFileIsGoneKeepsTheList() {
    Form1Harness h;
    h.setResults(crlf({":::cat", ":::dog"}));
    h.start();
    h.fakes.files.files.clear();
    h.ui->Label10->setText("stale");
    h.form->Command2_Click();
    QCOMPARE(h.ui->Combo1->count(), 2);
    QCOMPARE(h.ui->Label10->text(), "Words in database: 2");
}

void TestForm1Startup::closingSavesPreferencesAndWords() {
    Form1Harness h;
    h.setResults(crlf({"junk", ":::house", "4.3", "D", "N", "extra"}));
    h.start();
    h.ui->Check1->click();
    QVERIFY(h.form->close());
    QCOMPARE(h.setting("Sounds"), "1");
    QCOMPARE(h.setting("CaseSensitive"), "0");
    QCOMPARE(h.results(), crlf({":::house", "4.3", "D", "N"}));

    // The next start finds both again.
    Form1Harness next;
    next.fakes.settings.values = h.fakes.settings.values;
    next.setResults(h.results());
    next.start();
    QCOMPARE(checkValue(next.ui->Check1), 1);
    QCOMPARE(next.ui->Text4->text(), "N");
}

void TestForm1Startup::closingWithoutResultsCreatesAnEmptyFile() {
    Form1Harness h;
    h.start();
    QVERIFY(h.form->close());
    QVERIFY(h.fakes.files.has("results.dat"));
    QCOMPARE(h.results(), QByteArray());
}

void TestForm1Startup::failedSaveOnCloseAsksAndCanStayOpen() {
    Form1Harness h;
    h.setResults(crlf({":::house", "4.3", "D", "N"}));
    h.start();
    h.fakes.files.failWrites = "No space left on device";
    h.fakes.dialogs.confirmAnswers << false;
    h.form->show();
    QVERIFY(!h.form->close());
    QVERIFY(h.form->isVisible());
    const auto boxes = h.fakes.dialogs.texts(FakeDialogs::Kind::Confirm);
    QCOMPARE(boxes.size(), 1);
    QVERIFY(boxes[0].startsWith("Could not save results.dat: No space left on device"));
    QCOMPARE(h.results(), crlf({":::house", "4.3", "D", "N"}));
    // Once the disk has room again, closing saves.
    h.fakes.files.failWrites.clear();
    QVERIFY(h.form->close());
}

void TestForm1Startup::failedSaveOnCloseCanCloseAnyway() {
    Form1Harness h;
    h.start();
    h.fakes.files.failWrites = "Permission denied";
    h.fakes.dialogs.confirmAnswers << true;
    h.form->show();
    QVERIFY(h.form->close());
}

void TestForm1Startup::saveButtonReportsAFailedWrite() {
    Form1Harness h;
    h.start();
    h.fakes.files.failWrites = "Read-only file system";
    h.form->Command4_Click();
    QCOMPARE(h.fakes.dialogs.messages(), QStringList{"Could not save results.dat: Read-only file system"});
    h.fakes.files.failWrites.clear();
    h.form->Command4_Click();
    QCOMPARE(h.fakes.dialogs.messages().last(), "Saved!");
}

void TestForm1Startup::aboutTwiceShowsOneWindow() {
    Form1Harness h;
    h.start();
    h.ui->mnuAbout->trigger();
    Form2* about = h.form->aboutWindow();
    QVERIFY(about);
    h.ui->mnuAbout->trigger();
    QCOMPARE(h.form->aboutWindow(), about);
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.begin(), windows.end(), [](QWidget* w) { return w->objectName() == "Form2"; }), 1);
    // Closing the main window takes the About window with it.
    QVERIFY(h.form->close());
    QVERIFY(!h.form->aboutWindow());
}

void TestForm1Startup::updateResultsDisablesTheMainWindow() {
    Form1Harness h;
    h.start();
    h.ui->mnuUpdate->trigger();
    QVERIFY(h.form->updateWindow());
    QVERIFY(h.form->updateWindow()->isVisible());
    // The main window stays where it is, but takes no input.
    QVERIFY(!h.form->isEnabled());
}

QTEST_MAIN(TestForm1Startup)
#include "test_form1_startup.moc"
