// The typing engine: what every change of the typing box and every key
// pressed in it does.
#include "trainer/form1.h"

#include "trainer/lettercase.h"
#include "trainer/numbertext.h"
#include "ui_form1.h"

#include <QTimer>

namespace {
const QColor Green(0, 255, 0);
const QColor Red(255, 0, 0);
} // namespace

void Form1::Text1_Change() {
    // Enabling a running clock would restart its tick schedule.
    if (!Timer1->isActive()) {
        Timer1->start();
        // This change starts an attempt.
        m_runStarted = m_services.clock.steadyMilliseconds();
        m_mistakes.clear();
    }
    playCue(QStringLiteral("type.wav"));

    ui->Label3->setText(numberText(roundHalfEven(numberFromText(ui->Label3->text()) + SinceLastLetter, 1)));
    ui->Label4->setText(numberText(numberFromText(ui->Label4->text()) + 1));
    const double perLetter = numberFromText(ui->Label3->text()) / numberFromText(ui->Label4->text());
    ui->Label2->setText(numberText(roundHalfEven(perLetter, 3)));
    ui->Label2->setText(ui->Label2->text().left(6));
    SinceLastLetter = 0.0;
    ui->Label14->setText(numberText(CountWords(ui->Text1->text())));

    CheckWordFinished();
    if (runAutomaticActionAfterChange())
        return;

    const QString typed = ui->Text1->text();
    const bool correct = beginsWord(ui->Combo1->currentText(), typed, caseSensitive());
    noteMistake(typed, correct);
    showMatch(correct);
    if (!correct)
        playCue(QStringLiteral("mistake.wav"));
}

void Form1::showMatch(bool correct) {
    ui->Shape1->setFillColor(correct ? Green : Red);
    // What the colour says, for screen readers.
    ui->Shape1->setAccessibleDescription(correct ? tr("correct so far") : tr("wrong letter"));
}

// Notes the letter that went wrong as the text turns from a correct
// beginning to a wrong one; later changes while it stays wrong add nothing.
void Form1::noteMistake(const QString& typed, bool correct) {
    if (!correct && !m_typedWrong) {
        if (const std::optional<Mistake> mistake = firstWrongLetter(ui->Combo1->currentText(), typed, caseSensitive()))
            m_mistakes << *mistake;
    }
    m_typedWrong = !correct;
}

void Form1::Text1_KeyPress(int keyAscii) {
    // A fix is counted when typing goes on after one or more Backspaces.
    if (keyAscii == 8) {
        BackspacePending = true;
    } else if (BackspacePending) {
        ui->Label18->setText(numberText(numberFromText(ui->Label18->text()) + 1));
        BackspacePending = false;
    }
}
