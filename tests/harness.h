#pragma once

#include "merge/form3.h"
#include "platform/qttextfiles.h"
#include "tests/fakes/fakeservices.h"
#include "tests/resultlines.h"
#include "tests/table.h"
#include "trainer/filledsquare.h"
#include "trainer/form1.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>

#include <algorithm>
#include <memory>
#include <optional>

inline QStringList entries(const QComboBox* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

// The mark of every entry as its picture's colour shows it and a screen
// reader says it ("house, faster"): 1 faster (green), 2 similar (brown), 3 new
// (blue), 4 slower (red); 0 for none, -1 where colour and words disagree.
inline QList<int> marks(const QComboBox* list) {
    static const QList<QRgb> colours{qRgb(0, 160, 0), qRgb(150, 75, 0), qRgb(0, 0, 255), qRgb(255, 0, 0)};
    static const QStringList names{"faster", "similar", "new", "slower"};
    QList<int> result;
    for (int i = 0; i < list->count(); ++i) {
        const QIcon icon = list->itemIcon(i);
        const int seen = icon.isNull() ? 0 : int(colours.indexOf(icon.pixmap(7).toImage().pixel(3, 3))) + 1;
        const QString heard = list->itemData(i, Qt::AccessibleTextRole).toString();
        const int said = heard.isEmpty() ? 0 : int(names.indexOf(heard.section(QStringLiteral(", "), -1))) + 1;
        result << (seen == said && heard.startsWith(list->itemText(i)) ? seen : -1);
    }
    return result;
}

// The window of that name on the screen, as the user finds it.
template <typename T = QWidget> T* shownWindow(const char* name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->objectName() == QLatin1String(name))
            return qobject_cast<T*>(window);
    }
    return nullptr;
}

// Types the text into the control as a keyboard does, one key press per
// character, letters outside ASCII included.
inline void typeKeys(QWidget* control, const QString& text) {
    for (QChar c : text) {
        const Qt::Key key = c.unicode() < 0x80 ? QTest::asciiToKey(char(c.unicode())) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, control, key, QString(c), Qt::NoModifier);
    }
}

// Chooses the list's entry with the arrow keys, as a typist does.
inline void chooseEntry(QComboBox* list, int index) {
    for (int i = 0; i < list->count(); ++i)
        QTest::keyClick(list, Qt::Key_Up);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(list, Qt::Key_Down);
}

inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A window's controls, found by the names they were designed with.
struct Controls {
    const QObject* window;
    // Becomes the control of that name, whatever its kind.
    struct Named {
        const QObject* window;
        const char* name;
        template <typename T> operator T*() const { return window->findChild<T*>(QLatin1String(name)); }
    };
    Named find(const char* name) const { return {window, name}; }
    template <typename T> T* find(const char* name) const { return find(name); }
};

struct Form1Controls : Controls {
    QLineEdit *Text1 = find("Text1"), *Text2 = find("Text2"), *Text3 = find("Text3"), *Text4 = find("Text4"),
              *Text5 = find("Text5");
    QLabel *Label1 = find("Label1"), *Label2 = find("Label2"), *Label3 = find("Label3"), *Label4 = find("Label4"),
           *Label9 = find("Label9"), *Label10 = find("Label10"), *Label13 = find("Label13"), *Label14 = find("Label14"),
           *Label17 = find("Label17"), *Label18 = find("Label18");
    QComboBox *Combo1 = find("Combo1"), *Combo2 = find("Combo2"), *Combo3 = find("Combo3");
    QPushButton *Command1 = find("Command1"), *Command2 = find("Command2"), *Command3 = find("Command3"),
                *Command4 = find("Command4"), *Command5 = find("Command5"), *Command6 = find("Command6");
    QCheckBox *Check1 = find("Check1"), *Check2 = find("Check2");
    FilledSquare* Shape1 = find("Shape1");
    QAction *mnuAbout = find("mnuAbout"), *mnuUpdate = find("mnuUpdate"), *mnuProgress = find("mnuProgress"),
            *mnuAddWords = find("mnuAddWords");
    QTimer* Timer1 = find("Timer1");
};

struct Form3Controls : Controls {
    QLineEdit *Text1 = find("Text1"), *Text2 = find("Text2"), *Text3 = find("Text3"), *Text4 = find("Text4"),
              *Text5 = find("Text5"), *Text6 = find("Text6"), *Text7 = find("Text7"), *Text8 = find("Text8");
    QComboBox *ImageCombo1 = find("ImageCombo1"), *ImageCombo2 = find("ImageCombo2");
    QPushButton *Command1 = find("Command1"), *Command2 = find("Command2"), *Command3 = find("Command3"),
                *Command4 = find("Command4"), *Command5 = find("Command5");
};

enum class Files { Fake, Real };

// The main window, and the Update Results window opened from its menu, on
// fake platform services. With Files::Real the text files are real ones in
// a working folder of their own, results.dat among them. Files and settings
// are arranged before start(), the way the program finds them at start-up.
struct Form1Harness {
    explicit Form1Harness(Files kind = Files::Fake)
        : realFiles(kind == Files::Real ? std::make_unique<QtTextFiles>() : nullptr) {
        if (realFiles && QDir().mkpath(workFolder))
            QDir::setCurrent(workFolder);
    }
    // The windows go before the files they write to.
    ~Form1Harness() {
        form.reset();
        QDir::setCurrent(previousFolder);
    }

    FakeServices fakes;
    QTemporaryDir root;
    QString workFolder = root.filePath(QStringLiteral("work"));
    QString previousFolder = QDir::currentPath();
    std::unique_ptr<QtTextFiles> realFiles;
    TextFiles& files = realFiles ? static_cast<TextFiles&>(*realFiles) : fakes.files;
    Services services{fakes.sound, fakes.dialogs, fakes.settings, fakes.clock, files, fakes.appendFiles};

    std::unique_ptr<Form1> form;
    std::optional<Form1Controls> ui;
    QPointer<Form3> window;
    std::optional<Form3Controls> w;
    QString source1Path = QStringLiteral("/home/typist/friend.dat");
    QString source2Path = QStringLiteral("/home/typist/mine.dat");

    void start() {
        form = std::make_unique<Form1>(services);
        ui.emplace(Form1Controls{{form.get()}});
    }
    // Starts with results.dat holding these lines.
    void start(const QStringList& resultLines) {
        setResults(crlf(resultLines));
        start();
    }

    QString resultsPath() const {
        return realFiles ? workFolder + QStringLiteral("/results.dat") : fakes.files.absolute("results.dat");
    }
    void setResults(const QByteArray& bytes) {
        realFiles ? void(writeFile(resultsPath(), bytes)) : fakes.files.put("results.dat", bytes);
    }
    QByteArray results() const { return realFiles ? readFile(resultsPath()) : fakes.files.bytes("results.dat"); }
    void setSetting(const QString& key, const QString& value) {
        fakes.settings.values["Tapmeter/Settings/" + key] = value;
    }
    QString setting(const QString& key) const { return fakes.settings.values.value("Tapmeter/Settings/" + key); }

    // Typed into the typing box, one key at a time.
    void type(const QString& text) { typeKeys(ui->Text1, text); }
    // Ticks of the run clock, each the timer's own event: its timeout reaches
    // the window through the window's own connection, and a stopped clock
    // does not tick.
    void ticks(int count) {
        for (int i = 0; i < count && ui->Timer1->isActive(); ++i) {
            QTimerEvent tick(ui->Timer1->timerId());
            QCoreApplication::sendEvent(ui->Timer1, &tick);
        }
    }
    // Keys other than letters, pressed in the typing box.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(ui->Text1, key, modifiers);
    }
    // The text put into the empty typing box at once, as Ctrl+V does.
    void paste(const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        press(Qt::Key_V, Qt::ControlModifier);
    }
    // The whole text selected and deleted at once.
    void clearBox() {
        press(Qt::Key_A, Qt::ControlModifier);
        press(Qt::Key_Delete);
    }
    void clickReset() { ui->Command1->click(); }
    // The small reset button beside the counters.
    void clickSmallReset() { ui->Command6->click(); }
    void addWord(const QString& word) {
        fakes.dialogs.promptAnswers.prepend(word);
        ui->Command3->click();
    }
    void removeWord() { ui->Command5->click(); }
    // The automatic action ("-", "Stop", "Reset"), its criterion ("Words
    // written", "Time passed", "Letters written") and its limit, chosen and
    // typed as the typist does.
    void chooseAction(const QString& action) { chooseEntry(ui->Combo2, ui->Combo2->findText(action)); }
    void chooseCriterion(const QString& criterion) { chooseEntry(ui->Combo3, ui->Combo3->findText(criterion)); }
    void typeLimit(const QString& limit) {
        ui->Text5->selectAll();
        QTest::keyClick(ui->Text5, Qt::Key_Delete);
        typeKeys(ui->Text5, limit);
    }
    void automatic(const QString& action, const QString& criterion, const QString& limit) {
        chooseAction(action);
        chooseCriterion(criterion);
        typeLimit(limit);
    }

    // What the main window shows, by the caption each figure stands under or beside.
    QString typed() const { return ui->Text1->text(); }
    QString sinceLastLetter() const { return ui->Label1->text(); }  // "Time passed since last letter:"
    QString totalTime() const { return ui->Label17->text(); }       // "Total time passed:"
    QString secondsPerLetter() const { return ui->Label2->text(); } // "Total S/Letters W"
    QString typingTime() const { return ui->Label3->text(); }       // "Total speed:"
    QString lettersWritten() const { return ui->Label4->text(); }
    QString wordsWritten() const { return ui->Label14->text(); }
    QString fixes() const { return ui->Label18->text(); } // "Number of fixes:"
    QString lastScore() const { return ui->Label9->text(); }
    QString limit() const { return ui->Text5->text(); }
    QString hint() const { return ui->Text1->placeholderText(); }
    // The chosen word's record panel: "time date name".
    QString record() const { return ui->Text2->text() + u' ' + ui->Text3->text() + u' ' + ui->Text4->text(); }
    // Whether the clock runs: a held clock shows no tick.
    bool clockRuns() const { return ui->Timer1->isActive(); }
    // The indicator's colour on the screen: "green", "red", or "other".
    QString indicator() const {
        const QImage shown = ui->Shape1->grab().toImage();
        const QColor colour = shown.pixelColor(shown.rect().center());
        return colour == QColor(0, 255, 0) ? Green : colour == QColor(255, 0, 0) ? Red : QStringLiteral("other");
    }
    // What the indicator tells a screen reader.
    QString indicatorSays() const { return ui->Shape1->accessibleDescription(); }
    QStringList listed() const { return entries(ui->Combo1); }
    // The sounds played, in order, by name ("type", "mistake"); one the
    // program waits for ends in "!".
    QStringList heard;
    void listen() {
        fakes.sound.whilePlaying = [this](const QString& file, bool wait) {
            heard << file.chopped(4) + (wait ? "!" : "");
        };
    }
    static inline const QString Green = QStringLiteral("green");
    static inline const QString Red = QStringLiteral("red");

    // Opens Update Results from the menu.
    void openWindow() {
        if (!form)
            start();
        ui->mnuUpdate->trigger();
        window = shownWindow<Form3>("Form3");
        w.emplace(Form3Controls{{window.data()}});
    }
    // Both browse buttons, each answered with a path ("" is Cancel).
    void choose(const QString& source1, const QString& source2) {
        fakes.dialogs.openFileAnswers << source1 << source2;
        w->Command2->click();
        w->Command3->click();
    }
    // Opens Update Results, chooses both sources and presses "Open".
    void openSources(const QString& source1, const QString& source2) {
        if (!window)
            openWindow();
        choose(source1, source2);
        w->Command4->click();
    }
    // Writes the two fake files (records as resultLines() takes them) and opens them.
    void openRecords(const QString& records1, const QString& records2) {
        fakes.files.put(source1Path, crlf(resultLines(records1)));
        fakes.files.put(source2Path, crlf(resultLines(records2)));
        openSources(source1Path, source2Path);
    }
};
