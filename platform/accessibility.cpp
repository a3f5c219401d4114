#include "platform/accessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QGroupBox>
#include <QLabel>
#include <QString>
#include <QWidget>

namespace {

// Controls carry their designer name; Qt's own inner parts (scroll bars,
// viewports, a combo box's edit field) have none or a "qt_" one.
bool isDesignedControl(const QWidget* widget) {
    const QString name = widget->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

// A caption as a control's name: what it says up to its colon, so that
// "Words in database: 12" names the list below it without the count, which
// changes.
QString beforeColon(const QString& caption) {
    return caption.left(caption.indexOf(QLatin1Char(':'))).trimmed();
}

// The caption of what Qt's accessibility reports as labelling the control (a
// label made its buddy in the window's design, else its frame's title), which
// it would read whole, colon and count included.
QString labellingCaption(QWidget* control) {
    const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    if (!accessible)
        return {};
    const auto labels = accessible->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : beforeColon(labels.first().first->text(QAccessible::Name));
}

QString accessibleNameFor(QWidget* control) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return spokenCaption(button->text());
    if (const auto* frame = qobject_cast<const QGroupBox*>(control))
        return spokenCaption(frame->title());
    if (qobject_cast<const QLabel*>(control) || control->focusPolicy() == Qt::NoFocus)
        return {};
    return labellingCaption(control);
}

// Qt gives a QWidget of its own class the role of a pane, even when it is a
// window; dialogs and main windows get theirs from their Qt class.
QAccessibleInterface* plainWindowInterface(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || !widget->isWindow() || className != QLatin1String(object->metaObject()->className()) ||
        object->metaObject()->superClass() != &QWidget::staticMetaObject)
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

} // namespace

void exposeWithWindowRole() {
    static const bool installed = [] {
        QAccessible::installFactory(plainWindowInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

QString spokenCaption(const QString& caption) {
    QString spoken;
    spoken.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&')) {
            ++i;
            if (i == caption.size())
                break;
        }
        spoken += caption.at(i);
    }
    spoken = spoken.trimmed();
    if (spoken.endsWith(QLatin1Char(':')))
        spoken.chop(1);
    return spoken.trimmed();
}

void setAccessibleNames(QWidget* window) {
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!isDesignedControl(control) || !control->accessibleName().isEmpty())
            continue;
        const QString name = accessibleNameFor(control);
        if (!name.isEmpty())
            control->setAccessibleName(name);
    }
}
