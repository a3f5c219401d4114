#pragma once

#include "platform/dialogs.h"

class QtDialogs final : public Dialogs {
public:
    void message(QWidget* parent, const QString& text) override;
    bool confirm(QWidget* parent, const QString& text) override;
    QString prompt(QWidget* parent, const QString& text) override;
    QString openFile(QWidget* parent, const QString& filter, const QString& initialFileName) override;
};
