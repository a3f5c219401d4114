#pragma once

#include "database/recordtable.h"
#include "database/resultsformat.h"
#include "merge/markpictures.h"
#include "platform/services.h"

#include <QWidget>

#include <array>
#include <memory>
#include <optional>

namespace Ui {
class Form3;
}
class QComboBox;
class QLabel;
class QLineEdit;

// The Update Results window: compares two results files and merges the
// faster and the missing records of Source 1 into Source 2.
class Form3 : public QWidget {
    Q_OBJECT

public:
    explicit Form3(Services& services, QWidget* parent = nullptr);
    ~Form3() override;

signals:
    // The merge has written this Source 2 file.
    void source2Written(const QString& path);
    // The window was left, by "Back!" or its close box.
    void closed();

public slots:
    void Form_Load();

    // Choosing the sources and leaving the window.
    void Command2_Click();
    void Command3_Click();
    void Command1_Click();

    // The comparison.
    void Command4_Click();
    void ImageCombo1_Click();
    void ImageCombo2_Click();

    // The merge.
    void Command5_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // What the last "Open" read: the merge writes these tables back only to
    // the files they came from.
    struct OpenedSources {
        QString source1;
        QString source2;
        int source2RecordsLeftOut;
        // Source 2 holds lines the merge would not write back.
        bool source2NeedsCopy;
        // What Source 2 was read as, and is written back in unless the
        // merged words and names no longer fit it.
        AnsiText::Encoding source2Encoding;
        // Source 2 as "Open" read it, to tell a change on disk since.
        std::optional<QByteArray> source2Bytes;
    };

    QString browse();
    // Lists the words a source file gave its table.
    void ReadSourceFile(const ResultsFormat::ReadOutcome& outcome, QComboBox* list);
    void showRecord(const QComboBox* list, const SourceTable& table, QLineEdit* time, QLineEdit* date, QLineEdit* name);
    void setPicture(QComboBox* list, int entry, int picture);
    QString mergeRefusal() const;
    void connectHandlers();

    std::unique_ptr<Ui::Form3> ui;
    std::array<QLabel*, 4> Image1;
    MarkPictures ImageList1;

    Services& m_services;
    SourceTable Source1Table;
    SourceTable Source2Table;
    // The open-file dialog's file name: where it starts, and what it still
    // holds after a cancel. Both browse buttons share it.
    QString m_dialogFileName;
    std::optional<OpenedSources> m_opened;
};
