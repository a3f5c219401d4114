// The windows on the desktop: the About window's texts, what the controls announce, and the keyboard alone working
// everything.
#include "form2.h"
#include "harness.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

class TestDesktop : public QObject {
    Q_OBJECT

private slots:
    void aboutShowsTheTextsAsRead_data();
    void aboutShowsTheTextsAsRead();
    void aboutIsOneWindowReadAnewOnlyAfterBack();
    void controlNames_data();
    void controlNames();
    void tabWalksTheWholeFocusChainCountingNoFix();
};

namespace {
QString shown(QWidget* window, const char* box) {
    return window->findChild<QPlainTextEdit*>(QLatin1String(box))->toPlainText();
}

// Starts the main window on two words and brings up the window asked for.
QWidget* openActive(Form1Harness& h, const QString& which = "main") {
    h.start({":::one", "-", "na", "na", ":::two", "-", "na", "na"});
    QWidget* window = h.form.get();
    if (which == "About") {
        h.form->mnuAbout_Click();
        window = h.form->aboutWindow();
    } else if (which == "Update") {
        h.form->mnuUpdate_Click();
        window = h.form->updateWindow();
    }
    window->show();
    return QTest::qWaitForWindowActive(window) ? window : nullptr;
}

// The control that has the focus; a list's edit field counts as the list.
QString focused() {
    QWidget* widget = QApplication::focusWidget();
    if (widget && (widget->objectName().isEmpty() || widget->objectName().startsWith("qt_")))
        widget = widget->parentWidget();
    return widget ? widget->objectName() : "<none>";
}
} // namespace

void TestDesktop::aboutShowsTheTextsAsRead_data() {
    QTest::addColumn<QByteArray>("whatsNewBytes");
    QTest::addColumn<QByteArray>("informationBytes");
    QTest::addColumn<QString>("shownTexts");
    // A null pointer is a file that is not there.
    const auto row = [](const char* name, const char* whatsNew, const char* information, const char* texts) {
        QTest::newRow(name) << QByteArray(whatsNew) << QByteArray(information) << QString::fromUtf8(texts);
    };
    row("both missing", nullptr, nullptr, "|");
    row("first missing, second still read", nullptr, "Info.", "|Info.");
    row("line breaks kept", "Tapmeter 4.1\r\n\r\n- one\r\n", "a\r\nb", "Tapmeter 4.1\n\n- one\n|a\nb");
    row("Windows-1252 letters", "\xf8 \x80 \xe9", "Alt+\xf8", "ø € é|Alt+ø");
}

void TestDesktop::aboutShowsTheTextsAsRead() {
    QFETCH(QByteArray, whatsNewBytes);
    QFETCH(QByteArray, informationBytes);
    FakeServices fakes;
    if (!whatsNewBytes.isNull())
        fakes.files.put("whatsnew.txt", whatsNewBytes);
    if (!informationBytes.isNull())
        fakes.files.put("information.txt", informationBytes);
    Form2 about(fakes.services);
    QTEST(shown(&about, "Text1") + "|" + shown(&about, "Text2"), "shownTexts");
    // A text that cannot be shown is no reason to trouble the user.
    QVERIFY(fakes.dialogs.boxes.isEmpty());
}

void TestDesktop::aboutIsOneWindowReadAnewOnlyAfterBack() {
    Form1Harness h;
    h.fakes.files.put("whatsnew.txt", "first");
    Form2* first = qobject_cast<Form2*>(openActive(h, "About"));
    QVERIFY(first);
    h.fakes.files.put("whatsnew.txt", "second");
    // While it is open, "About" brings the same window without reading again.
    h.form->mnuAbout_Click();
    QCOMPARE(h.form->aboutWindow(), first);
    QCOMPARE(shown(first, "Text1"), "first");
    // "&Back!", by its access key, ends it; the next one reads the texts anew.
    QTest::keyClick(first, Qt::Key_B, Qt::AltModifier);
    QTRY_VERIFY(!h.form->aboutWindow());
    h.form->mnuAbout_Click();
    QCOMPARE(shown(h.form->aboutWindow(), "Text1"), "second");
}

void TestDesktop::controlNames_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    const auto row = [](const char* window, const char* control, const char* name) {
        QTest::addRow("%s %s", window, control) << window << control << QString::fromUtf8(name);
    };
    // Captions, without access key, blanks and colon.
    row("main", "Command1", "Reset");
    row("main", "Command6", "ø");
    // Captionless: the label beside, above (up to its colon), else the frame.
    row("main", "Text1", "Write the selected word from the list");
    row("main", "Combo1", "Words in database");
    row("About", "Text1", "What's new");
    row("About", "Command1", "Back!");
    // A name given in the form wins over the frame's.
    row("main", "Combo2", "Automatic action");
    // A label that runs a pixel into its box.
    row("Update", "Text1", "Source 1");
}

void TestDesktop::controlNames() {
    QFETCH(QString, window);
    QFETCH(QString, control);
    Form1Harness h;
    QWidget* shownWindow = openActive(h, window);
    QVERIFY(shownWindow);
    // On Linux a drop-down list announces its chosen entry, not its name.
    QTEST(shownWindow->findChild<QWidget*>(control)->accessibleName(), "name");
}

void TestDesktop::tabWalksTheWholeFocusChainCountingNoFix() {
    Form1Harness h;
    QVERIFY(openActive(h));
    // A Backspace leaves a fix pending; the Tab that follows is no typing.
    QTest::keyClicks(h.ui->Text1, "ox");
    QTest::keyClick(h.ui->Text1, Qt::Key_Backspace);
    const QStringList order = QString("Command1 Check1 Check2 Command6 Combo2 Combo3 Text5 Combo1 Text2 Text3 Text4 "
                                      "Command3 Command5 Command4 Command2 Text1")
                                  .split(' ');
    QStringList visited;
    for (qsizetype i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << focused();
    }
    QCOMPARE(visited, order);
    QCOMPARE(h.ui->Label18->text(), "0");
}

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
