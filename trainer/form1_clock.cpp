// The run clock, the automatic stop and reset, and the reset of a run.
#include "trainer/form1.h"

#include "trainer/numbertext.h"
#include "ui_form1.h"

#include <QTimer>

namespace {
QString stoppedMessage() {
    return Form1::tr("- STOPPED -");
}

enum Action { NoAction = 0, StopAction = 1 };
enum Criterion { WordsWritten = 0, TimePassed = 1, LettersWritten = 2 };
} // namespace

void Form1::Timer1_Timer() {
    SinceLastLetter += 0.1;
    ui->Label1->setText(numberText(roundHalfEven(SinceLastLetter, 1)));
    ui->Label17->setText(numberText(roundHalfEven(numberFromText(ui->Label17->text()) + 0.1, 1)));

    // Limits are compared as texts: "1.50" never equals "1.5".
    if (ui->Combo2->currentIndex() == NoAction || ui->Combo3->currentIndex() != TimePassed ||
        ui->Label17->text() != ui->Text5->text())
        return;
    if (ui->Combo2->currentIndex() == StopAction) {
        // The clock stands still while the message is open.
        Timer1->stop();
        m_services.dialogs.message(this, stoppedMessage());
        Timer1->start();
    } else {
        Command1_Click();
    }
}

// Returns true when it reset the run: the change handling then ends at once.
bool Form1::runAutomaticActionAfterChange() {
    const int action = ui->Combo2->currentIndex();
    if (action == NoAction)
        return false;
    QString counter;
    switch (ui->Combo3->currentIndex()) {
    case WordsWritten:
        counter = ui->Label14->text();
        break;
    case LettersWritten:
        counter = ui->Label4->text();
        break;
    default:
        // Time is compared by the clock alone.
        return false;
    }
    if (counter != ui->Text5->text())
        return false;
    if (action == StopAction) {
        // The clock keeps counting while this message is open.
        m_services.dialogs.message(this, stoppedMessage());
        return false;
    }
    Command1_Click();
    return true;
}

void Form1::Command1_Click() {
    // Emptying a box that holds text runs the change handling once more; it
    // sets the word count and the indicator, the steps below the rest.
    ui->Text1->setText(QString());
    playCue(QStringLiteral("reset.wav"));
    Timer1->stop();
    for (QLabel* counter : {ui->Label1, ui->Label2, ui->Label3, ui->Label17, ui->Label18})
        counter->setText(QStringLiteral("0"));
    SinceLastLetter = 0.0;
    ui->Text1->setFocus();
    ui->Label4->setText(QStringLiteral("0"));
}

void Form1::Command6_Click() {
    Command1_Click();
}

void Form1::Combo3_Click() {
    const int criterion = ui->Combo3->currentIndex();
    if (criterion >= 0 && criterion < int(CriterionLimits.size()))
        ui->Text5->setText(CriterionLimits[criterion]);
}

void Form1::Text5_Change() {
    const int criterion = ui->Combo3->currentIndex();
    if (criterion >= 0 && criterion < int(CriterionLimits.size()))
        CriterionLimits[criterion] = ui->Text5->text();
}
