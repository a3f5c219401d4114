#include "platform/windowstyle.h"

#include <QAbstractButton>
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
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), button->window());
    QObject::connect(escape, &QShortcut::activated, button, &QAbstractButton::click);
}

void centreOnScreen(QWidget* window) {
    new ScreenCentring(window);
}
