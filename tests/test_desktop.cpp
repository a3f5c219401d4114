// The windows on the desktop: the About window's texts, what the controls
// announce, the keyboard alone working everything, and files whose names or
// kinds a typist never thinks about.
#include "about/form2.h"
#include "platform/datetext.h"
#include "platform/programinfo.h"
#include "tests/harness.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>

#include <sys/stat.h>

namespace {
// The About window's texts as shown, "what's new|information".
QString aboutTexts(const QWidget* about) {
    const auto text = [&](const char* box) { return about->findChild<QPlainTextEdit*>(box)->toPlainText(); };
    return text("Text1") + '|' + text("Text2");
}

// Starts the main window on two words and brings up the window asked for,
// Update Results with two sources open.
QWidget* openActive(Form1Harness& h, const QString& which = "main") {
    h.start(resultLines("one 4.3 D1 N1;two - na na"));
    QWidget* window = h.form.get();
    if (which == "About") {
        h.ui->mnuAbout->trigger();
        window = shownWindow("Form2");
    } else if (which == "Progress") {
        // A word to list, so that its list can drop down.
        h.fakes.appendFiles.files["history.csv"] = "2026-12-05T12:00:00+01:00,one,3,3,0,0\r\n";
        h.ui->mnuProgress->trigger();
        window = shownWindow("ProgressWindow");
    } else if (which == "Update") {
        h.openRecords("house 4.3 D1 N1;garden 5 D N;tree 9 D N", "house 5 D N;tree 8 D N");
        window = h.window;
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

class TestDesktop : public QObject {
    Q_OBJECT

private slots:
    // No locale leaves a trace of the time zone it names, or of the brackets,
    // comma or blank around it; and half a second past midnight is midnight.
    void recordDateInEveryLocale() {
        static const QRegularExpression remnant(QStringLiteral(R"(\(\s*\)|\[\s*\]|^\s|[\s,]$|\s\s|UTC)"));
        const QDate day(2026, 12, 7);
        for (const QLocale& locale :
             QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
            const QString date = locale.toString(day, QLocale::ShortFormat);
            const QString text = generalDateTimeText(QDateTime(day, QTime(18, 22, 5), Qt::UTC), locale);
            QVERIFY2(text.startsWith(date + ' ') && text.size() > date.size() + 1 && !text.contains(remnant),
                     qPrintable(locale.name() + ": " + text));
            QCOMPARE(generalDateTimeText(QDateTime(day, QTime(0, 0, 0, 500)), locale), date);
        }
        // Qt prints the day-period letter B of some locales as it is; five
        // seconds past midnight is no midnight.
        QCOMPARE(generalDateTimeText(QDateTime(day, QTime(18, 22, 5)), QLocale("zh_TW")),
                 QString::fromUtf8("2026/12/7 下午6:22:05"));
        QCOMPARE(generalDateTimeText(QDateTime(day, QTime(0, 0, 5)), QLocale("en_US")), "12/7/26 12:00:05 AM");
    }

    // The About texts show as written, line breaks and Windows-1252 letters
    // included; a missing one leaves its box empty, which is no reason to trouble
    // the user.
    void aboutShowsItsTextsReadAnewOnlyAfterBack() {
        Form1Harness h;
        h.fakes.files.put("information.txt", "a\r\nAlt+\xf8\r\n");
        Form2* first = qobject_cast<Form2*>(openActive(h, "About"));
        QVERIFY(first);
        QCOMPARE(aboutTexts(first), "|a\nAlt+ø\n");
        h.fakes.files.put("whatsnew.txt", "Tapmeter 4.1\r\n\r\n\xf8 \x80 \xe9\r\n");
        // While it is open, "About" brings the same window without reading again.
        h.ui->mnuAbout->trigger();
        QCOMPARE(shownWindow<Form2>("Form2"), first);
        QCOMPARE(aboutTexts(first), "|a\nAlt+ø\n");
        // "&Back!", by its access key, ends it; the next one reads the texts anew.
        QTest::keyClick(first, Qt::Key_B, Qt::AltModifier);
        QTRY_VERIFY(!shownWindow<Form2>("Form2"));
        h.ui->mnuAbout->trigger();
        QCOMPARE(aboutTexts(shownWindow("Form2")), "Tapmeter 4.1\n\nø € é\n|a\nAlt+ø\n");
        QVERIFY(h.fakes.dialogs.boxes.isEmpty());
    }

    // Tab walks the main window's whole chain back to the typing box; pressed
    // after a Backspace, which leaves a fix pending, it types nothing.
    void tabWalksEveryControlAndTypesNothing() {
        Form1Harness h;
        QVERIFY(openActive(h));
        h.type("ox");
        h.press(Qt::Key_Backspace);
        QStringList visited;
        do {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << focused();
        } while (visited.last() != "Text1" && visited.size() < 30);
        QCOMPARE(visited.join(u' '), "Command1 Check1 Check2 Command6 Combo2 Combo3 Text5 Combo1 Text2 Text3 Text4 "
                                     "Command3 Command5 Command4 Command2 Text1");
        QCOMPARE(h.fixes(), "0");
    }

    void escLeavesAWindow_data() {
        // With the list dropped down, Esc first closes the list, the next one the window.
        const Table<QString, QString, bool> table("window", "control", "listDropped");
        table.row("About, from its text", "About", "Text1", false);
        table.row("Update Results, from a dropped-down list", "Update", "ImageCombo2", true);
        table.row("Progress, from a dropped-down list", "Progress", "cboWord", true);
        table.row("Progress, from its table", "Progress", "tblWords", false);
    }

    void escLeavesAWindow() {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(bool, listDropped);
        Form1Harness h;
        QWidget* shown = openActive(h, window);
        QVERIFY(shown);
        const QPointer<QWidget> widget = shown->findChild<QWidget*>(control);
        widget->setFocus();
        if (listDropped) {
            QTest::keyClick(widget, Qt::Key_Down, Qt::AltModifier);
            QTRY_VERIFY(QApplication::activePopupWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QVERIFY(!QApplication::activePopupWidget() && shown->isVisible());
        }
        QTest::keyClick(widget, Qt::Key_Escape);
        QTRY_VERIFY(widget.isNull());
        QVERIFY(h.form->isEnabled());
    }

    // Wildcards in a source's name are letters; a named pipe in place of an
    // About text would hold the window until someone writes to it. Picking the
    // entry a list already shows puts its record back in the time box.
    void sourcesAreTakenAsNamedAndRepicked() {
        Form1Harness h(Files::Real);
        const QString friendPath = h.root.filePath("friend?.dat");
        const QString minePath = h.root.filePath("mine*.dat");
        QVERIFY(writeFile(friendPath, crlf(resultLines("house 4.3"))) &&
                writeFile(minePath, crlf(resultLines("garden 5"))));
        QVERIFY(mkfifo("pipe", 0600) == 0 && mkfifo("whatsnew.txt", 0600) == 0);
        QVERIFY(QFile::link("pipe", "information.txt"));
        h.start();
        h.openSources(friendPath, minePath);
        QCOMPARE(entries(h.w->ImageCombo1) + entries(h.w->ImageCombo2), (QStringList{"house", "garden"}));
        for (const auto& [list, time] : {std::pair{h.w->ImageCombo1, h.w->Text3}, {h.w->ImageCombo2, h.w->Text6}}) {
            time->setText("typed over");
            // The list opened from the keyboard, and its entry chosen again.
            QTest::keyClick(list, Qt::Key_F4);
            QTest::keyClick(static_cast<QWidget*>(list->view()), Qt::Key_Return);
        }
        QCOMPARE(h.w->Text3->text() + ' ' + h.w->Text6->text(), "4.3 5");
        Form2 about(h.services);
        QCOMPARE(aboutTexts(&about), "|");
    }

    // What a screen reader reads of every window, opened in turn, Update Results last: "window: role "title", icon
    // size", then for each of its designed controls "window control: name" (its own where the window gives one, else
    // Qt's) and, for a locked box that is still read out, " = value"; the program's version reads "<version>".
    // Against tests/data/accessible-names.txt.
    void screenReadersHearEveryWindowAndControlAsBefore() {
        QStringList read;
        for (const char* which : {"main", "About", "Progress", "Update"}) {
            Form1Harness h;
            QWidget* window = openActive(h, which);
            QVERIFY(window);
            const bool isWindow = QAccessible::queryAccessibleInterface(window)->role() == QAccessible::Window;
            read << QStringLiteral("%1: %2 \"%3\", icon %4")
                        .arg(which, isWindow ? "window" : "pane", window->windowTitle(),
                             QString::number(window->windowIcon().pixmap(32).height()));
            for (QWidget* control : window->findChildren<QWidget*>()) {
                if (control->objectName().isEmpty() || control->objectName().startsWith("qt_"))
                    continue;
                const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
                const QString name = control->accessibleName();
                const QString value = accessible->text(QAccessible::Value);
                const bool locked = accessible->state().readOnly && accessible->state().focusable && !value.isEmpty();
                read << QStringLiteral("%1 %2: %3")
                                .arg(which, control->objectName(),
                                     name.isEmpty() ? accessible->text(QAccessible::Name) : name) +
                            (locked ? " = " + value : QString());
            }
        }
        const QString expected = QString::fromUtf8(readFile(TAPMETER_TEST_DATA "/accessible-names.txt"));
        QCOMPARE(
            read.join(u'\n').append(u'\n').replace(QStringLiteral("Tapmeter ") + ProgramVersion, "Tapmeter <version>"),
            expected);
    }
};

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
