// A typist at one computer, for the tests that run whole programs: works in FOLDER as Tapmeter does (its lock, its
// files, its windows), types each word letter by letter through the event loop, pausing PAUSE milliseconds after
// each letter, answers every message with OK, and closes the window, which saves. Before closing it prints what the
// typist sees: each message, the list as "word<TAB>time<TAB>name" lines and Progress's totals.
//
// usage: tapmeter_typist FOLDER [WORD:PAUSE]...    exits 3 when Tapmeter is already running in FOLDER
#include "platform/folderlock.h"
#include "platform/qtservices.h"
#include "trainer/form1.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Line by line, so that the script reads each as it comes.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    static const auto print = [](const QString& text) { std::puts(qPrintable(text)); };
    identifyApplication();
    if (argc < 2 || !QDir::setCurrent(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "usage: tapmeter_typist FOLDER [WORD:PAUSE]...\n");
        return 2;
    }
    const FolderLock lock(QDir::currentPath());
    if (lock.heldElsewhere()) {
        print(QStringLiteral("refused: %1").arg(alreadyRunningMessage()));
        return 3;
    }
    QtServices platform;
    Form1 window(platform.services);
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            print(QStringLiteral("message: ") + box->text().replace(QLatin1String("\r\n"), QLatin1String(" / ")));
            // OK, or Yes to close although a save failed: the script reads what was told.
            box->button(box->button(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::Yes)->click();
        }
    });
    answer.start(20);
    window.show();
    QTest::qWait(200);

    auto* list = window.findChild<QComboBox*>(QStringLiteral("Combo1"));
    auto* typing = window.findChild<QLineEdit*>(QStringLiteral("Text1"));
    for (int i = 2; i < argc; ++i) {
        const QStringList wordAndPause = QString::fromLocal8Bit(argv[i]).split(QLatin1Char(':'));
        list->setCurrentIndex(list->findText(wordAndPause.constFirst()));
        for (QChar letter : wordAndPause.constFirst()) {
            QTest::sendKeyEvent(QTest::Click, typing, Qt::Key_unknown, QString(letter), Qt::NoModifier);
            QTest::qWait(wordAndPause.value(1).toInt());
        }
    }

    const auto field = [&window](const char* name) { return window.findChild<QLineEdit*>(name)->text(); };
    for (int i = 0; i < list->count(); ++i) {
        list->setCurrentIndex(i);
        print(QStringLiteral("%1\t%2\t%3").arg(list->currentText(), field("Text2"), field("Text4")));
    }
    window.findChild<QAction*>(QStringLiteral("mnuProgress"))->trigger();
    QTest::qWait(100);
    for (QWidget* shown : QApplication::topLevelWidgets())
        if (auto* totals = shown->findChild<QLabel*>(QStringLiteral("lblTotals")); totals && shown->isVisible())
            print(QStringLiteral("progress: ") + totals->text().simplified());
    window.close();
    QTest::qWait(100);
    return 0;
}
