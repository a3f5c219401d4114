#include "merge/markpictures.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPixmap>

namespace {

// The lists show the dot at 7 by 7 pixels; the legend shows it larger, so
// the icon carries a large drawing as well instead of an enlarged small one.
constexpr int ListSize = 7;
constexpr int LegendSize = 34;

QPixmap dot(const QColor& colour, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(0, 0, size, size));
    return pixmap;
}

} // namespace

MarkPictures::MarkPictures() {
    for (int mark = MarkFaster; mark <= MarkSlower; ++mark) {
        QIcon& icon = m_pictures[mark - MarkFaster];
        for (int size : {ListSize, LegendSize})
            icon.addPixmap(dot(colour(CompareMark(mark)), size));
    }
}

QIcon MarkPictures::picture(int index) const {
    if (index < MarkFaster || index > MarkSlower)
        return QIcon();
    return m_pictures[index - MarkFaster];
}

QColor MarkPictures::colour(CompareMark mark) {
    switch (mark) {
    case MarkFaster:
        return QColor(0, 160, 0);
    case MarkSimilar:
        return QColor(150, 75, 0);
    case MarkNew:
        return QColor(0, 0, 255);
    case MarkSlower:
        return QColor(255, 0, 0);
    }
    return QColor();
}

QString MarkPictures::name(CompareMark mark) {
    switch (mark) {
    case MarkFaster:
        return QCoreApplication::translate("MarkPictures", "faster");
    case MarkSimilar:
        return QCoreApplication::translate("MarkPictures", "similar");
    case MarkNew:
        return QCoreApplication::translate("MarkPictures", "new");
    case MarkSlower:
        return QCoreApplication::translate("MarkPictures", "slower");
    }
    return QString();
}
