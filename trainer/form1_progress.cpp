// The history of finished words and the Progress window that shows it.
#include "trainer/form1.h"
#include "ui_form1.h"

#include "progress/history.h"
#include "progress/progresswindow.h"
#include "database/recordtime.h"
#include "platform/windowstyle.h"

void Form1::mnuProgress_Click() {
    if (!m_progress) {
        m_progress = new ProgressWindow(m_services, [this](const QString& word) -> std::optional<double> {
            for (int i = 0; i < ui->Combo1->count() && RecordTable::isSlot(i); ++i) {
                if (ui->Combo1->itemText(i) == word && m_wordTable.FastestTime[i] != NoRecordTime)
                    return leadingNumber(m_wordTable.FastestTime[i]);
            }
            return std::nullopt;
        });
        placeBeside(m_progress, this);
        connect(m_progress, &ProgressWindow::practiseChosen, this, &Form1::practiseWord);
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
                this, QStringLiteral("Could not add the finished word to %1: %2\r\n\r\nTyping goes on, but finished "
                                     "words are not kept for the Progress window until the file can be written. "
                                     "This is the only time Tapmeter tells you while it runs.")
                          .arg(History::ownFileName(), error));
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
            this, QStringLiteral("\"%1\" is no longer in the word list. Add it again with Add word to practise it.")
                      .arg(word));
        return;
    }
    selectWord(index);
    activateWindow();
    raise();
    ui->Text1->setFocus();
}

// With the Progress window's tick box ticked, the word that needs practice
// most of those in the list comes next.
void Form1::goOnToNeediestWord() {
    if (!m_progress || !m_progress->goesOnToNeediestWord())
        return;
    for (const QString& word : m_progress->wordsByNeed()) {
        const int index = listIndexOf(word);
        if (index >= 0) {
            selectWord(index);
            return;
        }
    }
}
