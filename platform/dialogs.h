#pragma once

#include <QString>

class QWidget;

// The modal boxes the program shows. Every box carries the title "Tapmeter"
// and no icon.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A message with an OK button only; returns when it is closed.
    virtual void message(QWidget* parent, const QString& text) = 0;

    // A Yes/No question; true for Yes.
    virtual bool confirm(QWidget* parent, const QString& text) = 0;

    // A text prompt with OK and Cancel and an empty input field; "" on Cancel.
    // When the session ends while it is open, what its field holds then.
    virtual QString prompt(QWidget* parent, const QString& text) = 0;

    // An open-file dialog that starts at initialFileName; returns the chosen
    // file's full path, or "" when cancelled.
    virtual QString openFile(QWidget* parent, const QString& filter, const QString& initialFileName) = 0;
};
