#include "platform/windowstyle.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QEvent>
#include <QIcon>
#include <QScreen>
#include <QShortcut>

namespace {

// The frame is only known once the window manager has put it around the shown
// window: the window is centred before it is shown, and again, with its frame,
// when the frame first shows in its geometry.
class ScreenCentring final : public QObject {
public:
    explicit ScreenCentring(QWidget* window)
        : QObject(window)
        , m_window(window) {
        centre();
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        const bool placed = event->type() == QEvent::Move || event->type() == QEvent::WindowActivate;
        if (placed && m_window->frameGeometry() != m_window->geometry()) {
            m_window->removeEventFilter(this);
            centre();
            deleteLater();
        }
        return false;
    }

private:
    void centre() {
        if (const QScreen* screen = m_window->screen())
            m_window->move(screen->availableGeometry().center() - m_window->frameGeometry().center() + m_window->pos());
    }

    QWidget* m_window;
};

// Claims Esc for the open list it watches.
class EscapeForList final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Cancel))
            event->accept();
        return false;
    }
};

} // namespace

// The icon is a resource of this static library. The linker keeps a resource
// only when the program refers to it, which this does.
static void loadWindowResources() {
    Q_INIT_RESOURCE(tapmeter);
}

void makeFixedDialogFrame(QWidget* window) {
    static const bool loaded = (loadWindowResources(), true);
    Q_UNUSED(loaded);
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window->setFont(windowFont());
    window->setWindowIcon(programIcon());
}

void pressOnEscape(QAbstractButton* button) {
    QWidget* window = button->window();
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    QObject::connect(escape, &QShortcut::activated, button, &QAbstractButton::click);
    // An open list of the window closes itself on Esc without taking the key,
    // which then went on to the shortcut and left the window too. Claiming the
    // key for the list first makes Esc close the list only. Asking for the
    // view makes the list's popup now, so that this filter, installed after
    // the popup's own, sees the key first.
    auto* claimEscape = new EscapeForList(window);
    for (QComboBox* list : window->findChildren<QComboBox*>())
        list->view()->installEventFilter(claimEscape);
}

void centreOnScreen(QWidget* window) {
    new ScreenCentring(window);
}
