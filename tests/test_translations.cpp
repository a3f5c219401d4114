// The language of the windows: it follows the desktop's settings as Qt reads them, first match first, and stays
// English when the desktop asks for no language the program speaks.
#include "app/translations.h"
#include "platform/qtdialogs.h"
#include "tests/harness.h"

#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

// The first lines of the program's answer to --help where the desktop's language settings (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG) are those given, "NAME=value NAME=value", and the others unset.
QStringList helpLines(const QString& desktop) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        environment.remove(name);
    for (const QString& setting : desktop.split(u' '))
        environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TAPMETER_PROGRAM), {QStringLiteral("--help")});
    if (!program.waitForFinished(60000))
        program.kill();
    return QString::fromUtf8(program.readAllStandardOutput()).split(QLatin1Char('\n'));
}

// Each translation of the language's catalogue as committed, one per plural form, beside its English text:
// {"[context] English", translation}.
QList<std::pair<QString, QString>> translations(const QString& language) {
    QFile file(QStringLiteral(TAPMETER_CATALOGUES "/tapmeter_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<std::pair<QString, QString>> found;
    QString context, source;
    bool counted = false; // a text with a count: one translation per plural form
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"message")
            counted = xml.attributes().value(QLatin1String("numerus")) == u"yes";
        else if (xml.name() == u"source")
            source = QStringLiteral("[%1] %2").arg(context, xml.readElementText());
        else if ((xml.name() == u"translation" && !counted) || xml.name() == u"numerusform")
            found.append({source, xml.readElementText()});
    }
    return found;
}

// What a translation keeps of its English text, sorted: the placeholders ("%1", "%n", "%L2") and an "&" for each
// Alt letter marked ("&&" is a plain "&").
QStringList placeholdersAndAltLetters(const QString& text) {
    static const QRegularExpression mark(QStringLiteral("%(L?[0-9]{1,2}|n)|&&|&(?=\\S)"));
    QStringList found;
    for (const QRegularExpressionMatch& match : mark.globalMatch(text))
        found << match.captured();
    found.removeAll(QStringLiteral("&&"));
    found.sort();
    return found;
}

QStringList languages() {
    return QStringLiteral(TAPMETER_LANGUAGES).split(QLatin1Char(','));
}

// How wide a control's text is drawn, its Alt letter's "&" left out.
int textWidth(const QWidget* control, const QString& text) {
    return control->fontMetrics().size(Qt::TextShowMnemonic, text).width();
}

// The room a control's rectangle leaves its text: up to the first control beside it that overlaps it. A control
// wholly inside it, as the word length's number inside its caption, is no neighbour but shows in a gap of the text.
int roomUpToNeighbour(const QWidget* control) {
    int right = control->geometry().right();
    for (const QWidget* sibling : control->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect other = sibling->geometry();
        if (sibling == control || !sibling->isVisible() || control->geometry().contains(other))
            continue;
        if (other.intersects(control->geometry()) && other.left() > control->geometry().left())
            right = std::min(right, other.left() - 1);
    }
    return right - control->geometry().left() + 1;
}

// What of a control's text is cut off, as "Name \"text\" needs 80 px, has 59"; empty when it all shows.
QString cutText(QWidget* control) {
    const auto shortOf = [control](const QString& text, int needed, int room) {
        return needed <= room ? QString()
                              : QStringLiteral("%1 \"%2\" needs %3 px, has %4")
                                    .arg(control->objectName(), text, QString::number(needed), QString::number(room));
    };
    const int room = roomUpToNeighbour(control) - (control->width() - control->contentsRect().width());
    if (auto* label = qobject_cast<QLabel*>(control)) {
        const QString text = label->text();
        if (label->wordWrap()) {
            const QRect needed = label->fontMetrics().boundingRect(label->contentsRect(), Qt::TextWordWrap, text);
            return needed.height() > label->contentsRect().height()
                       ? shortOf(text, needed.height(), label->contentsRect().height()) + QStringLiteral(" (height)")
                       : shortOf(text, needed.width(), room);
        }
        for (const QWidget* inside : label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (inside == label || !label->geometry().contains(inside->geometry()))
                continue;
            // "Word length:      chars.": the words before the gap end before the number begins.
            if (text != text.trimmed() || !text.contains(QStringLiteral("   ")))
                return QStringLiteral("%1 \"%2\" has no gap for %3")
                    .arg(label->objectName(), text, inside->objectName());
            const QString before = text.section(QStringLiteral("   "), 0, 0);
            if (const QString cut = shortOf(before, textWidth(label, before), inside->x() - label->x()); !cut.isEmpty())
                return cut;
        }
        return shortOf(text, textWidth(label, text), room);
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const bool box = qobject_cast<QCheckBox*>(button);
        const QRect contents = button->style()->subElementRect(
            box ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option, button);
        return shortOf(button->text(), textWidth(button, button->text()),
                       box ? room - contents.left() : contents.width());
    }
    if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        const QRect title =
            frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
        return shortOf(frame->title(), title.right() + 1, frame->width());
    }
    if (auto* header = qobject_cast<QHeaderView*>(control); header && header->orientation() == Qt::Horizontal) {
        const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        const int mark = header->style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header) + margin;
        QStringList cut;
        for (int section = 0; section < header->count(); ++section) {
            const QString text = header->model()->headerData(section, Qt::Horizontal).toString();
            const bool sorted = header->isSortIndicatorShown() && header->sortIndicatorSection() == section;
            cut << shortOf(text, textWidth(header, text) + 2 * margin + (sorted ? mark : 0),
                           header->sectionSize(section));
        }
        cut << shortOf(QStringLiteral("all columns"), header->length(), header->width());
        cut.removeAll(QString());
        return cut.join(QStringLiteral("; "));
    }
    if (auto* list = qobject_cast<QComboBox*>(control); list && !list->isEditable()) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        const QRect field =
            list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
        QStringList cut;
        for (const QString& entry : entries(list))
            cut << shortOf(entry, textWidth(list, entry), field.width());
        cut.removeAll(QString());
        return cut.join(QStringLiteral("; "));
    }
    return QString();
}

// The texts of a window's controls and menu entries that do not show whole.
QStringList cutTexts(QWidget* window) {
    QStringList cut;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->isVisible())
            cut << cutText(control);
    }
    if (auto* menus = window->findChild<QMenuBar*>()) {
        for (QAction* entry : menus->actions()) {
            if (!menus->rect().contains(menus->actionGeometry(entry)))
                cut << QStringLiteral("menu entry \"%1\" is off the menu bar").arg(entry->text());
        }
    }
    cut.removeAll(QString());
    return cut;
}

// The Alt letters that more than one control of the window marks.
QStringList sharedAltLetters(QWidget* window) {
    QStringList texts;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<QLabel*>(control); label && label->buddy())
            texts << label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            texts << button->text();
        else if (auto* frame = qobject_cast<QGroupBox*>(control))
            texts << frame->title();
    }
    if (auto* menus = window->findChild<QMenuBar*>()) {
        for (QAction* entry : menus->actions())
            texts << entry->text();
    }
    static const QRegularExpression mark(QStringLiteral("&&|&(\\S)"));
    const auto lettersOf = [](const QString& text) {
        QSet<QString> letters;
        for (const QRegularExpressionMatch& letter : mark.globalMatch(text.toLower()))
            letters << letter.captured(1);
        letters.remove(QString()); // "&&", a plain "&"
        return letters;
    };
    QStringList shared;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        for (qsizetype j = i + 1; j < texts.size(); ++j) {
            if (lettersOf(texts[i]).intersects(lettersOf(texts[j])))
                shared << texts[i] + " and " + texts[j];
        }
    }
    return shared;
}

// What find finds in every window of the program, opened as the user opens them, each named by its window.
QStringList foundInEveryWindow(const std::function<QStringList(QWidget* window)>& find) {
    QStringList found;
    int checked = 0;
    const auto check = [&](QWidget* window) {
        ++checked;
        for (const QString& finding : find(window))
            found << window->objectName() + QStringLiteral(": ") + finding;
    };
    Form1Harness h;
    h.fakes.dialogs.promptAnswers << QStringLiteral("Ann");
    h.start(resultLines(QStringLiteral("cat - na na")));
    h.form->show();
    h.type(QStringLiteral("cat"));
    check(h.form.get());
    h.ui->mnuAbout->trigger();
    check(shownWindow("Form2"));
    h.ui->mnuProgress->trigger();
    check(shownWindow("ProgressWindow"));
    h.openWindow();
    check(h.window);
    // The name prompt of the record just typed, as the desktop shows it.
    QTimer::singleShot(0, [&check] {
        if (auto* prompt = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            check(prompt);
            prompt->reject();
        }
    });
    QtDialogs().prompt(h.form.get(), h.fakes.dialogs.texts(FakeDialogs::Kind::Prompt).value(0));
    if (checked != 5)
        found << QStringLiteral("%1 windows of 5 checked").arg(checked);
    return found;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        // Back to English for the next language.
        qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>());
    }

    void helpSpeaksTheDesktopLanguage_data() {
        // How the first line begins (Qt's own text) and how the program describes itself (its own text).
        const Table<QString, QString, QString> table("desktop", "usage", "description");
        table.row("LANGUAGE", "LANGUAGE=de LANG=C.UTF-8", "Aufruf:", "Ein Trainer für die");
        table.row("LANGUAGE over LANG", "LANGUAGE=pl LANG=de_DE.UTF-8", "Sposób użycia:", "Trener szybkości");
        table.row("first spoken language of LANGUAGE", "LANGUAGE=ja:ko:pl:de", "Sposób użycia:", "Trener szybkości");
        table.row("English before a spoken language", "LANGUAGE=en_GB:de", "Usage:", "A typing-speed trainer");
        table.row("LC_ALL over LC_MESSAGES", "LC_ALL=ru_RU.UTF-8 LC_MESSAGES=de_DE.UTF-8",
                  "Использование:", "Тренажёр");
        table.row("LC_MESSAGES over LANG", "LC_MESSAGES=fr_FR.UTF-8 LANG=de_DE.UTF-8",
                  "Utilisation :", "Un entraîneur");
        table.row("LANG with a region", "LANG=es_MX.UTF-8", "Uso:", "Un entrenador de velocidad");
        table.row("Portuguese of Portugal reads Brazilian", "LANG=pt_PT.UTF-8", "Uso:", "Um treinador de velocidade");
        table.row("no language spoken", "LANGUAGE=ja LANG=ja_JP.UTF-8", "Usage:", "A typing-speed trainer");
        table.row("C locale", "LC_ALL=C", "Usage:", "A typing-speed trainer");
    }

    void helpSpeaksTheDesktopLanguage() {
        QFETCH(QString, desktop);
        QFETCH(QString, usage);
        QFETCH(QString, description);

        const QStringList help = helpLines(desktop);

        QVERIFY2(help.size() > 2 && help[0].startsWith(usage) && help[1].startsWith(description),
                 qPrintable(help.join(QLatin1Char('\n'))));
    }

    // A translation shows the same values as the English text and marks an Alt letter where it does.
    void translationsKeepPlaceholdersAndAltLetters_data() {
        const Table<QString> table("language");
        for (const QString& language : languages())
            QTest::newRow(qPrintable(language)) << language;
    }

    void translationsKeepPlaceholdersAndAltLetters() {
        QFETCH(QString, language);

        const QList<std::pair<QString, QString>> translated = translations(language);

        QVERIFY(!translated.isEmpty());
        QStringList wrong;
        for (const auto& [english, translation] : translated) {
            if (placeholdersAndAltLetters(translation) != placeholdersAndAltLetters(english))
                wrong << QStringLiteral("  %1 as \"%2\"").arg(english, translation);
        }
        QVERIFY2(wrong.isEmpty(), qPrintable("Placeholders or Alt letters (&) differ in translations/tapmeter_" +
                                             language + ".ts:\n" + wrong.join(QLatin1Char('\n'))));
    }

    // In every language every label, button, tick box, list entry and menu entry of every window shows its whole text.
    void everyTextShowsWhole_data() {
        const Table<QString> table("language");
        table.row("en", QString());
        for (const QString& language : languages())
            QTest::newRow(qPrintable(language)) << language;
    }

    void everyTextShowsWhole() {
        QFETCH(QString, language);
        QVERIFY(language.isEmpty() || installTranslations(language));
        const QStringList cut = foundInEveryWindow(cutTexts);
        QVERIFY2(cut.isEmpty(), qPrintable(QStringLiteral("Cut off (shorten the translation or make room for it):\n") +
                                           cut.join(QLatin1Char('\n'))));
    }

    void noTwoControlsShareAnAltLetter_data() { everyTextShowsWhole_data(); }
    void noTwoControlsShareAnAltLetter() {
        QFETCH(QString, language);
        QVERIFY(language.isEmpty() || installTranslations(language));
        const QStringList shared = foundInEveryWindow(sharedAltLetters);
        QVERIFY2(shared.isEmpty(), qPrintable(shared.join(QLatin1Char('\n'))));
    }

    // The About window shows the copy of its texts in the language of the windows (whatsnew_de.txt beside
    // whatsnew.txt), saved in UTF-8 by a text editor, and the English one where there is none.
    void aboutTextsFollowTheLanguage_data() {
        const Table<QString, QString> table("language", "shown");
        table.row("German", "de", "whatsnew_de.txt: Größe");
        table.row("Brazilian Portuguese", "pt_BR", "whatsnew_pt_BR.txt: Größe");
        table.row("Polish, without its copy", "pl", "English");
        table.row("English, with copies of others", "", "English");
    }

    void aboutTextsFollowTheLanguage() {
        QFETCH(QString, language);
        installTranslations(language);
        Form1Harness h;
        h.fakes.files.put("whatsnew.txt", "English");
        for (const QString copy : {"whatsnew_de.txt", "whatsnew_pt_BR.txt"})
            h.fakes.files.put(copy, (copy + ": Größe").toUtf8());
        h.start();

        h.ui->mnuAbout->trigger();

        QWidget* about = shownWindow("Form2");
        QVERIFY(about);
        QTEST(about->findChild<QPlainTextEdit*>("Text1")->toPlainText(), "shown");
    }

    // On this laptop screen, in every language, Progress opens beside the main window and neither runs off the screen.
    void bothWindowsShowWhole_data() { everyTextShowsWhole_data(); }
    void bothWindowsShowWhole() {
        QFETCH(QString, language);
        QVERIFY(language.isEmpty() || installTranslations(language));
        Form1Harness h;
        h.start(resultLines(QStringLiteral("cat - na na")));
        h.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(h.form.get()));
        h.ui->mnuProgress->trigger();
        QWidget* progress = shownWindow("ProgressWindow");
        QVERIFY(QTest::qWaitForWindowExposed(progress));

        const QRect screen = h.form->screen()->availableGeometry();
        QCOMPARE(screen.size(), QSize(1280, 800));
        QVERIFY(screen.contains(h.form->frameGeometry()) && screen.contains(progress->frameGeometry()));
        QVERIFY(!progress->frameGeometry().intersects(h.form->frameGeometry()));
    }
};

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
