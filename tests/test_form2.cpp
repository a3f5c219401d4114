#include "fakeservices.h"
#include "form1harness.h"
#include "form2.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

// The About window shows the two shipped texts as they are on disk, opens
// whatever happens to them, and is one window however often it is asked for.
class TestForm2 : public QObject {
    Q_OBJECT

private slots:
    void textsAreShownAsRead_data();
    void textsAreShownAsRead();
    void longTextScrollsToItsLastLine();
    void focusStartsOnBackAndTabVisitsBothTexts();
    void backClosesTheWindow_data();
    void backClosesTheWindow();
    void captionsFitTheirPlaces();
    void aboutTwiceShowsOneWindowWithoutReadingAgain();
    void aboutAfterBackReadsTheTextsAnew();
};

namespace {
const QString WhatsNew = QStringLiteral("whatsnew.txt");
const QString Information = QStringLiteral("information.txt");

enum class FileState { Present, Missing, Unreadable };

void arrange(FakeTextFiles& files, const QString& name, FileState state, const QByteArray& bytes) {
    if (state == FileState::Missing)
        return;
    files.put(name, bytes);
    if (state == FileState::Unreadable)
        files.unreadable.insert(files.absolute(name));
}

QPlainTextEdit* box(QWidget* window, const char* name) {
    return window->findChild<QPlainTextEdit*>(QLatin1String(name));
}

QString whatsNewShown(QWidget* window) {
    return box(window, "Text1")->toPlainText();
}

QString informationShown(QWidget* window) {
    return box(window, "Text2")->toPlainText();
}

QList<Form2*> aboutWindows() {
    QList<Form2*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* about = qobject_cast<Form2*>(widget))
            windows << about;
    }
    return windows;
}

// A closed About window is deleted once the event loop comes round.
void letClosedWindowsGo() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
} // namespace

void TestForm2::textsAreShownAsRead_data() {
    QTest::addColumn<FileState>("whatsNewState");
    QTest::addColumn<QByteArray>("whatsNewBytes");
    QTest::addColumn<FileState>("informationState");
    QTest::addColumn<QByteArray>("informationBytes");
    QTest::addColumn<QString>("whatsNewText");
    QTest::addColumn<QString>("informationText");

    const FileState present = FileState::Present;
    QTest::newRow("both present") << present << QByteArray("New!") << present << QByteArray("Info.") << "New!"
                                  << "Info.";
    QTest::newRow("both missing") << FileState::Missing << QByteArray() << FileState::Missing << QByteArray() << ""
                                  << "";
    QTest::newRow("first missing, second still read")
        << FileState::Missing << QByteArray() << present << QByteArray("Info.") << ""
        << "Info.";
    QTest::newRow("second unreadable, first kept")
        << present << QByteArray("New!") << FileState::Unreadable << QByteArray("Info.") << "New!"
        << "";
    QTest::newRow("both empty") << present << QByteArray() << present << QByteArray() << ""
                                << "";
    QTest::newRow("several lines, blank one and final line end kept")
        << present << QByteArray("Tapmeter 4.1\r\n\r\n- one\r\n- two\r\n") << present << QByteArray("a\r\nb")
        << "Tapmeter 4.1\n\n- one\n- two\n"
        << "a\nb";
    QTest::newRow("Windows-1252 letters")
        << present << QByteArray("\xf8 \x80 \xe9") << present << QByteArray("Alt+\xf8") << QString::fromUtf8("ø € é")
        << QString::fromUtf8("Alt+ø");
}

void TestForm2::textsAreShownAsRead() {
    QFETCH(FileState, whatsNewState);
    QFETCH(QByteArray, whatsNewBytes);
    QFETCH(FileState, informationState);
    QFETCH(QByteArray, informationBytes);
    QFETCH(QString, whatsNewText);
    QFETCH(QString, informationText);

    FakeServices fakes;
    arrange(fakes.files, WhatsNew, whatsNewState, whatsNewBytes);
    arrange(fakes.files, Information, informationState, informationBytes);
    Form2 about(fakes.services);

    QCOMPARE(whatsNewShown(&about), whatsNewText);
    QCOMPARE(informationShown(&about), informationText);
    // A text that cannot be shown is no reason to trouble the user.
    QVERIFY(fakes.dialogs.boxes.isEmpty());
    // The texts are only read.
    QCOMPARE(fakes.files.writes, 0);
}

void TestForm2::longTextScrollsToItsLastLine() {
    QStringList lines;
    for (int i = 1; i <= 80; ++i)
        lines << QStringLiteral("line %1").arg(i);
    FakeServices fakes;
    fakes.files.put(WhatsNew, lines.join(QStringLiteral("\r\n")).toLatin1());
    Form2 about(fakes.services);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));

    QPlainTextEdit* text = box(&about, "Text1");
    QScrollBar* bar = text->verticalScrollBar();
    QCOMPARE(bar->value(), bar->minimum());
    QVERIFY(bar->maximum() > bar->minimum());
    bar->setValue(bar->maximum());
    const QPoint bottomLeft(4, text->viewport()->height() - 4);
    QCOMPARE(text->cursorForPosition(bottomLeft).block().text(), QStringLiteral("line 80"));
}

void TestForm2::focusStartsOnBackAndTabVisitsBothTexts() {
    FakeServices fakes;
    fakes.files.put(WhatsNew, "New!");
    fakes.files.put(Information, "Info.");
    Form2 about(fakes.services);
    about.show();
    QVERIFY(QTest::qWaitForWindowActive(&about));

    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
    for (const char* next : {"Text1", "Text2", "Command1"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(next));
    }
    // Tab moves on instead of going into the text.
    QCOMPARE(whatsNewShown(&about), QStringLiteral("New!"));
    QCOMPARE(informationShown(&about), QStringLiteral("Info."));
}

void TestForm2::backClosesTheWindow_data() {
    QTest::addColumn<bool>("byAccessKey");
    QTest::newRow("click") << false;
    QTest::newRow("Alt+B") << true;
}

void TestForm2::backClosesTheWindow() {
    QFETCH(bool, byAccessKey);
    FakeServices fakes;
    QPointer<Form2> about = new Form2(fakes.services);
    const auto cleanup = qScopeGuard([&about] { delete about; });
    about->show();
    QVERIFY(QTest::qWaitForWindowActive(about));

    auto* back = about->findChild<QPushButton*>(QStringLiteral("Command1"));
    if (byAccessKey) {
        // An access key clicks its button the way Space does, with a short
        // visible press.
        QTest::keyClick(about, Qt::Key_B, Qt::AltModifier);
        QTRY_VERIFY(about.isNull());
    } else {
        QTest::mouseClick(back, Qt::LeftButton);
        letClosedWindowsGo();
        QVERIFY(about.isNull());
    }
}

void TestForm2::captionsFitTheirPlaces() {
    FakeServices fakes;
    Form2 about(fakes.services);

    const auto* credit = about.findChild<QLabel*>(QStringLiteral("Label1"));
    QVERIFY(credit->text().contains(QLatin1String("the Tapmeter developers")));
    QVERIFY(
        credit->text().endsWith(QLatin1String(" Use it to check who's the fastest typer.. you or your friends!!!")));
    const QRect wrapped = credit->fontMetrics().boundingRect(QRect(QPoint(), credit->size()),
                                                             Qt::TextWordWrap | Qt::AlignHCenter, credit->text());
    QVERIFY2(wrapped.height() <= credit->height(), "the credit sentence is cut off");

    const auto* site = about.findChild<QLabel*>(QStringLiteral("Label4"));
    QVERIFY(site->text().startsWith(QLatin1String("Visit the site here: ")));
    QVERIFY2(site->fontMetrics().horizontalAdvance(site->text()) <= site->width(), "the site line is cut off");

    for (const char* name : {"Frame2", "Frame3"}) {
        const auto* frame = about.findChild<QGroupBox*>(QLatin1String(name));
        QVERIFY2(frame->fontMetrics().horizontalAdvance(frame->title()) < frame->width(), name);
    }
}

void TestForm2::aboutTwiceShowsOneWindowWithoutReadingAgain() {
    Form1Harness h;
    h.fakes.files.put(WhatsNew, "first");
    h.start();

    h.form->mnuAbout_Click();
    Form2* first = h.form->aboutWindow();
    QVERIFY(first);
    QVERIFY(first->isVisible());
    h.fakes.files.put(WhatsNew, "second");
    h.form->mnuAbout_Click();

    QCOMPARE(h.form->aboutWindow(), first);
    QCOMPARE(aboutWindows(), QList<Form2*>{first});
    QCOMPARE(whatsNewShown(first), QStringLiteral("first"));
    // The main window stays usable beside it.
    QVERIFY(h.form->isEnabled());
    QVERIFY(!first->isModal());
}

void TestForm2::aboutAfterBackReadsTheTextsAnew() {
    Form1Harness h;
    h.fakes.files.put(WhatsNew, "first");
    h.start();

    h.form->mnuAbout_Click();
    QPointer<Form2> first = h.form->aboutWindow();
    first->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    letClosedWindowsGo();
    QVERIFY(first.isNull());
    QVERIFY(!h.form->aboutWindow());

    h.fakes.files.put(WhatsNew, "second");
    h.fakes.files.put(Information, "now there");
    h.form->mnuAbout_Click();
    QVERIFY(h.form->aboutWindow());
    QCOMPARE(whatsNewShown(h.form->aboutWindow()), QStringLiteral("second"));
    QCOMPARE(informationShown(h.form->aboutWindow()), QStringLiteral("now there"));
    QCOMPARE(aboutWindows().size(), 1);
}

QTEST_MAIN(TestForm2)
#include "test_form2.moc"
