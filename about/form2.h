#pragma once

#include "platform/services.h"

#include <QWidget>

#include <memory>

namespace Ui {
class Form2;
}

// The About window: who made the program, and the two texts that ship beside
// it, "whatsnew.txt" and "information.txt".
class Form2 : public QWidget {
    Q_OBJECT

public:
    explicit Form2(Services& services, QWidget* parent = nullptr);
    ~Form2() override;

public slots:
    void Form_Load();
    void Command1_Click();

private:
    std::unique_ptr<Ui::Form2> ui;

    Services& m_services;
};
