#include "platform/accessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QGroupBox>
#include <QLabel>
#include <QString>
#include <QWidget>

#include <algorithm>

namespace {

// Controls carry their designer name; Qt's own inner parts (scroll bars,
// viewports, a combo box's edit field) have none or a "qt_" one.
bool isDesignedControl(const QWidget* widget) {
    const QString name = widget->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

bool hasLetter(const QString& text) {
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isLetter(); });
}

// A label's caption: what it says up to its colon, so that "Words in
// database: 12" names the list below it without the count, which changes.
QString labelCaption(const QLabel* label) {
    const QString text = label->text();
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    return spokenCaption(colon < 0 ? text : text.left(colon));
}

// The widget as a label with letters in its caption, or null.
QLabel* captionLabel(QWidget* widget) {
    auto* label = qobject_cast<QLabel*>(widget);
    return label && hasLetter(labelCaption(label)) ? label : nullptr;
}

// The label that names the control: one made its buddy; else the nearest
// neighbour on its left, on the same row, when that is a label; else the
// nearest neighbour just above it (less than its own height away),
// overlapping it sideways, when that is one.
QLabel* besideLabel(const QWidget* control) {
    const QRect box = control->geometry();
    QWidget* left = nullptr;
    QWidget* above = nullptr;
    for (QWidget* sibling : control->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (sibling == control)
            continue;
        if (QLabel* label = captionLabel(sibling); label && label->buddy() == control)
            return label;
        const QRect g = sibling->geometry();
        const bool sameRow = g.top() <= box.center().y() && box.center().y() <= g.bottom();
        // Designed layouts let a label run a pixel or two into its box.
        const bool onTheLeft = g.left() < box.left() && g.right() < box.center().x();
        if (sameRow && onTheLeft && (!left || g.right() > left->geometry().right()))
            left = sibling;
        const bool overlapsSideways = g.left() <= box.right() && box.left() <= g.right();
        const bool justAbove = g.center().y() < box.top() && box.top() - g.bottom() <= box.height();
        if (overlapsSideways && justAbove && (!above || g.bottom() > above->geometry().bottom()))
            above = sibling;
    }
    if (QLabel* label = captionLabel(left))
        return label;
    return captionLabel(above);
}

QString frameCaption(const QWidget* control) {
    const auto* frame = qobject_cast<const QGroupBox*>(control->parentWidget());
    return frame ? spokenCaption(frame->title()) : QString();
}

QString accessibleNameFor(QWidget* control) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return spokenCaption(button->text());
    if (const auto* frame = qobject_cast<const QGroupBox*>(control))
        return spokenCaption(frame->title());
    if (qobject_cast<const QLabel*>(control) || control->focusPolicy() == Qt::NoFocus)
        return QString();
    if (QLabel* label = besideLabel(control)) {
        // Some screen readers name a list by the label it is "labelled by"
        // rather than by its own name; the buddy link tells them which.
        label->setBuddy(control);
        return labelCaption(label);
    }
    return frameCaption(control);
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
