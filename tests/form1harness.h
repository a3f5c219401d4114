#pragma once

#include "fakeservices.h"
#include "form1.h"
#include "ui_form1.h"

#include <QTimer>

#include <memory>

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

    void setResults(const QByteArray& bytes) { fakes.files.put(QStringLiteral("results.dat"), bytes); }
    QByteArray results() const { return fakes.files.bytes(QStringLiteral("results.dat")); }
    void setSetting(const QString& key, const QString& value) {
        fakes.settings.values.insert(QStringLiteral("Tapmeter/Settings/") + key, value);
    }
    QString setting(const QString& key) const {
        return fakes.settings.values.value(QStringLiteral("Tapmeter/Settings/") + key);
    }

    // Types text the way a change of the box reaches the program: one change
    // per character.
    void type(const QString& text) {
        for (QChar c : text)
            ui->Text1->setText(ui->Text1->text() + c);
    }
    void ticks(int count) {
        for (int i = 0; i < count; ++i)
            form->Timer1_Timer();
    }
    bool clockRunning() const { return form->timer()->isActive(); }
    QColor indicator() const { return ui->Shape1->fillColor(); }
};

inline QByteArray crlf(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

inline const QColor IndicatorGreen(0, 255, 0);
inline const QColor IndicatorRed(255, 0, 0);
