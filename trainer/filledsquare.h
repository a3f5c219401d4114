#pragma once

#include <QColor>
#include <QWidget>

// A small square filled with one colour and drawn with a thin black border.
class FilledSquare : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor fillColor READ fillColor WRITE setFillColor)

public:
    explicit FilledSquare(QWidget* parent = nullptr);

    QColor fillColor() const { return m_fillColor; }
    void setFillColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_fillColor;
};
