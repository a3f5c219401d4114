// The main window's word list: loading and saving results.dat, choosing,
// adding and removing words.
#include "trainer/form1.h"

#include "database/resultsformat.h"
#include "database/wordrules.h"
#include "platform/windowstyle.h"
#include "progress/progresswindow.h"
#include "trainer/lettercase.h"
#include "ui_form1.h"

#include <QAccessible>
#include <QDir>

namespace {

const QString ResultsCopyName = ResultsFormat::copyPathOf(ResultsFormat::FileName);

QString unreadableMessage() {
    return Form1::tr("results.dat cannot be read: it may not be yours to read, not be a file, or the disk "
                     "failed.") +
           QStringLiteral("\r\n") + Form1::tr("Tapmeter will not save over it until \"Load\" can read it.");
}

QString unusedLinesMessage(int recordsDropped) {
    const QString what = recordsDropped > 0
                             ? Form1::tr("results.dat holds %1 words, but the list keeps only the first %2.")
                                       .arg(RecordTable::Slots + recordsDropped)
                                       .arg(RecordTable::Slots) +
                                   QStringLiteral("\r\n") +
                                   Form1::tr("The other %n words will be dropped the next time the list is saved.",
                                             nullptr, recordsDropped)
                             : Form1::tr("results.dat holds lines Tapmeter cannot use; they will not be saved again.");
    return what + QStringLiteral("\r\n") +
           Form1::tr("A copy of the file as it is now will be kept as %1.").arg(ResultsCopyName);
}

// The lines of a file of words were skipped for one reason: how many, and the
// first few of them to show.
struct SkippedGroup {
    static constexpr int Shown = 5;
    static constexpr int ShownLetters = 30;
    int count = 0;
    QStringList shown;

    void add(int lineNumber, const QString& line) {
        if (++count > Shown)
            return;
        const QString text = line.size() > ShownLetters ? line.left(ShownLetters) + QChar(0x2026) : line;
        shown << (line.isEmpty() ? Form1::tr("line %1").arg(lineNumber)
                                 : Form1::tr("line %1 \"%2\"").arg(QString::number(lineNumber), text));
    }
    // "line 2, line 7 "cat", and 3 more"
    QString listed() const {
        QString list = shown.join(QStringLiteral(", "));
        if (count > shown.size())
            list += QStringLiteral(", ") + Form1::tr("and %n more", nullptr, count - int(shown.size()));
        return list;
    }
};

struct SkippedLines {
    SkippedGroup empty, duplicate, lineBreak, listFull;
    SkippedGroup& of(WordProblem problem) {
        return problem == WordProblem::Empty ? empty : problem == WordProblem::Duplicate ? duplicate : lineBreak;
    }
};

QString importMessage(int added, const SkippedLines& skipped) {
    QStringList parts{Form1::tr("Words added: %n.", nullptr, added)};
    const auto tell = [&parts](const SkippedGroup& group, const QString& text) {
        if (group.count > 0)
            parts << text.arg(group.listed());
    };
    tell(skipped.empty, Form1::tr("Empty lines skipped (%n): %1.", nullptr, skipped.empty.count));
    tell(skipped.duplicate,
         Form1::tr("Lines skipped as already in the list (%n): %1.", nullptr, skipped.duplicate.count));
    tell(skipped.lineBreak,
         Form1::tr("Lines skipped as holding a line break (%n): %1.", nullptr, skipped.lineBreak.count));
    tell(skipped.listFull, Form1::tr("Lines skipped as the list was full (%n): %1.", nullptr, skipped.listFull.count));
    return parts.join(QStringLiteral("\r\n"));
}

} // namespace

void Form1::LoadResults() {
    TextFiles& files = m_services.files;
    const QString& name = ResultsFormat::FileName;
    // An empty file gives no words; one that is there but cannot be read is
    // not saved over until it can be, so that what it holds is not lost.
    const bool empty = files.isFile(name) && files.size(name) == 0;
    const std::optional<ResultsFormat::ReadOutcome> read =
        files.exists(name) && !empty ? ResultsFormat::readFile(files, name, m_wordTable) : std::nullopt;
    m_resultsUnreadable = files.exists(name) && !empty && !read;
    if (m_resultsUnreadable)
        tellUser(unreadableMessage());
    if (read) {
        const ResultsFormat::ReadOutcome& outcome = *read;
        m_resultsEncoding = outcome.encoding;
        {
            const QSignalBlocker blocker(ui->Combo1);
            ui->Combo1->clear();
            ui->Combo1->addItems(outcome.words);
        }
        if (ui->Combo1->count() > 0)
            selectWord(0);
        // The next save would lose what the list cannot hold, so the file is
        // kept as it is before that save replaces it.
        m_keepCopyBeforeSave = !outcome.readWhole;
        if (!outcome.readWhole)
            tellUser(unusedLinesMessage(outcome.recordsDropped));
    }
    noteResultsOnDisk();
    // What other computers and sync engines left beside it.
    if (!m_resultsUnreadable) {
        foldComputerFiles();
        if (const QString folded = foldConflictCopies(); !folded.isEmpty())
            tellUser(folded);
    }
    showWordCount();
    showWordListInProgress();
}

bool Form1::SaveAll() {
    // Each value is tried, whatever becomes of the other.
    const bool soundsStored = m_preferences.setSounds(checkValue(ui->Check1));
    const bool caseStored = m_preferences.setCaseSensitive(checkValue(ui->Check2));
    m_saveFailure =
        soundsStored && caseStored ? QString() : Preferences::writeFailureMessage() + QStringLiteral("\r\n");

    QString error;
    if (!saveResults(&error))
        m_saveFailure += error;
    return m_saveFailure.isEmpty();
}

bool Form1::saveResults(QString* error) {
    const auto failed = [](const QString& reason) { return tr("Could not save results.dat: %1").arg(reason); };
    if (m_resultsUnreadable) {
        *error = failed(tr("it could not be read, and saving would replace what it holds. Make it readable and "
                           "press \"Load\" first."));
        return false;
    }
    foldChangesOnDisk();
    TextFiles& files = m_services.files;
    if (m_keepCopyBeforeSave && files.isFile(ResultsFormat::FileName)) {
        QString copyError;
        if (!files.copyFile(ResultsFormat::FileName, ResultsCopyName, &copyError)) {
            *error = failed(tr("no copy of it could be kept as %1 (%2)").arg(ResultsCopyName, copyError));
            return false;
        }
        m_keepCopyBeforeSave = false;
    }
    const QStringList lines = ResultsFormat::recordLines(m_wordTable, wordCount());
    const AnsiText::Encoding encoding = AnsiText::encodingToWrite(m_resultsEncoding, lines);
    QString writeError;
    if (!files.writeLines(ResultsFormat::FileName, lines, encoding, &writeError)) {
        *error = failed(writeError);
        return false;
    }
    noteResultsOnDisk();
    const QString own = ResultsFormat::ownFileName();
    if (!files.writeLines(own, lines, encoding, &writeError)) {
        *error = tr("Could not save %1: %2").arg(own, writeError);
        return false;
    }
    return true;
}

void Form1::Command2_Click() {
    LoadResults();
}

void Form1::Command4_Click() {
    if (SaveAll())
        m_services.dialogs.message(this, tr("Saved!"));
    else
        m_services.dialogs.message(this, m_saveFailure.trimmed());
}

void Form1::Combo1_Click() {
    const int k = ui->Combo1->currentIndex();
    if (!RecordTable::isSlot(k))
        return;
    setTextFromStart(ui->Text2, m_wordTable.FastestTime[k]);
    setTextFromStart(ui->Text3, m_wordTable.RecordDate[k]);
    setTextFromStart(ui->Text4, m_wordTable.RecordName[k]);
    showWordLength();
    showWordToType();
}

int Form1::Combo1_KeyPress(int /*keyAscii*/) {
    // The list's edit field takes no typing; the arrow keys still choose.
    return 0;
}

void Form1::Command3_Click() {
    if (wordCount() >= RecordTable::Slots) {
        m_services.dialogs.message(this,
                                   tr("The word list is full: it holds %n words. Remove a word before adding another.",
                                      nullptr, RecordTable::Slots));
        return;
    }

    const QStringList listed = listedWords();
    QString word;
    for (;;) {
        word = m_services.dialogs.prompt(this, tr("Enter new word:"));
        const WordProblem problem = checkNewWord(word, listed);
        if (problem == WordProblem::None)
            break;
        if (problem == WordProblem::Empty)
            return;
        // A word already listed simply brings the prompt back.
        if (problem != WordProblem::Duplicate)
            m_services.dialogs.message(this, wordProblemMessage(problem));
    }

    appendWord(word);
    selectWord(wordCount() - 1);
    showWordCount();
    showWordLength();
    showWordListInProgress();
}

void Form1::appendWord(const QString& word) {
    addNewWord(m_wordTable, wordCount(), word);
    const QSignalBlocker blocker(ui->Combo1);
    ui->Combo1->addItem(word);
}

void Form1::mnuAddWords_Click() {
    const QString path = m_services.dialogs.openFile(this, tr("Text files (*.txt);;All files (*)"), QString());
    if (path.isEmpty())
        return;
    const std::optional<QByteArray> bytes = m_services.files.readBytes(path);
    if (!bytes) {
        m_services.dialogs.message(this, tr("%1 cannot be read: it may not be yours to read, not be a file, or the "
                                            "disk failed. No word was added.")
                                             .arg(QDir::toNativeSeparators(path)));
        return;
    }

    QStringList listed = listedWords();
    const qsizetype countBefore = listed.size();
    SkippedLines skipped;
    int lineNumber = 0;
    AnsiText::forEachLine(*bytes, AnsiText::detect(*bytes), [&](const QString& line) {
        ++lineNumber;
        const WordProblem problem = checkNewWord(line, listed);
        if (problem == WordProblem::None && listed.size() >= RecordTable::Slots)
            skipped.listFull.add(lineNumber, line);
        else if (problem == WordProblem::None)
            listed << line;
        else
            skipped.of(problem).add(lineNumber, line);
    });

    for (qsizetype i = countBefore; i < listed.size(); ++i)
        appendWord(listed.at(i));
    if (listed.size() > countBefore)
        selectWord(wordCount() - 1);
    showWordCount();
    showWordLength();
    showWordListInProgress();
    m_services.dialogs.message(this, importMessage(int(listed.size() - countBefore), skipped));
}

void Form1::Command5_Click() {
    const int k = ui->Combo1->currentIndex();
    if (k != -1) {
        RemoveTableSlot(k);
        {
            const QSignalBlocker blocker(ui->Combo1);
            ui->Combo1->removeItem(k);
        }
        if (ui->Combo1->count() > 0)
            selectWord(ui->Combo1->count() - 1);
    }
    showWordCount();
    showWordLength();
    showWordListInProgress();
}

void Form1::RemoveTableSlot(int k) {
    removeSlot(m_wordTable, wordCount(), k);
}

int Form1::wordCount() const {
    return ui->Combo1->count();
}

void Form1::showWordCount() {
    ui->Label10->setText(wordCountCaption(wordCount()));
    showWordToType();
}

// The empty typing box names the word to type in grey, where the typist's
// eyes are, and a screen reader hears it change: the hint is the box's
// accessible description.
void Form1::showWordToType() {
    const QString word = ui->Combo1->currentText();
    const QString hint = wordCount() == 0 ? tr("Add a word first, with Add word")
                         : word.isEmpty() ? tr("Type the word chosen on the right")
                                          : tr("Type: %1").arg(word);
    if (m_progress)
        m_progress->followWord(word);
    if (hint == ui->Text1->placeholderText())
        return;
    ui->Text1->setPlaceholderText(hint);
    QAccessibleEvent changed(ui->Text1, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void Form1::showWordLength() {
    // A letter with its accents counts once.
    ui->Label13->setText(QString::number(letterCount(ui->Combo1->currentText())));
}

void Form1::selectWord(int index) {
    {
        const QSignalBlocker blocker(ui->Combo1);
        ui->Combo1->setCurrentIndex(index);
    }
    Combo1_Click();
}

QStringList Form1::listedWords() const {
    QStringList listed;
    for (int i = 0; i < ui->Combo1->count(); ++i)
        listed << ui->Combo1->itemText(i);
    return listed;
}
