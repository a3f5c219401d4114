#include "platform/qtdialogs.h"

#include "platform/apptitle.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

void QtDialogs::message(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, AppTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtDialogs::confirm(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, AppTitle, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString QtDialogs::prompt(QWidget* parent, const QString& text) {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(AppTitle);
    dialog.setLabelText(text);
    dialog.setTextValue(QString());
    // A box still open when exec() returns was not answered but left by the
    // end of the session: what it holds counts as the answer.
    if (dialog.exec() != QDialog::Accepted && !dialog.isVisible())
        return QString();
    return dialog.textValue();
}

QString QtDialogs::openFile(QWidget* parent, const QString& filter, const QString& initialFileName) {
    return QFileDialog::getOpenFileName(parent, QString(), initialFileName, filter);
}
