#pragma once

#include "fakeservices.h"
#include "form1.h"
#include "ui_form1.h"

#include <QTimer>

#include <memory>

inline QByteArray crlf(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

inline const QColor IndicatorGreen(0, 255, 0);
inline const QColor IndicatorRed(255, 0, 0);

// A main window on fake platform services. Files and settings are arranged
// before the window starts, the way the program finds them at start-up.
struct Form1Harness {
    FakeServices fakes;
    std::unique_ptr<Form1> form;
    Ui::Form1* ui = nullptr;

    void start() {
        form = std::make_unique<Form1>(fakes.services);
        ui = form->controls();
    }
    // Starts with results.dat holding these lines.
    void start(const QStringList& resultLines) {
        setResults(crlf(resultLines));
        start();
    }

    void setResults(const QByteArray& bytes) { fakes.files.put("results.dat", bytes); }
    QByteArray results() const { return fakes.files.bytes("results.dat"); }
    void setSetting(const QString& key, const QString& value) {
        fakes.settings.values["Tapmeter/Settings/" + key] = value;
    }
    QString setting(const QString& key) const { return fakes.settings.values.value("Tapmeter/Settings/" + key); }

    // One change of the typing box per character, as typing makes them.
    void type(const QString& text) {
        for (QChar c : text)
            ui->Text1->setText(ui->Text1->text() + c);
    }
    void ticks(int count) {
        for (int i = 0; i < count; ++i)
            form->Timer1_Timer();
    }
    void setAutomatic(int action, int criterion, const QString& limit) {
        ui->Combo2->setCurrentIndex(action);
        ui->Combo3->setCurrentIndex(criterion);
        ui->Text5->setText(limit);
    }
    bool clockRunning() const { return form->timer()->isActive(); }
    QColor indicator() const { return ui->Shape1->fillColor(); }
    QStringList listed() const {
        QStringList words;
        for (int i = 0; i < ui->Combo1->count(); ++i)
            words << ui->Combo1->itemText(i);
        return words;
    }
    // The counters of a typing run, in the order the window shows them.
    QStringList counters() const {
        QStringList texts;
        for (const QLabel* label :
             {ui->Label1, ui->Label17, ui->Label2, ui->Label3, ui->Label4, ui->Label14, ui->Label18})
            texts << label->text();
        return texts;
    }
};
