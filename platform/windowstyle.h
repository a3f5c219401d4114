#pragma once

#include <QFont>
#include <QIcon>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

class QAbstractButton;

// The windows are laid out in fixed pixel positions, so they use one small
// font on every desktop instead of the desktop's own.
inline QFont windowFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Nimbus Sans"),
                      QStringLiteral("DejaVu Sans Condensed")});
    font.setPixelSize(10);
    return font;
}

// The program's icon, compiled into this library.
inline QIcon programIcon() {
    return QIcon(QStringLiteral(":/icons/tapmeter-32.png"));
}

// A window with the program's icon, whose frame cannot be resized and has
// neither a minimise nor a maximise button.
void makeFixedDialogFrame(QWidget* window);

// Places the window, with its frame, in the middle of its screen.
void centreOnScreen(QWidget* window);

// Where a window of the given frame size goes beside the main window's frame
// on the screen's free area: on the side with room for it, made smaller down
// to the smallest size it can be used at where that fits; where no side has
// room, at that size where it covers the least of the main window.
QRect besideWindow(const QRect& mainFrame, QSize size, const QSize& smallest, const QRect& screen);

// The main window's frame slid sideways just far enough that a window of the
// given frame size fits beside it on the screen without covering it; as it is
// where it fits already or where the screen is too narrow for both.
QRect makeRoomBeside(const QRect& mainFrame, const QSize& size, const QRect& screen);

// Places the window, with its frame, beside the main window (besideWindow),
// first sliding the main window aside where that makes room for both.
void placeBeside(QWidget* window, QWidget* mainWindow);

// Esc in the button's window presses the button, the way Esc leaves a dialog.
void pressOnEscape(QAbstractButton* button);

// Record boxes are narrower than a date and time: show a text from its
// beginning rather than its end.
inline void setTextFromStart(QLineEdit* box, const QString& text) {
    box->setText(text);
    box->setCursorPosition(0);
}
