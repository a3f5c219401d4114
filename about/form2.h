#pragma once

#include "services.h"

#include <QWidget>

// The About window.
class Form2 : public QWidget {
    Q_OBJECT

public:
    explicit Form2(Services& services, QWidget* parent = nullptr);

private:
    Services& m_services;
};
