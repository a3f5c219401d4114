// The main window's word list in a folder that a sync engine keeps in step
// between computers: each computer's own records file, the conflict copies
// an engine leaves, and a results.dat changed on disk since it was read.
#include "trainer/form1.h"

#include "database/resultsformat.h"
#include "merge/sourcemerge.h"
#include "platform/syncedfiles.h"
#include "progress/history.h"
#include "ui_form1.h"

#include <QHash>

#include <algorithm>

namespace {

bool isRecordsFile(const QString& fileName) {
    return fileName == ResultsFormat::FileName || ResultsFormat::isComputerFile(fileName);
}

bool isHistoryFile(const QString& fileName) {
    return !History::files({fileName}).isEmpty() || !History::foldedFiles({fileName}).isEmpty();
}

// How often the histories hold each attempt, as the line it makes: two alike
// lines of one history are two attempts (a short word finished twice in a
// second), the same line in two histories is one, folded in by both.
using LineCounts = QHash<QByteArray, int>;

LineCounts keptLines(const AppendFiles& files) {
    LineCounts kept;
    const QStringList names = files.fileNames();
    for (const QString& name : History::files(names) + History::foldedFiles(names)) {
        QByteArray bytes;
        if (!files.read(name, &bytes, nullptr))
            continue;
        LineCounts counts;
        History::forEach(bytes, [&counts](Attempt&& attempt) { ++counts[History::line(attempt)]; });
        for (auto line = counts.cbegin(); line != counts.cend(); ++line)
            kept[line.key()] = std::max(kept.value(line.key()), line.value());
    }
    return kept;
}

// Keeps a folded copy under a name that is not folded again, the first one
// free.
bool keepFolded(const std::function<bool(const QString&, const QString&)>& rename, const QStringList& names,
                const QString& copy) {
    QString kept = SyncedFiles::foldedName(copy);
    for (int n = 2; names.contains(kept); ++n)
        kept = SyncedFiles::foldedName(copy) + QLatin1Char('-') + QString::number(n);
    return rename(copy, kept);
}

} // namespace

std::optional<MergeOutcome> Form1::foldRecordsOf(const QString& path, bool* whole) {
    SourceTable other;
    const std::optional<ResultsFormat::ReadOutcome> read = ResultsFormat::readFile(m_services.files, path, other);
    if (whole)
        *whole = read && read->readWhole;
    if (!read)
        return std::nullopt;
    QStringList words = listedWords();
    const int listed = int(words.size());
    const MergeOutcome outcome = mergeSources(read->words, other, words, m_wordTable);
    {
        const QSignalBlocker blocker(ui->Combo1);
        for (int i = listed; i < words.size(); ++i)
            ui->Combo1->addItem(words[i]);
    }
    if (listed == 0 && wordCount() > 0)
        selectWord(0);
    else if (outcome.updated > 0)
        Combo1_Click();
    showWordCount();
    return outcome;
}

void Form1::foldComputerFiles() {
    for (const QString& name : m_services.files.fileNames()) {
        if (ResultsFormat::isComputerFile(name))
            foldRecordsOf(name, nullptr);
    }
}

QString Form1::foldConflictCopies() {
    TextFiles& files = m_services.files;
    AppendFiles& history = m_services.appendFiles;
    MergeOutcome records;
    int attempts = 0;
    QStringList recordCopies, historyCopies, leftAsTheyAre;

    const QStringList names = files.fileNames();
    for (const QString& name : names) {
        const std::optional<QString> original = SyncedFiles::conflictOriginal(name);
        if (!original || !isRecordsFile(*original))
            continue;
        bool whole = false;
        if (const std::optional<MergeOutcome> outcome = foldRecordsOf(name, &whole)) {
            records.updated += outcome->updated;
            records.added += outcome->added;
            for (const QString& word : outcome->notAdded)
                if (!records.notAdded.contains(word))
                    records.notAdded << word;
        }
        // What was taken of a copy that could not be read whole is taken
        // again next time, harmlessly; the copy stays for the typist.
        (whole ? recordCopies : leftAsTheyAre) << name;
    }

    const QStringList historyNames = history.fileNames();
    std::optional<LineCounts> kept;
    for (const QString& name : historyNames) {
        const std::optional<QString> original = SyncedFiles::conflictOriginal(name);
        if (!original || !isHistoryFile(*original))
            continue;
        QByteArray bytes;
        if (!history.read(name, &bytes, nullptr)) {
            leftAsTheyAre << name;
            continue;
        }
        if (!kept)
            kept = keptLines(history);
        QByteArray missing;
        int count = 0;
        History::forEach(bytes, [&](Attempt&& attempt) {
            auto found = kept->find(History::line(attempt));
            if (found != kept->end() && found.value() > 0) {
                --found.value();
                return;
            }
            // Written as this computer writes its own lines, in its local time.
            attempt.when = attempt.when.toLocalTime();
            missing += History::line(attempt);
            ++count;
        });
        // Into this computer's folded history: no other computer writes there, and another computer folding the
        // same copy meanwhile does not make its attempts count twice.
        if (!missing.isEmpty() &&
            !history.append(History::ownFoldedFileName(), History::headerLine(), missing, nullptr)) {
            leftAsTheyAre << name;
            continue;
        }
        attempts += count;
        historyCopies << name;
    }

    // The copies are put aside only once what they gave is safely written.
    QString saveError;
    if (!recordCopies.isEmpty() && !saveResults(&saveError)) {
        leftAsTheyAre << recordCopies;
        recordCopies.clear();
    }
    for (const QString& name : recordCopies)
        keepFolded([&files](const QString& from, const QString& to) { return files.rename(from, to, nullptr); }, names,
                   name);
    for (const QString& name : historyCopies)
        keepFolded([&history](const QString& from, const QString& to) { return history.rename(from, to, nullptr); },
                   historyNames, name);

    const QStringList folded = recordCopies + historyCopies;
    if (folded.isEmpty() && leftAsTheyAre.isEmpty())
        return QString();
    const QString lineBreak = QStringLiteral("\r\n");
    QStringList text;
    if (!folded.isEmpty()) {
        text << tr("A sync program left copies of your files beside them. Tapmeter took them in:") << folded
             << tr("Records updated: %1, words added: %2, finished words added: %3.")
                    .arg(records.updated)
                    .arg(records.added)
                    .arg(attempts);
        if (!records.notAdded.isEmpty())
            text << tr("Not added (no room): %1").arg(records.notAdded.join(QStringLiteral(", ")));
        text << tr("Each copy is kept as it was, with \".folded\" added to its name.");
    }
    if (!leftAsTheyAre.isEmpty()) {
        if (!text.isEmpty())
            text << QString();
        text << tr("These copies could not be read or taken in whole and are left as they are:") << leftAsTheyAre;
        if (!saveError.isEmpty())
            text << saveError;
    }
    return text.join(lineBreak);
}

void Form1::foldChangesOnDisk() {
    TextFiles& files = m_services.files;
    const QString& name = ResultsFormat::FileName;
    const std::optional<QByteArray> onDisk = files.isFile(name) ? files.readBytes(name) : std::nullopt;
    if (onDisk && onDisk != m_resultsOnDisk) {
        if (const std::optional<MergeOutcome> outcome = foldRecordsOf(name, nullptr); outcome && !m_sessionEnded)
            m_services.dialogs.message(
                this, tr("results.dat was changed on disk since Tapmeter read it, by another computer or program. "
                         "Its records were taken into the list before saving, the faster of each word kept.") +
                          QStringLiteral("\r\n") +
                          tr("Records updated: %1, words added: %2.").arg(outcome->updated).arg(outcome->added));
    }
    foldComputerFiles();
}

void Form1::noteResultsOnDisk() {
    TextFiles& files = m_services.files;
    const QString& name = ResultsFormat::FileName;
    m_resultsOnDisk = files.isFile(name) ? files.readBytes(name) : std::nullopt;
}
