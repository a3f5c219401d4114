#pragma once

#include <QFont>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

// The windows are laid out in fixed pixel positions, so they use one small
// font on every desktop instead of the desktop's own.
inline QFont windowFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Nimbus Sans"),
                      QStringLiteral("DejaVu Sans Condensed")});
    font.setPixelSize(10);
    return font;
}

// A window whose frame cannot be resized and has neither a minimise nor a
// maximise button.
inline void makeFixedDialogFrame(QWidget* window) {
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window->setFont(windowFont());
}

// Record boxes are narrower than a date and time: show a text from its
// beginning rather than its end.
inline void setTextFromStart(QLineEdit* box, const QString& text) {
    box->setText(text);
    box->setCursorPosition(0);
}
