#pragma once

#include "recordtable.h"
#include "services.h"

#include <QWidget>

#include <functional>

// The Update Results window: compares two results files and merges the
// faster and the missing records of Source 1 into Source 2.
class Form3 : public QWidget {
    Q_OBJECT

public:
    // The two tables outlive the window. mainWindow is made available again
    // when this window is left; loadResults reloads the main window's words.
    Form3(Services& services, SourceTable& source1Table, SourceTable& source2Table, QWidget* mainWindow,
          std::function<void()> loadResults, QWidget* parent = nullptr);

private:
    Services& m_services;
    SourceTable& Source1Table;
    SourceTable& Source2Table;
    QWidget* m_mainWindow;
    std::function<void()> m_loadResults;
};
