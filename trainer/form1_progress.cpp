// The history of finished words and the Progress window that shows it.
#include "trainer/form1.h"

#include "database/recordtime.h"
#include "platform/windowstyle.h"
#include "progress/history.h"
#include "progress/progresswindow.h"
#include "ui_form1.h"

void Form1::mnuProgress_Click() {
    if (!m_progress) {
        m_progress = new ProgressWindow(m_services);
        placeBeside(m_progress, this);
        connect(m_progress, &ProgressWindow::practiseChosen, this, &Form1::practiseWord);
        connect(m_progress, &ProgressWindow::nextWordChosen, this, &Form1::goOnToWord);
        connect(m_progress, &ProgressWindow::recordNameChanged, this,
                [this](const QString& name) { m_recordName = name; });
        showWordListInProgress();
    }
    m_progress->showWord(ui->Combo1->currentText());
    m_progress->show();
    m_progress->raise();
    m_progress->activateWindow();
}

// Adds a finished word to this computer's history. Typing goes on whatever becomes of it.
void Form1::keepAttempt(const Attempt& attempt) {
    QString error;
    if (!m_services.appendFiles.append(History::ownFileName(), History::headerLine(), History::line(attempt), &error)) {
        if (!m_historyFailureTold) {
            m_historyFailureTold = true;
            m_services.dialogs.message(
                this, tr("Could not add the finished word to %1: %2").arg(History::ownFileName(), error) +
                          QStringLiteral("\r\n\r\n") +
                          tr("Typing goes on, but finished words are not kept for the Progress window until the "
                             "file can be written. This is the only time Tapmeter tells you while it runs."));
        }
        return;
    }
    if (m_progress)
        m_progress->addAttempt(attempt);
}

int Form1::listIndexOf(const QString& word) const {
    return ui->Combo1->findText(word, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

void Form1::practiseWord(const QString& word) {
    // Progress stays usable while Update Results keeps the main window
    // unavailable; the word list is not to change under a merge.
    if (sendToUpdateResults())
        return;
    const int index = listIndexOf(word);
    if (index < 0) {
        m_services.dialogs.message(
            this, tr("\"%1\" is no longer in the word list. Add it again with Add word to practise it.").arg(word));
        return;
    }
    selectWord(index);
    activateWindow();
    raise();
    ui->Text1->setFocus();
}

// The word Progress chose to come next, while the typist goes on typing.
void Form1::goOnToWord(const QString& word) {
    const int index = listIndexOf(word);
    if (index >= 0)
        selectWord(index);
}

// Progress learns of every change to the word list and its records.
void Form1::showWordListInProgress() {
    if (!m_progress)
        return;
    QList<ProgressWindow::ListedWord> words;
    for (int i = 0; i < ui->Combo1->count() && RecordTable::isSlot(i); ++i) {
        const QString& time = m_wordTable.FastestTime[i];
        words.append({ui->Combo1->itemText(i),
                      time == NoRecordTime ? std::nullopt : std::optional<double>(leadingNumber(time))});
    }
    m_progress->setWordList(words);
}
