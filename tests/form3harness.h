#pragma once

#include "form1harness.h"
#include "form3.h"
#include "sourcerecords.h"
#include "ui_form3.h"

// The Update Results window, opened from the main window's menu on fakes.
struct Form3Harness : Form1Harness {
    QString source1Path = QStringLiteral("/home/typist/friend.dat");
    QString source2Path = QStringLiteral("/home/typist/mine.dat");

    QPointer<Form3> window;
    Ui::Form3* w = nullptr;

    void openWindow() {
        if (!form)
            start();
        ui->mnuUpdate->trigger();
        window = form->updateWindow();
        w = window->controls();
    }

    // Both browse buttons, each answered with a path ("" is Cancel).
    void choose(const QString& source1, const QString& source2) {
        fakes.dialogs.openFileAnswers << source1 << source2;
        window->Command2_Click();
        window->Command3_Click();
    }

    // Writes the two files (records as resultLines() takes them), chooses
    // them and presses "Open".
    void openRecords(const QString& records1, const QString& records2) {
        if (!window)
            openWindow();
        fakes.files.put(source1Path, crlf(resultLines(records1)));
        fakes.files.put(source2Path, crlf(resultLines(records2)));
        choose(source1Path, source2Path);
        window->Command4_Click();
    }
};

inline QStringList entries(const QComboBox* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

// The picture number of every entry; 0 where it shows no picture.
inline QList<int> marks(const QComboBox* list) {
    QList<int> result;
    for (int i = 0; i < list->count(); ++i)
        result << (list->itemIcon(i).isNull() ? 0 : list->itemData(i, Form3::PictureRole).toInt());
    return result;
}
