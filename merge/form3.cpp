#include "merge/form3.h"

#include "database/resultsformat.h"
#include "merge/comparison.h"
#include "merge/sourcemerge.h"
#include "platform/accessibility.h"
#include "platform/windowstyle.h"
#include "ui_form3.h"

#include <QCloseEvent>

namespace {

const QString FileFilter = QStringLiteral("*.dat (*.dat)");
const QString NoSourceEntry = QStringLiteral("-");

QStringList entryTexts(const QComboBox* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

} // namespace

Form3::Form3(Services& services, QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::Form3>())
    , m_services(services) {
    ui->setupUi(this);
    makeFixedDialogFrame(this);
    setAttribute(Qt::WA_DeleteOnClose);
    Image1 = {ui->Image1_0, ui->Image1_1, ui->Image1_2, ui->Image1_3};
    ui->Command1->setFocus();

    connectHandlers();
    setAccessibleNames(this);
    Form_Load();
}

Form3::~Form3() = default;

void Form3::connectHandlers() {
    connect(ui->Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    pressOnEscape(ui->Command1);
    connect(ui->Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
    connect(ui->Command3, &QPushButton::clicked, this, &Form3::Command3_Click);
    connect(ui->Command4, &QPushButton::clicked, this, &Form3::Command4_Click);
    connect(ui->Command5, &QPushButton::clicked, this, &Form3::Command5_Click);
    // The user's picks, also of the entry already shown; the program's own
    // selections call the handlers themselves.
    connect(ui->ImageCombo1, &QComboBox::activated, this, &Form3::ImageCombo1_Click);
    connect(ui->ImageCombo2, &QComboBox::activated, this, &Form3::ImageCombo2_Click);
}

void Form3::Form_Load() {
    m_dialogFileName = m_services.files.workingFolder();
    // Until the first "Open" each list holds a single "-", selected without
    // its handler, and the record panels are empty.
    for (QComboBox* list : {ui->ImageCombo1, ui->ImageCombo2}) {
        list->clear();
        list->addItem(NoSourceEntry);
        list->setCurrentIndex(0);
    }
    for (int k = MarkFaster; k <= MarkSlower; ++k) {
        QLabel* legend = Image1[k - 1];
        legend->setPixmap(ImageList1.picture(k).pixmap(legend->size(), devicePixelRatioF()));
        legend->setAccessibleName(MarkPictures::name(CompareMark(k)));
    }
}

void Form3::Command1_Click() {
    close();
}

void Form3::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

void Form3::Command2_Click() {
    ui->Text1->setText(browse());
}

void Form3::Command3_Click() {
    ui->Text2->setText(browse());
}

QString Form3::browse() {
    const QString chosen = m_services.dialogs.openFile(this, FileFilter, m_dialogFileName);
    // A cancelled dialog keeps the name it held, and the box receives that.
    if (!chosen.isEmpty())
        m_dialogFileName = chosen;
    return m_dialogFileName;
}

void Form3::Command4_Click() {
    const QString path1 = ui->Text1->text();
    const QString path2 = ui->Text2->text();
    TextFiles& files = m_services.files;
    // A name that is not there or an empty file opens nothing.
    for (const QString& path : {path1, path2}) {
        if (!files.exists(path) || (files.isFile(path) && files.size(path) <= 0))
            return;
    }
    // Both files are read before anything changes, so that one that cannot
    // be read leaves the tables and lists as they were.
    SourceTable table1 = Source1Table;
    SourceTable table2 = Source2Table;
    const std::optional<ResultsFormat::ReadOutcome> outcome1 = ResultsFormat::readFile(files, path1, table1);
    const std::optional<ResultsFormat::ReadOutcome> outcome2 =
        outcome1 ? ResultsFormat::readFile(files, path2, table2) : std::nullopt;
    if (!outcome1 || !outcome2) {
        // Nor is anything merged into a file that was not read whole.
        m_opened.reset();
        m_services.dialogs.message(this, tr("Could not read %1, so nothing was opened.").arg(outcome1 ? path2 : path1));
        return;
    }

    Source1Table = table1;
    Source2Table = table2;
    ReadSourceFile(*outcome1, ui->ImageCombo1);
    ReadSourceFile(*outcome2, ui->ImageCombo2);
    m_opened = OpenedSources{
        path1, path2, outcome2->recordsDropped, !outcome2->readWhole, outcome2->encoding, files.readBytes(path2)};

    ImageCombo1_Click();
    ImageCombo2_Click();
    ui->Label3->setText(wordCountCaption(ui->ImageCombo1->count()));
    ui->Label4->setText(wordCountCaption(ui->ImageCombo2->count()));

    const QStringList words1 = entryTexts(ui->ImageCombo1);
    const QStringList words2 = entryTexts(ui->ImageCombo2);
    const QList<CompareMark> marks1 = markEntries(words1, Source1Table, words2, Source2Table);
    const QList<CompareMark> marks2 = markEntries(words2, Source2Table, words1, Source1Table);
    // Once enabled, the merge stays available until the window closes.
    if (offersRecords(marks1))
        ui->Command5->setEnabled(true);
    for (int i = 0; i < marks1.size(); ++i)
        setPicture(ui->ImageCombo1, i, marks1[i]);
    for (int i = 0; i < marks2.size(); ++i)
        setPicture(ui->ImageCombo2, i, marks2[i]);
}

void Form3::ReadSourceFile(const ResultsFormat::ReadOutcome& outcome, QComboBox* list) {
    list->clear();
    list->addItems(outcome.words);
    // The first entry is selected, if there is one.
    list->setCurrentIndex(list->count() > 0 ? 0 : -1);
}

void Form3::ImageCombo1_Click() {
    showRecord(ui->ImageCombo1, Source1Table, ui->Text3, ui->Text4, ui->Text5);
}

void Form3::ImageCombo2_Click() {
    showRecord(ui->ImageCombo2, Source2Table, ui->Text6, ui->Text7, ui->Text8);
}

void Form3::showRecord(const QComboBox* list, const SourceTable& table, QLineEdit* time, QLineEdit* date,
                       QLineEdit* name) {
    // An empty list selects nothing, and the panel keeps what it showed.
    const int k = list->currentIndex();
    if (!RecordTable::isSlot(k))
        return;
    setTextFromStart(time, table.FastestTime[k]);
    setTextFromStart(date, table.RecordDate[k]);
    setTextFromStart(name, table.RecordName[k]);
}

void Form3::setPicture(QComboBox* list, int entry, int picture) {
    list->setItemIcon(entry, ImageList1.picture(picture));
    // Screen readers cannot see the picture; they read the mark after the word.
    list->setItemData(entry,
                      QStringLiteral("%1, %2").arg(list->itemText(entry), MarkPictures::name(CompareMark(picture))),
                      Qt::AccessibleTextRole);
}

QString Form3::mergeRefusal() const {
    if (!m_opened || m_opened->source1 != ui->Text1->text() || m_opened->source2 != ui->Text2->text()) {
        return tr("The lists do not show the files named above. Please press \"Open\" first. Nothing was merged.");
    }
    if (m_opened->source2RecordsLeftOut > 0) {
        return tr("%1 holds %2 records, but only the first %3 can be read. Writing it back would lose "
                  "the other %n, so nothing was merged.",
                  nullptr, m_opened->source2RecordsLeftOut)
            .arg(m_opened->source2, QString::number(RecordTable::Slots + m_opened->source2RecordsLeftOut),
                 QString::number(RecordTable::Slots));
    }
    return QString();
}

void Form3::Command5_Click() {
    if (const QString refusal = mergeRefusal(); !refusal.isEmpty()) {
        m_services.dialogs.message(this, refusal);
        return;
    }
    // Another computer or program may have written Source 2 since "Open":
    // the merge goes into the file as it is now, never over it. One that is
    // gone or cannot be read is left to the write to tell.
    if (const std::optional<QByteArray> now = m_services.files.readBytes(m_opened->source2);
        now && now != m_opened->source2Bytes) {
        const QString path = m_opened->source2;
        Command4_Click();
        m_services.dialogs.message(this, tr("%1 was changed on disk since it was opened. Tapmeter has opened it "
                                            "again and merges into it as it is now.")
                                             .arg(path));
        if (const QString refusal = mergeRefusal(); !refusal.isEmpty()) {
            m_services.dialogs.message(this, refusal);
            return;
        }
    }

    // The merge works on copies, so that a file that cannot be written
    // leaves the tables and the lists as the last "Open" showed them.
    QStringList words2 = entryTexts(ui->ImageCombo2);
    // A list box counts its entries in int.
    const int listed = int(words2.size());
    SourceTable merged = Source2Table;
    const MergeOutcome outcome = mergeSources(entryTexts(ui->ImageCombo1), Source1Table, words2, merged);

    const QString path = ui->Text2->text();
    QString error;
    // Like results.dat, a Source 2 file whose lines the merge leaves out is
    // kept beside it before it is replaced.
    const QString copyPath = ResultsFormat::copyPathOf(path);
    const bool keepCopy = m_opened->source2NeedsCopy;
    if (keepCopy && !m_services.files.copyFile(path, copyPath, &error)) {
        m_services.dialogs.message(
            this, tr("Could not keep a copy of %1 as %2: %3. Nothing was merged.").arg(path, copyPath, error));
        return;
    }
    const QStringList lines = ResultsFormat::recordLines(merged, int(words2.size()));
    if (!m_services.files.writeLines(path, lines, AnsiText::encodingToWrite(m_opened->source2Encoding, lines),
                                     &error)) {
        m_services.dialogs.message(this, tr("Could not write %1: %2").arg(path, error));
        return;
    }

    Source2Table = merged;
    for (int i = listed; i < words2.size(); ++i) {
        ui->ImageCombo2->addItem(words2[i]);
        setPicture(ui->ImageCombo2, i, MarkSimilar);
    }
    Command4_Click();
    emit source2Written(path);
    QString report = mergeReport(outcome);
    if (keepCopy)
        report += QStringLiteral("\r\n\r\n") +
                  tr("The file as it was, with the lines Tapmeter cannot use, is kept as %1.").arg(copyPath);
    m_services.dialogs.message(this, report);
}
