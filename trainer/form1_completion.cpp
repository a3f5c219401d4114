// Word completion: a finished word becomes the last score and, when it is
// fast enough, the word's record.
#include "trainer/form1.h"

#include "database/recordtime.h"
#include "database/wordrules.h"
#include "platform/ansitext.h"
#include "platform/windowstyle.h"
#include "progress/history.h"
#include "trainer/lettercase.h"
#include "trainer/numbertext.h"
#include "ui_form1.h"

#include <algorithm>
#include <limits>

void Form1::CheckWordFinished() {
    const QString typed = ui->Text1->text();
    const QString target = ui->Combo1->currentText();
    // An empty word is never finished: emptying the box is no attempt at it.
    if (target.isEmpty() || !sameLetters(typed, target, caseSensitive()))
        return;

    // The attempt as the typist made it, before emptying the box counts one
    // more change.
    Attempt attempt;
    attempt.when = m_services.clock.nowDateTime();
    attempt.word = target;
    attempt.letters = int(numberFromText(ui->Label4->text()));
    attempt.fixes = int(numberFromText(ui->Label18->text()));
    // A run left open for weeks keeps the longest time the column holds.
    attempt.milliseconds = qint32(
        std::min<qint64>(m_services.clock.steadyMilliseconds() - m_runStarted, std::numeric_limits<qint32>::max()));
    attempt.mistakesKept = true;
    attempt.mistakes = m_mistakes;

    // Runs the change handling once more, on the empty box.
    ui->Text1->setText(QString());

    // With no word selected there is no slot to hold a record.
    const int slot = ui->Combo1->currentIndex();
    attempt.seconds = ui->Label3->text();
    if (RecordTable::isSlot(slot)) {
        const QString stored = ui->Text2->text();
        const bool newRecord = stored == NoRecordTime || leadingNumber(stored) > leadingNumber(ui->Label3->text());
        attempt.record = newRecord;
        if (newRecord) {
            setTextFromStart(ui->Text2, ui->Label3->text());
            setTextFromStart(ui->Text3, AnsiText::toStorableLine(m_services.clock.nowText()));
            if (soundsOn())
                m_services.sound.play(QStringLiteral("newrecord.wav"), true);
            // A name given in Progress keeps the drill going without the box.
            const QString given = m_recordName.trimmed();
            const QString name =
                !given.isEmpty()
                    ? given
                    : m_services.dialogs.prompt(
                          this,
                          tr("YOU BROKE THE RECORD!!!! %1 seconds! Please enter your name:").arg(ui->Label3->text()));
            setTextFromStart(ui->Text4, storableName(name));
            m_wordTable.FastestTime[slot] = ui->Text2->text();
            m_wordTable.RecordDate[slot] = ui->Text3->text();
            m_wordTable.RecordName[slot] = ui->Text4->text();
            showWordListInProgress();
            // The session ended while the box was open, and what was saved
            // then lacks the record.
            if (m_sessionEnded)
                SaveAll();
        }
    }

    ui->Label9->setText(ui->Label3->text());
    Command1_Click();
    keepAttempt(attempt);
}
