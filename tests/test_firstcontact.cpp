#include "harness.h"

#include <QAccessible>
#include <QTest>

// What a new user meets first: the typing box's hint, and what screen readers
// hear of the state the window shows in colours and pictures.
class TestFirstContact : public QObject {
    Q_OBJECT

private slots:
    void typingHintSaysWhatToDo_data();
    void typingHintSaysWhatToDo();
    void indicatorSaysWhatItsColourShows_data();
    void indicatorSaysWhatItsColourShows();
    void updateResultsSpeaksItsMarks();
};

void TestFirstContact::typingHintSaysWhatToDo_data() {
    QTest::addColumn<QString>("records");
    QTest::addColumn<bool>("removeOne");
    QTest::addColumn<QString>("hint");
    QTest::newRow("no words") << "" << false << "Add a word first, with Add word";
    QTest::newRow("words") << "house - na na;garden - na na" << true << "Type the word chosen on the right";
    QTest::newRow("last word removed") << "house - na na" << true << "Add a word first, with Add word";
}

void TestFirstContact::typingHintSaysWhatToDo() {
    QFETCH(QString, records);
    QFETCH(bool, removeOne);
    Form1Harness h;
    h.start(resultLines(records));
    if (removeOne)
        h.ui->Command5->click();
    QTEST(h.ui->Text1->placeholderText(), "hint");
    QCOMPARE(h.ui->Text1->text(), "");
}

void TestFirstContact::indicatorSaysWhatItsColourShows_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("description");
    QTest::newRow("right beginning") << "hou" << IndicatorGreen << "correct so far";
    QTest::newRow("other case") << "HO" << IndicatorGreen << "correct so far";
    QTest::newRow("wrong letter") << "hx" << IndicatorRed << "wrong letter";
    QTest::newRow("wrong, then mended") << "hx\bo" << IndicatorGreen << "correct so far";
}

void TestFirstContact::indicatorSaysWhatItsColourShows() {
    QFETCH(QString, typed);
    Form1Harness h;
    h.start(resultLines("house - na na"));
    for (QChar c : typed) {
        QString text = h.ui->Text1->text();
        h.ui->Text1->setText(c == u'\b' ? text.chopped(1) : text + c);
    }
    QTEST(h.indicator(), "colour");
    QTEST(h.ui->Shape1->accessibleDescription(), "description");
}

void TestFirstContact::updateResultsSpeaksItsMarks() {
    Form1Harness h;
    h.start(resultLines("house 4.3 D1 N1"));
    h.openRecords("house 4.3 D1 N1;garden 5 D N;tree 9 D N", "house 5 D N;tree 8 D N");
    QStringList spoken;
    for (const QComboBox* list : {h.w->ImageCombo1, h.w->ImageCombo2})
        for (int i = 0; i < list->count(); ++i)
            spoken << list->itemData(i, Qt::AccessibleTextRole).toString();
    QCOMPARE(spoken, (QStringList{"house, faster", "garden, new", "tree, slower", "house, slower", "tree, faster"}));

    QStringList legend;
    for (int k = 0; k < 4; ++k)
        legend << h.window->findChild<QLabel*>(QString("Image1_%1").arg(k))->accessibleName();
    QCOMPARE(legend, (QStringList{"faster", "similar", "new", "slower"}));
    QCOMPARE(QAccessible::queryAccessibleInterface(h.window)->role(), QAccessible::Window);

    // The main window's locked record boxes are still read out.
    QAccessibleInterface* time = QAccessible::queryAccessibleInterface(h.ui->Text2);
    QVERIFY(time->state().readOnly && time->state().focusable);
    QCOMPARE(time->text(QAccessible::Value), "4.3");
}

QTEST_MAIN(TestFirstContact)
#include "test_firstcontact.moc"
