#include "accessibility.h"
#include "fakeservices.h"
#include "form1harness.h"
#include "form2.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

// A screen reader announces every control of the program by a name a sighted
// user would give it: its caption, or the caption beside it.
class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void spokenCaption_data();
    void spokenCaption();
    void mainWindowControls_data();
    void mainWindowControls();
    void aboutWindowControls_data();
    void aboutWindowControls();
    void everyControlThatTakesTheFocusHasAName();
    void labelsSpeakTheirChangingText();
    void nearestCaptionWins();
    void namesGivenInTheDesignAreKept();
};

namespace {
// The name as assistive technology receives it.
QString announcedName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

QString announcedName(QWidget* window, const QString& objectName) {
    auto* widget = window->findChild<QWidget*>(objectName);
    return widget ? announcedName(widget) : QStringLiteral("<no control %1>").arg(objectName);
}

void addNameRows(const QList<std::pair<const char*, const char*>>& rows) {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    for (const auto& [control, name] : rows)
        QTest::newRow(control) << QString::fromLatin1(control) << QString::fromUtf8(name);
}
} // namespace

void TestAccessibility::spokenCaption_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("access key and trailing blank") << "&Reset "
                                                   << "Reset";
    QTest::newRow("access key on a letter outside ASCII") << QString::fromUtf8("&ø") << QString::fromUtf8("ø");
    QTest::newRow("access key in the middle") << "Source &1"
                                              << "Source 1";
    QTest::newRow("doubled ampersand is a real one") << "Salt && pepper"
                                                     << "Salt & pepper";
    QTest::newRow("closing colon") << "Fastest time:"
                                   << "Fastest time";
    QTest::newRow("colon and blanks") << "Automatically: "
                                      << "Automatically";
    QTest::newRow("slash kept") << "Total S/Letters W"
                                << "Total S/Letters W";
    QTest::newRow("lone ampersand") << "&"
                                    << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestAccessibility::spokenCaption() {
    QFETCH(QString, caption);
    QFETCH(QString, spoken);
    QCOMPARE(::spokenCaption(caption), spoken);
}

void TestAccessibility::mainWindowControls_data() {
    addNameRows({
        {"Command1", "Reset"},
        {"Command6", "ø"},
        {"Check1", "Sounds"},
        {"Check2", "Case sensitive"},
        {"Frame8", "Automatically"},
        {"Command3", "Add word"},
        // Captionless: the label beside, else the one just above, else the frame.
        {"Text2", "Fastest time"},
        {"Text3", "Date"},
        {"Text4", "Name"},
        {"Text1", "Write the selected word from the list"},
        {"Combo1", "Words in database"},
        // Named in the form: the frame's caption would name all three alike.
        {"Combo2", "Automatic action"},
        {"Combo3", "Criterion of the automatic action"},
        {"Text5", "Limit of the automatic action"},
    });
}

void TestAccessibility::mainWindowControls() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    Form1Harness h;
    h.start();
    // A drop-down list that takes no typing announces its chosen entry as its
    // name on Linux, so the name given to it is looked at directly.
    QCOMPARE(h.form->findChild<QWidget*>(control)->accessibleName(), name);
}

void TestAccessibility::aboutWindowControls_data() {
    addNameRows({{"Command1", "Back!"}, {"Frame3", "What's new"}, {"Text1", "What's new"}, {"Text2", "Information"}});
}

void TestAccessibility::aboutWindowControls() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    FakeServices fakes;
    Form2 about(fakes.services);
    QCOMPARE(announcedName(&about, control), name);
}

void TestAccessibility::everyControlThatTakesTheFocusHasAName() {
    Form1Harness h;
    h.start();
    FakeServices fakes;
    Form2 about(fakes.services);
    for (QWidget* window : {static_cast<QWidget*>(h.form.get()), static_cast<QWidget*>(&about)}) {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const QString objectName = control->objectName();
            if (control->focusPolicy() == Qt::NoFocus || objectName.isEmpty() || objectName.startsWith("qt_"))
                continue;
            QVERIFY2(!announcedName(control).isEmpty(), qPrintable(window->objectName() + "/" + objectName));
        }
    }
}

void TestAccessibility::labelsSpeakTheirChangingText() {
    Form1Harness h;
    h.start();
    h.ui->Label9->setText(QStringLiteral("4.7"));
    QCOMPARE(announcedName(h.ui->Label9), QStringLiteral("4.7"));
}

void TestAccessibility::nearestCaptionWins() {
    // A made-up window: a frame holding a box with a label on its left and
    // one above, a box with only a label above, one whose left neighbour has
    // no letters, a box with nothing beside it, and one its label runs into.
    QWidget window;
    auto* frame = new QGroupBox(QStringLiteral("&Limits:"), &window);
    frame->setGeometry(0, 0, 400, 200);
    auto make = [frame](auto* widget, const char* name, QRect geometry) {
        widget->setObjectName(QLatin1String(name));
        widget->setGeometry(geometry);
        return widget;
    };
    make(new QLabel(QStringLiteral("Far left:"), frame), "far", QRect(0, 20, 40, 17));
    make(new QLabel(QStringLiteral("Near left:"), frame), "near", QRect(50, 20, 40, 17));
    make(new QLabel(QStringLiteral("Above:"), frame), "aboveFirst", QRect(100, 0, 80, 17));
    make(new QLineEdit(frame), "besideBoth", QRect(100, 20, 80, 19));
    make(new QLabel(QStringLiteral("Count: 12"), frame), "counter", QRect(200, 0, 100, 17));
    make(new QComboBox(frame), "belowCounter", QRect(200, 18, 100, 21));
    make(new QLabel(QStringLiteral("="), frame), "sign", QRect(0, 60, 10, 17));
    make(new QLineEdit(frame), "afterSign", QRect(20, 60, 80, 19));
    make(new QLineEdit(frame), "alone", QRect(300, 150, 80, 19));
    make(new QLabel(QStringLiteral("Source 1:"), frame), "overlapping", QRect(0, 100, 49, 17));
    make(new QLineEdit(frame), "overlapped", QRect(48, 100, 89, 19));

    setAccessibleNames(&window);

    QCOMPARE(announcedName(&window, "besideBoth"), QStringLiteral("Near left"));
    QCOMPARE(window.findChild<QLabel*>("near")->buddy(), window.findChild<QWidget*>("besideBoth"));
    QCOMPARE(announcedName(&window, "belowCounter"), QStringLiteral("Count"));
    QCOMPARE(announcedName(&window, "afterSign"), QStringLiteral("Limits"));
    QCOMPARE(announcedName(&window, "alone"), QStringLiteral("Limits"));
    QCOMPARE(announcedName(&window, "overlapped"), QStringLiteral("Source 1"));
}

void TestAccessibility::namesGivenInTheDesignAreKept() {
    QWidget window;
    auto* frame = new QGroupBox(QStringLiteral("Automatically:"), &window);
    auto* limit = new QLineEdit(frame);
    limit->setObjectName(QStringLiteral("Text5"));
    limit->setAccessibleName(QStringLiteral("Limit"));

    setAccessibleNames(&window);
    QCOMPARE(announcedName(limit), QStringLiteral("Limit"));
}

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
