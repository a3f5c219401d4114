#include "form3harness.h"
#include "markpictures.h"

#include <QTest>

class TestForm3 : public QObject {
    Q_OBJECT

private slots:
    void opensFromTheMenuInItsCreationState();
    void legendPairsEachDotWithItsText();
    void leavingGivesTheMainWindowBack_data();
    void leavingGivesTheMainWindowBack();
    void reopenedWindowStartsAfresh();
    void browseButtonsShareOneDialog();
    void marksEveryEntry_data();
    void marksEveryEntry();
    void mergeStaysAvailableOnceOffered();
    void openShowsFirstRecordsAndFollowsTheSelection();
    void openDoesNotClearTheTables();
    void sourceWithoutMarkersGivesAnEmptyList();
    void openDoesNothing_data();
    void openDoesNothing();
};

void TestForm3::opensFromTheMenuInItsCreationState() {
    Form3Harness h;
    h.openWindow();
    QCOMPARE(h.window->objectName(), "Form3");
    QCOMPARE(h.window->windowTitle(), "Update Results");
    QVERIFY(!h.form->isEnabled());
    for (QComboBox* list : {h.w->ImageCombo1, h.w->ImageCombo2}) {
        QCOMPARE(entries(list), QStringList{"-"});
        QCOMPARE(marks(list), QList<int>{0});
        QCOMPARE(list->currentIndex(), 0);
    }
    QCOMPARE(h.w->Label3->text(), "Words in database: 0");
    QCOMPARE(h.w->Label4->text(), "Words in database: 0");
    QVERIFY(!h.w->Command5->isEnabled());
    QCOMPARE(h.w->Command1->text(), "&Back!");
    QCOMPARE(h.w->Command5->text(), "Source 1->Source 2");
    QVERIFY(h.w->Text1->isReadOnly());
    QVERIFY(h.w->Text2->isReadOnly());
    QVERIFY(!h.w->Text3->isReadOnly());
    QVERIFY(QTest::qWaitForWindowExposed(h.window.data()));
    QCOMPARE(QApplication::focusWidget(), h.w->Command1);
}

void TestForm3::legendPairsEachDotWithItsText() {
    Form3Harness h;
    h.openWindow();
    const QMap<int, QString> legend{
        {MarkFaster, "A word with a faster record"},
        {MarkSimilar, "The word exists in both of the sources and the record is similar."},
        {MarkNew, "New word that doesn't exist in the other source"},
        {MarkSlower, "A word with a slower record"},
    };
    for (int mark = MarkFaster; mark <= MarkSlower; ++mark) {
        QLabel* picture = h.window->legendPicture(mark - 1);
        const QImage image = picture->pixmap().toImage();
        QCOMPARE(image.pixelColor(image.rect().center()), MarkPictures::colour(CompareMark(mark)));
        // The text beside the picture, on the same row.
        QString beside;
        for (QLabel* label : h.window->findChildren<QLabel*>()) {
            if (label != picture && label->y() == picture->y())
                beside = label->text();
        }
        QCOMPARE(beside, legend[mark]);
    }
}

void TestForm3::leavingGivesTheMainWindowBack_data() {
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Back!") << false;
    QTest::newRow("close box") << true;
}

void TestForm3::leavingGivesTheMainWindowBack() {
    QFETCH(bool, closeBox);
    Form3Harness h;
    h.openWindow();
    if (closeBox)
        h.window->close();
    else
        h.w->Command1->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(h.window.isNull());
    QVERIFY(h.form->isEnabled());
    QVERIFY(h.fakes.dialogs.boxes.isEmpty());
}

void TestForm3::reopenedWindowStartsAfresh() {
    Form3Harness h;
    h.openWindow();
    h.openSources(crlf({":::house", "4.3", "D1", "N1"}), crlf({":::garden", "5", "D2", "N2"}));
    QVERIFY(h.w->Command5->isEnabled());
    h.w->Command1->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    h.openWindow();
    QCOMPARE(entries(h.w->ImageCombo1), QStringList{"-"});
    QCOMPARE(entries(h.w->ImageCombo2), QStringList{"-"});
    QCOMPARE(h.w->Text1->text(), "");
    QCOMPARE(h.w->Text2->text(), "");
    // The tables still hold the last files, but the panels start empty.
    QCOMPARE(h.w->Text3->text(), "");
    QCOMPARE(h.w->Text8->text(), "");
    QVERIFY(!h.w->Command5->isEnabled());
}

void TestForm3::browseButtonsShareOneDialog() {
    Form3Harness h;
    h.openWindow();

    // Cancelled at once: the program's folder, which "Open" then ignores.
    h.choose("", "");
    QCOMPARE(h.fakes.dialogs.lastFilter, "*.dat (*.dat)");
    QCOMPARE(h.fakes.dialogs.lastInitialFileName, "/usr/lib/tapmeter");
    QCOMPARE(h.w->Text1->text(), "/usr/lib/tapmeter");
    QCOMPARE(h.w->Text2->text(), "/usr/lib/tapmeter");
    h.window->Command4_Click();
    QCOMPARE(entries(h.w->ImageCombo1), QStringList{"-"});

    // A file chosen for Source 1, then Source 2 cancelled: both name it.
    h.choose(Form3Harness::Source1Path, "");
    QCOMPARE(h.fakes.dialogs.lastInitialFileName, Form3Harness::Source1Path);
    QCOMPARE(h.w->Text1->text(), Form3Harness::Source1Path);
    QCOMPARE(h.w->Text2->text(), Form3Harness::Source1Path);
    QCOMPARE(entries(h.w->ImageCombo1), QStringList{"-"});
}

void TestForm3::marksEveryEntry_data() {
    QTest::addColumn<QStringList>("source1");
    QTest::addColumn<QStringList>("source2");
    QTest::addColumn<QList<int>>("marks1");
    QTest::addColumn<QList<int>>("marks2");
    QTest::addColumn<bool>("mergeOffered");

    QTest::newRow("faster against slower")
        << QStringList{":::house", "4.3", "d", "n"} << QStringList{":::house", "5", "d", "n"} << QList<int>{MarkFaster}
        << QList<int>{MarkSlower} << true;
    QTest::newRow("equal times, written differently")
        << QStringList{":::house", "4.3", ":::garden", "-"} << QStringList{":::garden", "-", ":::house", "4.30"}
        << QList<int>{MarkSimilar, MarkSimilar} << QList<int>{MarkSimilar, MarkSimilar} << false;
    QTest::newRow("word only in Source 1")
        << QStringList{":::house", "1", ":::zebra", "2"} << QStringList{":::house", "1"}
        << QList<int>{MarkSimilar, MarkNew} << QList<int>{MarkSimilar} << true;
    QTest::newRow("word only in Source 2 offers nothing")
        << QStringList{":::house", "1"} << QStringList{":::house", "1", ":::zebra", "2"} << QList<int>{MarkSimilar}
        << QList<int>{MarkSimilar, MarkNew} << false;
    QTest::newRow("word twice in Source 2: the second decides")
        << QStringList{":::house", "5"} << QStringList{":::house", "9", ":::house", "3"} << QList<int>{MarkSlower}
        << QList<int>{MarkSlower, MarkFaster} << false;
}

void TestForm3::marksEveryEntry() {
    QFETCH(QStringList, source1);
    QFETCH(QStringList, source2);
    QFETCH(QList<int>, marks1);
    QFETCH(QList<int>, marks2);
    QFETCH(bool, mergeOffered);

    Form3Harness h;
    h.openWindow();
    h.openSources(crlf(source1), crlf(source2));
    QCOMPARE(marks(h.w->ImageCombo1), marks1);
    QCOMPARE(marks(h.w->ImageCombo2), marks2);
    QCOMPARE(h.w->Command5->isEnabled(), mergeOffered);
}

void TestForm3::mergeStaysAvailableOnceOffered() {
    Form3Harness h;
    h.openWindow();
    h.openSources(crlf({":::house", "4.3"}), crlf({":::house", "5"}));
    QVERIFY(h.w->Command5->isEnabled());
    // The same file as both sources: every entry similar.
    h.choose(Form3Harness::Source2Path, Form3Harness::Source2Path);
    h.window->Command4_Click();
    QCOMPARE(marks(h.w->ImageCombo1), QList<int>{MarkSimilar});
    QCOMPARE(marks(h.w->ImageCombo2), QList<int>{MarkSimilar});
    QVERIFY(h.w->Command5->isEnabled());
}

void TestForm3::openShowsFirstRecordsAndFollowsTheSelection() {
    Form3Harness h;
    h.openWindow();
    h.openSources(crlf({"notes before", ":::house", "4.3", "D1", "N1"}),
                  crlf({":::a", "1", "Da", "Na", ":::b", "-", "na", "na", ":::c", "3", "Dc", "Last"}));
    QCOMPARE(entries(h.w->ImageCombo1), QStringList{"house"});
    QCOMPARE(entries(h.w->ImageCombo2), (QStringList{"a", "b", "c"}));
    QCOMPARE(h.w->Label3->text(), "Words in database: 1");
    QCOMPARE(h.w->Label4->text(), "Words in database: 3");
    QCOMPARE(h.w->Text3->text(), "4.3");
    QCOMPARE(h.w->Text4->text(), "D1");
    QCOMPARE(h.w->Text5->text(), "N1");
    QCOMPARE(h.w->Text6->text(), "1");

    h.w->ImageCombo2->setCurrentIndex(2);
    QCOMPARE(h.w->Text6->text(), "3");
    QCOMPARE(h.w->Text7->text(), "Dc");
    QCOMPARE(h.w->Text8->text(), "Last");
    QCOMPARE(h.w->Text3->text(), "4.3");
}

void TestForm3::openDoesNotClearTheTables() {
    Form3Harness h;
    h.openWindow();
    h.openSources(crlf({":::house", "4.3"}), crlf({":::house", "5", "D2", "N2"}));
    // A record without date and name keeps those of the slot's earlier load.
    h.fakes.files.put(Form3Harness::Source2Path, crlf({":::garden", "6"}));
    h.window->Command4_Click();
    QCOMPARE(entries(h.w->ImageCombo2), QStringList{"garden"});
    QCOMPARE(h.w->Text6->text(), "6");
    QCOMPARE(h.w->Text7->text(), "D2");
    QCOMPARE(h.w->Text8->text(), "N2");
}

void TestForm3::sourceWithoutMarkersGivesAnEmptyList() {
    Form3Harness h;
    h.openWindow();
    h.openSources(crlf({":::house", "4.3", "D1", "N1"}), crlf({":::house", "5"}));
    h.fakes.files.put(Form3Harness::Source1Path, crlf({"no words here", "house"}));
    h.window->Command4_Click();
    QCOMPARE(h.w->ImageCombo1->count(), 0);
    QCOMPARE(h.w->ImageCombo1->currentIndex(), -1);
    QCOMPARE(h.w->Label3->text(), "Words in database: 0");
    QCOMPARE(h.w->Text3->text(), "4.3");
    QCOMPARE(marks(h.w->ImageCombo2), QList<int>{MarkNew});
}

void TestForm3::openDoesNothing_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("unreadable");

    const QByteArray records = crlf({":::zebra", "1"});
    QTest::newRow("empty path") << "" << QByteArray() << false;
    QTest::newRow("missing file") << "/home/typist/gone.dat" << QByteArray() << false;
    QTest::newRow("zero bytes") << "/home/typist/empty.dat" << QByteArray("") << false;
    QTest::newRow("cannot be read") << "/home/typist/locked.dat" << records << true;
    QTest::newRow("wildcards") << "/home/typist/*.dat" << records << false;
    QTest::newRow("question mark") << "/home/typist/?.dat" << records << false;
}

void TestForm3::openDoesNothing() {
    QFETCH(QString, path);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, unreadable);

    Form3Harness h;
    h.openWindow();
    h.openSources(crlf({":::house", "4.3", "D1", "N1"}), crlf({":::house", "5", "D2", "N2"}));
    if (!bytes.isNull())
        h.fakes.files.put(path, bytes);
    if (unreadable)
        h.fakes.files.unreadable.insert(h.fakes.files.absolute(path));

    for (bool asSource1 : {true, false}) {
        h.w->Text1->setText(asSource1 ? path : Form3Harness::Source1Path);
        h.w->Text2->setText(asSource1 ? Form3Harness::Source2Path : path);
        h.window->Command4_Click();
        QCOMPARE(entries(h.w->ImageCombo1), QStringList{"house"});
        QCOMPARE(entries(h.w->ImageCombo2), QStringList{"house"});
        QCOMPARE(marks(h.w->ImageCombo1), QList<int>{MarkFaster});
        QCOMPARE(h.w->Label4->text(), "Words in database: 1");
    }
    QVERIFY(h.fakes.dialogs.messages().isEmpty());
}

QTEST_MAIN(TestForm3)
#include "test_form3.moc"
