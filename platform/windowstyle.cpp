#include "platform/windowstyle.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <QShortcut>

#include <algorithm>
#include <functional>
#include <limits>
#include <utility>

namespace {

// The frame is only known once the window manager has put it around the shown
// window: the window is placed before it is shown, and again, with its frame,
// when the frame first shows in its geometry.
class FramedPlacement final : public QObject {
public:
    using Place = std::function<void(QWidget* window)>;

    FramedPlacement(QWidget* window, Place place)
        : QObject(window)
        , m_window(window)
        , m_place(std::move(place)) {
        m_place(window);
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        const bool placed = event->type() == QEvent::Move || event->type() == QEvent::WindowActivate;
        if (placed && m_window->frameGeometry() != m_window->geometry()) {
            m_window->removeEventFilter(this);
            m_place(m_window);
            deleteLater();
        }
        return false;
    }

private:
    QWidget* m_window;
    Place m_place;
};

// How far the frame reaches beyond the window on each side.
QMargins frameMargins(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect inside = window->geometry();
    return {inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
            frame.bottom() - inside.bottom()};
}

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
    new FramedPlacement(window, [](QWidget* shown) {
        if (const QScreen* screen = shown->screen())
            shown->move(screen->availableGeometry().center() - shown->frameGeometry().center() + shown->pos());
    });
}

QRect besideWindow(const QRect& mainFrame, QSize size, const QSize& smallest, const QRect& screen) {
    size = size.boundedTo(screen.size());
    // The free room to the right of the main window, to its left, below and above
    // it.
    const QRect rooms[] = {
        QRect(QPoint(mainFrame.right() + 1, screen.top()), screen.bottomRight()),
        QRect(screen.topLeft(), QPoint(mainFrame.left() - 1, screen.bottom())),
        QRect(QPoint(screen.left(), mainFrame.bottom() + 1), screen.bottomRight()),
        QRect(screen.topLeft(), QPoint(screen.right(), mainFrame.top() - 1)),
    };
    QRect best;
    // The least covered of the main window, then the largest.
    std::pair<qint64, qint64> bestScore(std::numeric_limits<qint64>::max(), 0);
    for (int side = 0; side < 4; ++side) {
        const QRect room = rooms[side].intersected(screen);
        // Made smaller to fit the room, though not below the smallest size
        // it can be used at, with which it covers the least of the main window.
        const QSize fitted = size.boundedTo(room.size()).expandedTo(smallest).boundedTo(size);
        QRect placed(QPoint(), fitted);
        if (side < 2)
            placed.moveTopLeft({side == 0 ? room.left() : room.right() + 1 - fitted.width(), mainFrame.top()});
        else
            placed.moveTopLeft({mainFrame.left(), side == 2 ? room.top() : room.bottom() + 1 - fitted.height()});
        placed.moveTopLeft({std::clamp(placed.left(), screen.left(), screen.right() + 1 - fitted.width()),
                            std::clamp(placed.top(), screen.top(), screen.bottom() + 1 - fitted.height())});
        const QRect covered = placed.intersected(mainFrame);
        const std::pair<qint64, qint64> score(qint64(covered.width()) * covered.height(),
                                              -qint64(fitted.width()) * fitted.height());
        if (score < bestScore) {
            bestScore = score;
            best = placed;
        }
    }
    return best;
}

QRect makeRoomBeside(const QRect& mainFrame, const QSize& size, const QRect& screen) {
    const int freeRight = screen.right() - mainFrame.right();
    const int freeLeft = mainFrame.left() - screen.left();
    if (freeRight >= size.width() || freeLeft >= size.width() || mainFrame.width() + size.width() > screen.width())
        return mainFrame;
    // Toward the side with more room, so that it moves the least.
    return freeRight >= freeLeft ? mainFrame.translated(freeRight - size.width(), 0)
                                 : mainFrame.translated(size.width() - freeLeft, 0);
}

void placeBeside(QWidget* window, QWidget* mainWindow) {
    new FramedPlacement(window, [mainWindow = QPointer<QWidget>(mainWindow)](QWidget* shown) {
        const QScreen* screen = mainWindow ? mainWindow->screen() : nullptr;
        if (!screen)
            return;
        // Until the window has a frame of its own, the main window's tells how
        // large it will be.
        const QMargins frame =
            shown->frameGeometry() != shown->geometry() ? frameMargins(shown) : frameMargins(mainWindow);
        const QRect mainFrame =
            makeRoomBeside(mainWindow->frameGeometry(), shown->size().grownBy(frame), screen->availableGeometry());
        if (mainFrame != mainWindow->frameGeometry())
            mainWindow->move(mainFrame.topLeft());
        const QRect placed = besideWindow(mainFrame, shown->size().grownBy(frame),
                                          shown->minimumSizeHint().grownBy(frame), screen->availableGeometry());
        shown->resize(placed.size().shrunkBy(frame));
        shown->move(placed.topLeft());
    });
}
