#include "progress/progresswindow.h"
#include "ui_progresswindow.h"

#include "platform/accessibility.h"
#include "platform/apptitle.h"
#include "platform/settingsstore.h"
#include "platform/windowstyle.h"

#include <QAction>
#include <QChart>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QLocale>
#include <QMenu>
#include <QShortcut>
#include <QStandardItemModel>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

enum Column { WordColumn, AttemptsColumn, BestColumn, AverageColumn, ChangeColumn, NeedColumn };

// The lists of wrong letters show the most frequent ones.
constexpr qsizetype MistakesShown = 10;

// Averages show hundredths; a smaller change reads as none.
QString secondsText(double seconds) {
    return QString::number(seconds, 'f', 2);
}

QString changeText(const std::optional<double>& change) {
    if (!change)
        return QString();
    if (std::abs(*change) < 0.005)
        return QStringLiteral("same");
    return secondsText(std::abs(*change)) + (*change < 0 ? QStringLiteral(" s faster") : QStringLiteral(" s slower"));
}

// A cell that shows text and sorts by value.
QStandardItem* cell(const QString& text, const QVariant& sortValue) {
    auto* item = new QStandardItem(text);
    item->setData(sortValue, Qt::UserRole);
    return item;
}

QString timesText(int times) {
    return times == 1 ? QStringLiteral("1 time") : QStringLiteral("%1 times").arg(times);
}

// A letter as a list shows it: a blank, which cannot be seen, by name.
QString shownLetter(char32_t letter) {
    return letter == U' ' ? QStringLiteral("blank") : QString::fromUcs4(&letter, 1);
}

void showList(QListWidget* list, const QStringList& lines) {
    list->clear();
    list->addItems(lines.isEmpty() ? QStringList{QStringLiteral("No wrong letters kept yet")} : lines);
}

} // namespace

ProgressWindow::ProgressWindow(Services& services, RecordOf recordOf, QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::ProgressWindow>())
    , m_table(new QStandardItemModel(this))
    , m_services(services)
    , m_recordOf(std::move(recordOf)) {
    ui->setupUi(this);
    setWindowIcon(programIcon());
    // One window at a time, made anew each time it is opened from the menu.
    setAttribute(Qt::WA_DeleteOnClose);

    setUpTable();
    setUpPractice();

    QChart* chart = ui->chtAttempts->chart();
    chart->legend()->setAlignment(Qt::AlignBottom);
    ui->chtAttempts->setRenderHint(QPainter::Antialiasing);
    ui->chtAttempts->setFocusPolicy(Qt::NoFocus);

    connect(ui->cboWord, &QComboBox::currentIndexChanged, this, &ProgressWindow::cboWord_Click);
    connect(ui->cmdBack, &QPushButton::clicked, this, &ProgressWindow::cmdBack_Click);
    // Moving through the table shows the word of the current row.
    connect(ui->tblWords->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    showWord(m_table->item(current.row(), WordColumn)->text());
            });
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &ProgressWindow::cmdBack_Click);
    setAccessibleNames(this);

    Form_Load();
    ui->cboWord->setFocus();
}

ProgressWindow::~ProgressWindow() = default;

void ProgressWindow::setUpTable() {
    m_table->setHorizontalHeaderLabels({QStringLiteral("Word"), QStringLiteral("Attempts"), QStringLiteral("Best (s)"),
                                        QStringLiteral("Average of last 10 (s)"),
                                        QStringLiteral("Change against the 10 before"),
                                        QStringLiteral("Practice rank")});
    m_table->setSortRole(Qt::UserRole);
    ui->tblWords->setModel(m_table);
    ui->tblWords->verticalHeader()->hide();
    ui->tblWords->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ui->tblWords->horizontalHeader()->setStretchLastSection(true);
    ui->tblWords->sortByColumn(WordColumn, Qt::AscendingOrder);
    // The column headers sort by mouse; the table's menu (Shift+F10 or the
    // menu key) does the same from the keyboard: again reverses the order.
    ui->tblWords->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (int column = WordColumn; column <= NeedColumn; ++column) {
        auto* sortBy = new QAction(QStringLiteral("Sort by ") + m_table->headerData(column, Qt::Horizontal).toString(),
                                   ui->tblWords);
        connect(sortBy, &QAction::triggered, this, [this, column] {
            const QHeaderView* header = ui->tblWords->horizontalHeader();
            const bool again = header->sortIndicatorSection() == column;
            ui->tblWords->sortByColumn(column, again && header->sortIndicatorOrder() == Qt::AscendingOrder
                                                   ? Qt::DescendingOrder
                                                   : Qt::AscendingOrder);
        });
        ui->tblWords->addAction(sortBy);
    }
    connect(new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), ui->tblWords, nullptr, nullptr, Qt::WidgetShortcut),
            &QShortcut::activated, this, [this] {
                QMenu::exec(ui->tblWords->actions(), ui->tblWords->viewport()->mapToGlobal(QPoint(0, 0)), nullptr,
                            ui->tblWords);
            });
}

void ProgressWindow::Form_Load() {
    QByteArray bytes;
    QString error;
    if (!m_services.appendFiles.read(History::FileName, &bytes, &error)) {
        m_words.clear();
        ui->lblTotals->setText(QStringLiteral("Could not read %1: %2").arg(History::FileName, error));
    } else {
        const QList<Attempt> attempts = History::read(bytes);
        m_words = progressByWord(attempts);
        showLettersMissed(attempts);
        const AttemptTotals totals = attemptTotals(attempts, m_services.clock.nowDateTime().toLocalTime().date(),
                                                   QLocale::system().firstDayOfWeek());
        ui->lblTotals->setText(QStringLiteral("Attempts today: %1    This week: %2    All time: %3")
                                   .arg(totals.today)
                                   .arg(totals.thisWeek)
                                   .arg(totals.allTime));
    }
    fillTable();
    fillChooser();
}

void ProgressWindow::fillTable() {
    m_table->setRowCount(0);
    const QList<int> ranks = needRanks();
    for (qsizetype i = 0; i < m_words.size(); ++i) {
        const WordProgress& word = m_words[i];
        m_table->appendRow({
            cell(word.word, word.word.toLower()),
            cell(QString::number(word.attempts.size()), word.attempts.size()),
            cell(timeText(word.best), word.best.measuredSeconds()),
            cell(secondsText(word.recentAverage), word.recentAverage),
            // Words without a change sort after every word with one.
            cell(changeText(word.change), word.change.value_or(1e300)),
            cell(QString::number(ranks[i]), ranks[i]),
        });
    }
    const QHeaderView* header = ui->tblWords->horizontalHeader();
    m_table->sort(header->sortIndicatorSection(), header->sortIndicatorOrder());
}

void ProgressWindow::fillChooser() {
    const QString shown = ui->cboWord->currentText();
    QStringList names;
    for (const WordProgress& word : m_words)
        names << word.word;
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return QString::localeAwareCompare(a, b) < 0; });
    {
        const QSignalBlocker block(ui->cboWord);
        ui->cboWord->clear();
        ui->cboWord->addItems(names);
        ui->cboWord->setCurrentIndex(std::max(0, int(names.indexOf(shown))));
    }
    cboWord_Click();
}

void ProgressWindow::showWord(const QString& word) {
    const int index = ui->cboWord->findText(word, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        ui->cboWord->setCurrentIndex(index);
}

void ProgressWindow::cboWord_Click() {
    const QString chosen = ui->cboWord->currentText();
    const auto found = std::find_if(m_words.cbegin(), m_words.cend(),
                                    [&chosen](const WordProgress& word) { return word.word == chosen; });
    drawChart(found == m_words.cend() ? nullptr : &*found);
    showPositionsMissed(found == m_words.cend() ? nullptr : &*found);
}

void ProgressWindow::drawChart(const WordProgress* word) {
    QChart* chart = ui->chtAttempts->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    if (!word) {
        chart->setTitle(QStringLiteral("No finished words yet"));
        ui->chtAttempts->setAccessibleDescription(chart->title());
        return;
    }
    chart->setTitle(word->word);

    auto* times = new QLineSeries;
    times->setName(QStringLiteral("Time of each attempt"));
    times->setPointsVisible(true);
    QList<QPointF> points;
    double highest = 0.0;
    for (const Attempt& attempt : word->attempts) {
        points << QPointF(double(attempt.when.toMSecsSinceEpoch()), attempt.measuredSeconds());
        highest = std::max(highest, attempt.measuredSeconds());
    }
    times->replace(points);
    chart->addSeries(times);

    // A single attempt, or several within a moment, still get a readable span.
    QDateTime first = word->attempts.first().when;
    QDateTime last = word->attempts.last().when;
    if (first.secsTo(last) < 3600) {
        first = first.addSecs(-12 * 3600);
        last = last.addSecs(12 * 3600);
    }
    const std::optional<double> record = m_recordOf(word->word);
    if (record) {
        auto* line = new QLineSeries;
        line->setName(QStringLiteral("Record: %1 s").arg(*record));
        line->setPen(QPen(Qt::darkGreen, 2, Qt::DashLine));
        line->append(double(first.toMSecsSinceEpoch()), *record);
        line->append(double(last.toMSecsSinceEpoch()), *record);
        chart->addSeries(line);
        highest = std::max(highest, *record);
    }

    auto* dates = new QDateTimeAxis;
    dates->setFormat(QLocale::system().dateFormat(QLocale::ShortFormat));
    dates->setTitleText(QStringLiteral("Date"));
    dates->setRange(first, last);
    auto* seconds = new QValueAxis;
    seconds->setTitleText(QStringLiteral("Seconds"));
    // Nice numbers may step by 0.05 s; "%g" shows them without rounding.
    seconds->setLabelFormat(QStringLiteral("%g"));
    seconds->setRange(0.0, highest > 0 ? highest * 1.15 : 1.0);
    seconds->applyNiceNumbers();
    chart->addAxis(dates, Qt::AlignBottom);
    chart->addAxis(seconds, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(dates);
        series->attachAxis(seconds);
    }

    ui->chtAttempts->setAccessibleDescription(QStringLiteral("%1: %2 attempts, best %3 seconds, latest %4 seconds")
                                                  .arg(word->word)
                                                  .arg(word->attempts.size())
                                                  .arg(timeText(word->best), timeText(word->attempts.last())));
}

void ProgressWindow::cmdBack_Click() {
    close();
}

void ProgressWindow::setUpPractice() {
    ui->chkPractise->setChecked(m_services.settings.read(AppTitle, Preference::Section,
                                                         Preference::PractiseNeediestWord,
                                                         QStringLiteral("0")) == QLatin1String("1"));
    connect(ui->cmdPractise, &QPushButton::clicked, this, &ProgressWindow::cmdPractise_Click);
    connect(ui->chkPractise, &QCheckBox::clicked, this, &ProgressWindow::chkPractise_Click);
    // Enter on a row (or a double click) practises its word.
    connect(ui->tblWords, &QTableView::activated, this,
            [this](const QModelIndex& index) { emit practiseChosen(m_table->item(index.row(), WordColumn)->text()); });
}

bool ProgressWindow::goesOnToNeediestWord() const {
    return ui->chkPractise->isChecked();
}

QStringList ProgressWindow::wordsByNeed() const {
    QStringList words;
    for (qsizetype index : byNeed(m_words))
        words << m_words[index].word;
    return words;
}

// Each word's place in the order of need, from 1, in the order of m_words.
QList<int> ProgressWindow::needRanks() const {
    QList<int> ranks(m_words.size());
    const QList<qsizetype> order = byNeed(m_words);
    for (qsizetype place = 0; place < order.size(); ++place)
        ranks[order[place]] = int(place + 1);
    return ranks;
}

void ProgressWindow::cmdPractise_Click() {
    if (!ui->cboWord->currentText().isEmpty())
        emit practiseChosen(ui->cboWord->currentText());
}

void ProgressWindow::chkPractise_Click() {
    m_services.settings.write(AppTitle, Preference::Section, Preference::PractiseNeediestWord,
                              ui->chkPractise->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
}

void ProgressWindow::showLettersMissed(const QList<Attempt>& attempts) {
    QStringList lines;
    for (const MistakeCount& count : lettersMissedMost(attempts).mid(0, MistakesShown)) {
        const Mistake& m = count.mistake;
        lines << (m.expected ? QStringLiteral("%1 typed as %2: %3").arg(shownLetter(m.expected), shownLetter(m.typed))
                             : QStringLiteral("%1 typed past the end: %2").arg(shownLetter(m.typed)))
                     .arg(timesText(count.times));
    }
    showList(ui->lstLetters, lines);
}

void ProgressWindow::showPositionsMissed(const WordProgress* word) {
    QStringList lines;
    if (word) {
        for (const MistakeCount& count : mistakesByPosition(*word).mid(0, MistakesShown)) {
            const Mistake& m = count.mistake;
            lines << (m.expected ? QStringLiteral("Letter %1 (%2): %3").arg(m.position).arg(shownLetter(m.expected))
                                 : QStringLiteral("Past the end (letter %1): %2").arg(m.position))
                         .arg(timesText(count.times));
        }
    }
    showList(ui->lstPositions, lines);
}
