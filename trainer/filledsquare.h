#pragma once

#include <QColor>
#include <QWidget>

// A small square filled with one colour and drawn with a thin black border.
class FilledSquare : public QWidget {
    Q_OBJECT

public:
    explicit FilledSquare(QWidget* parent = nullptr);

    void setFillColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_fillColor;
};
