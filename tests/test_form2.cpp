#include "form1harness.h"
#include "form2.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

#include <algorithm>

// The About window shows the two shipped texts as they are on disk, whatever
// happens to them, and is one window however often it is asked for.
class TestForm2 : public QObject {
    Q_OBJECT

private slots:
    void textsAreShownAsRead_data();
    void textsAreShownAsRead();
    void aboutIsOneWindowReadAnewOnlyAfterBack();
};

namespace {
QString shown(QWidget* window, const char* box) {
    return window->findChild<QPlainTextEdit*>(QLatin1String(box))->toPlainText();
}
} // namespace

void TestForm2::textsAreShownAsRead_data() {
    QTest::addColumn<QByteArray>("whatsNewBytes");
    QTest::addColumn<QByteArray>("informationBytes");
    QTest::addColumn<QString>("whatsNewText");
    QTest::addColumn<QString>("informationText");
    // A null pointer is a file that is not there.
    const auto row = [](const char* name, const char* whatsNew, const char* information, const char* whatsNewText,
                        const char* informationText) {
        QTest::newRow(name) << QByteArray(whatsNew) << QByteArray(information) << QString::fromUtf8(whatsNewText)
                            << QString::fromUtf8(informationText);
    };
    row("both present", "New!", "Info.", "New!", "Info.");
    row("both missing", nullptr, nullptr, "", "");
    row("first missing, second still read", nullptr, "Info.", "", "Info.");
    row("both empty", "", "", "", "");
    row("line breaks kept", "Tapmeter 4.1\r\n\r\n- one\r\n", "a\r\nb", "Tapmeter 4.1\n\n- one\n", "a\nb");
    row("Windows-1252 letters", "\xf8 \x80 \xe9", "Alt+\xf8", "ø € é", "Alt+ø");
}

void TestForm2::textsAreShownAsRead() {
    QFETCH(QByteArray, whatsNewBytes);
    QFETCH(QByteArray, informationBytes);
    FakeServices fakes;
    if (!whatsNewBytes.isNull())
        fakes.files.put(QStringLiteral("whatsnew.txt"), whatsNewBytes);
    if (!informationBytes.isNull())
        fakes.files.put(QStringLiteral("information.txt"), informationBytes);
    Form2 about(fakes.services);

    QTEST(shown(&about, "Text1"), "whatsNewText");
    QTEST(shown(&about, "Text2"), "informationText");
    // A text that cannot be shown is no reason to trouble the user.
    QVERIFY(fakes.dialogs.boxes.isEmpty());
}

void TestForm2::aboutIsOneWindowReadAnewOnlyAfterBack() {
    Form1Harness h;
    h.fakes.files.put(QStringLiteral("whatsnew.txt"), "first");
    h.start();
    h.form->mnuAbout_Click();
    Form2* first = h.form->aboutWindow();
    QVERIFY(QTest::qWaitForWindowActive(first));
    h.fakes.files.put(QStringLiteral("whatsnew.txt"), "second");

    // While it is open, "About" brings the same window without reading again.
    h.form->mnuAbout_Click();
    QCOMPARE(h.form->aboutWindow(), first);
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.cbegin(), windows.cend(), [](QWidget* w) { return qobject_cast<Form2*>(w); }), 1);
    QCOMPARE(shown(first, "Text1"), QStringLiteral("first"));

    // "&Back!", by its access key, ends it; the next one reads the texts anew.
    QTest::keyClick(first, Qt::Key_B, Qt::AltModifier);
    QTRY_VERIFY(!h.form->aboutWindow());
    h.form->mnuAbout_Click();
    QCOMPARE(shown(h.form->aboutWindow(), "Text1"), QStringLiteral("second"));
}

QTEST_MAIN(TestForm2)
#include "test_form2.moc"
