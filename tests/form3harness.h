#pragma once

#include "form1harness.h"
#include "form3.h"
#include "ui_form3.h"

#include <QPointer>

// The Update Results window, opened from the main window's menu on fake
// platform services.
struct Form3Harness : Form1Harness {
    inline static const QString Source1Path = QStringLiteral("/home/typist/friend.dat");
    inline static const QString Source2Path = QStringLiteral("/home/typist/mine.dat");

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

    // Puts the two files in place, chooses them and presses "Open".
    void openSources(const QByteArray& source1, const QByteArray& source2) {
        fakes.files.put(Source1Path, source1);
        fakes.files.put(Source2Path, source2);
        choose(Source1Path, Source2Path);
        window->Command4_Click();
    }
};

inline QStringList entries(const QComboBox* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

// The picture number of every entry; 0 for an entry without a picture.
inline QList<int> marks(const QComboBox* list) {
    QList<int> result;
    for (int i = 0; i < list->count(); ++i) {
        result << list->itemData(i, Form3::PictureRole).toInt();
        if (result.last() != 0 && list->itemIcon(i).isNull())
            result.last() = -1;
    }
    return result;
}
