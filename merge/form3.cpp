#include "form3.h"

Form3::Form3(Services& services, SourceTable& source1Table, SourceTable& source2Table, QWidget* mainWindow,
             std::function<void()> loadResults, QWidget* parent)
    : QWidget(parent)
    , m_services(services)
    , Source1Table(source1Table)
    , Source2Table(source2Table)
    , m_mainWindow(mainWindow)
    , m_loadResults(std::move(loadResults))
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Update Results"));
    setAttribute(Qt::WA_DeleteOnClose);
}
