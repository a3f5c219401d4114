#include "trainer/filledsquare.h"

#include <QPainter>

FilledSquare::FilledSquare(QWidget* parent)
    : QWidget(parent)
    , m_fillColor(Qt::red) {}

void FilledSquare::setFillColor(const QColor& color) {
    if (color == m_fillColor)
        return;
    m_fillColor = color;
    update();
}

void FilledSquare::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setBrush(m_fillColor);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
