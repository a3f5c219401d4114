#include "progress/progresswindow.h"

#include "platform/accessibility.h"
#include "platform/windowstyle.h"
#include "ui_progresswindow.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QCategoryAxis>
#include <QChart>
#include <QCoreApplication>
#include <QCursor>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QLocale>
#include <QMenu>
#include <QRegularExpression>
#include <QShortcut>
#include <QTextBoundaryFinder>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

enum Column { WordColumn, AttemptsColumn, BestColumn, AverageColumn, ChangeColumn, NeedColumn };

// Where the chooser's entries and the table's word cells keep the whole word.
constexpr int WordRole = Qt::UserRole + 1;
// The chooser's last entry, which shows all words day by day.
constexpr int AllWordsRole = Qt::UserRole + 2;

// Words are shown at most this many letters long, so that a word of a
// megabyte makes the window neither as wide as the word nor as heavy.
constexpr qsizetype ShownLetters = 32;
// The most points the chart draws: twenty thousand took a tenth of a second
// each time it was drawn. Beyond the fewer marked points it draws the line
// alone.
constexpr qsizetype DrawnPoints = 1000;
constexpr qsizetype MarkedPoints = 500;
// How many times the chart's axis names at most.
constexpr qsizetype AxisLabels = 4;

QString shortened(const QString& word) {
    if (word.size() <= ShownLetters)
        return word;
    // Cut between two letters as the reader sees them, not inside one.
    QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, word.left(ShownLetters + 8));
    letters.setPosition(ShownLetters);
    const qsizetype cut = letters.isAtBoundary() ? ShownLetters : letters.toPreviousBoundary();
    return word.left(cut > 0 ? cut : ShownLetters) + QChar(0x2026);
}

// The average time of the run of attempts from first on.
double averageOfRun(const WordProgress& word, qsizetype first, qsizetype run) {
    return word.averageSeconds(first, std::min(word.attempts.size(), first + run));
}

// The locale's short time without its seconds.
QString hoursAndMinutes(const QLocale& locale) {
    return locale.timeFormat(QLocale::ShortFormat).remove(QRegularExpression(QStringLiteral("[:.]s+")));
}

// Averages show hundredths; a smaller change reads as none. Times show "." in
// every language, as the main window's counters and records show them, so that
// one time reads the same in both windows.
QString secondsText(double seconds) {
    return QString::number(seconds, 'f', 2);
}

QString changeText(const std::optional<double>& change) {
    if (!change)
        return QString();
    if (std::abs(*change) < 0.005)
        return QCoreApplication::translate("ProgressWindow", "same");
    return (*change < 0 ? QCoreApplication::translate("ProgressWindow", "%1 s faster")
                        : QCoreApplication::translate("ProgressWindow", "%1 s slower"))
        .arg(secondsText(std::abs(*change)));
}

QString timesText(int times) {
    return times == 1 ? QCoreApplication::translate("ProgressWindow", "1 time")
                      : QCoreApplication::translate("ProgressWindow", "%n times", nullptr, times);
}

// A letter as a list shows it: a blank, which cannot be seen, by name.
QString shownLetter(char32_t letter) {
    return letter == U' ' ? QCoreApplication::translate("ProgressWindow", "blank") : QString::fromUcs4(&letter, 1);
}

// Words joined by spaces that never break a line.
QString nonBreaking(QString text) {
    return text.replace(QLatin1Char(' '), QChar(0x00a0));
}

void showList(QListWidget* list, const QStringList& lines) {
    list->clear();
    list->addItems(lines.isEmpty()
                       ? QStringList{QCoreApplication::translate("ProgressWindow", "No wrong letters kept yet")}
                       : lines);
}

} // namespace

// The table's rows: a word with a history each, in the order the typist
// sorted them by. The cells are read from the figures whenever they are
// shown, so that a finished word changes its own row and moves it, and
// every word's practice rank, which it changes too, is worked out only
// once the rows shown ask for it.
class ProgressTable : public QAbstractTableModel {
public:
    ProgressTable(const ProgressFigures& figures, QObject* parent)
        : QAbstractTableModel(parent)
        , m_figures(figures) {}

    int rowCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : int(m_rows.size());
    }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : NeedColumn + 1;
    }
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || section < 0 || section >= m_headers.size())
            return QVariant();
        if (role == Qt::DisplayRole)
            return m_headers[section];
        if (role == Qt::ToolTipRole && !m_explained[section].isEmpty())
            return m_explained[section];
        return QVariant();
    }
    void setHeaders(const QStringList& headers, const QStringList& explained) {
        m_headers = headers;
        m_explained = explained;
        emit headerDataChanged(Qt::Horizontal, 0, NeedColumn);
    }
    void sort(int column, Qt::SortOrder order) override;

    // Every word of the figures, read anew.
    void fill();
    // A word just finished, new or not: its row shows its figures and
    // moves to its place.
    void wordChanged(qsizetype word);
    // Every word's practice rank may have changed.
    void ranksChanged();
    QString wordAt(int row) const { return m_figures.words()[m_rows[row]].word; }
    int rowOf(const QString& word) const {
        const qsizetype index = m_figures.indexOf(word);
        return index < 0 || index >= m_rowOfWord.size() ? -1 : m_rowOfWord[index];
    }

private:
    // Below 0 where word a sorts before word b by the column, 0 where they are equal.
    int compare(qsizetype a, qsizetype b) const;
    bool before(qsizetype a, qsizetype b) const {
        const int order = compare(a, b);
        return m_order == Qt::AscendingOrder ? order < 0 : order > 0;
    }
    void numberRows(qsizetype from);

    const ProgressFigures& m_figures;
    QStringList m_headers;
    QStringList m_explained;
    QList<qsizetype> m_rows;   // the word of each row
    QList<int> m_rowOfWord;    // the row of each word
    QStringList m_sortedWords; // each word in small letters, as it sorts
    int m_column = WordColumn;
    Qt::SortOrder m_order = Qt::AscendingOrder;
};

QVariant ProgressTable::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    const WordProgress& word = m_figures.words()[m_rows[index.row()]];
    if (index.column() == WordColumn) {
        // Shown shortened where it is long; the tooltip, the screen reader
        // and the lookups get it whole.
        if (role == Qt::DisplayRole)
            return shortened(word.word);
        if (role == WordRole || role == Qt::AccessibleTextRole ||
            (role == Qt::ToolTipRole && word.word.size() > ShownLetters))
            return word.word;
        return QVariant();
    }
    if (role != Qt::DisplayRole)
        return QVariant();
    switch (index.column()) {
    case AttemptsColumn:
        return QString::number(word.attempts.size());
    case BestColumn:
        return timeText(word.best);
    case AverageColumn:
        return secondsText(word.recentAverage);
    case ChangeColumn:
        return changeText(word.change);
    default:
        return QString::number(m_figures.practiceRank(m_rows[index.row()]));
    }
}

int ProgressTable::compare(qsizetype a, qsizetype b) const {
    const WordProgress& first = m_figures.words()[a];
    const WordProgress& second = m_figures.words()[b];
    const auto numbers = [](double x, double y) { return (x > y) - (x < y); };
    switch (m_column) {
    case WordColumn:
        return QString::compare(m_sortedWords[a], m_sortedWords[b]);
    case AttemptsColumn:
        return numbers(double(first.attempts.size()), double(second.attempts.size()));
    case BestColumn:
        return numbers(first.best.measuredSeconds(), second.best.measuredSeconds());
    case AverageColumn:
        return numbers(first.recentAverage, second.recentAverage);
    case ChangeColumn:
        // Words without a change sort after every word with one.
        return numbers(first.change.value_or(1e300), second.change.value_or(1e300));
    default:
        return numbers(m_figures.practiceRank(a), m_figures.practiceRank(b));
    }
}

void ProgressTable::numberRows(qsizetype from) {
    m_rowOfWord.resize(m_figures.words().size());
    for (qsizetype row = from; row < m_rows.size(); ++row)
        m_rowOfWord[m_rows[row]] = int(row);
}

// As sorting goes, words that are equal by the column keep their order.
void ProgressTable::sort(int column, Qt::SortOrder order) {
    m_column = column;
    m_order = order;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList shown = persistentIndexList();
    QList<qsizetype> shownWords;
    for (const QModelIndex& index : shown)
        shownWords << m_rows[index.row()];
    std::stable_sort(m_rows.begin(), m_rows.end(), [this](qsizetype a, qsizetype b) { return before(a, b); });
    numberRows(0);
    QModelIndexList moved;
    for (qsizetype i = 0; i < shown.size(); ++i)
        moved << this->index(m_rowOfWord[shownWords[i]], shown[i].column());
    changePersistentIndexList(shown, moved);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ProgressTable::fill() {
    beginResetModel();
    m_sortedWords.clear();
    m_rows.clear();
    for (qsizetype word = 0; word < m_figures.words().size(); ++word) {
        m_sortedWords << m_figures.words()[word].word.toLower();
        m_rows << word;
    }
    std::stable_sort(m_rows.begin(), m_rows.end(), [this](qsizetype a, qsizetype b) { return before(a, b); });
    numberRows(0);
    endResetModel();
}

// The row goes where sorting them all would put it, found by halving: after
// the rows it equals that were above it, before those that were below. By
// practice rank, where every row may move, the table is sorted whole.
void ProgressTable::wordChanged(qsizetype word) {
    const auto firstRowAfter = [this, word](int low, int high) {
        while (low < high) {
            const int middle = low + (high - low) / 2;
            if (before(word, m_rows[middle]))
                high = middle;
            else
                low = middle + 1;
        }
        return low;
    };
    if (word >= m_sortedWords.size()) {
        m_sortedWords << m_figures.words()[word].word.toLower();
        const int row = firstRowAfter(0, int(m_rows.size()));
        beginInsertRows(QModelIndex(), row, row);
        m_rows.insert(row, word);
        numberRows(row);
        endInsertRows();
        return;
    }
    const int row = m_rowOfWord[word];
    emit dataChanged(index(row, WordColumn), index(row, ChangeColumn));
    if (m_column == NeedColumn)
        return;
    int place = firstRowAfter(0, row);
    if (place == row) {
        // Down, past the rows below that go before it.
        int low = row + 1;
        int high = int(m_rows.size());
        while (low < high) {
            const int middle = low + (high - low) / 2;
            if (before(m_rows[middle], word))
                low = middle + 1;
            else
                high = middle;
        }
        place = low;
        if (place == row + 1)
            return;
    }
    // The highlighted row, a persistent index, moves with it.
    beginMoveRows(QModelIndex(), row, row, QModelIndex(), place);
    m_rows.move(row, place > row ? place - 1 : place);
    numberRows(std::min(row, place));
    endMoveRows();
}

void ProgressTable::ranksChanged() {
    if (m_rows.isEmpty())
        return;
    emit dataChanged(index(0, NeedColumn), index(int(m_rows.size()) - 1, NeedColumn));
    if (m_column == NeedColumn)
        sort(m_column, m_order);
}

ProgressWindow::ProgressWindow(Services& services, QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::ProgressWindow>())
    , m_table(new ProgressTable(m_figures, this))
    , m_services(services)
    , m_preferences(services.settings) {
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
    connect(ui->cboWord, &QComboBox::activated, this, [this] { m_typistChose = true; });
    connect(ui->cmdBack, &QPushButton::clicked, this, &ProgressWindow::cmdBack_Click);
    // Moving through the table shows the word of the current row; the row
    // the window itself highlights for the chooser's word is no choice.
    connect(ui->tblWords->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!current.isValid())
                    return;
                const QString word = m_table->wordAt(current.row());
                if (word == ui->cboWord->currentData(WordRole).toString())
                    return;
                selectInChooser(word);
                m_typistChose = true;
            });
    pressOnEscape(ui->cmdBack);
    setAccessibleNames(this);

    Form_Load();
    ui->cboWord->setFocus();
}

ProgressWindow::~ProgressWindow() = default;

void ProgressWindow::setUpTable() {
    // Short headers, so that every column fits a window beside the main one;
    // the header's tooltip says each in full.
    const QStringList headers{tr("Word"),        tr("Attempts"), tr("Best (s)"),
                              tr("Last 10 (s)"), tr("Change"),   tr("Practice rank")};
    const QStringList explained{QString(),
                                QString(),
                                tr("The fastest attempt"),
                                tr("The average of the last 10 attempts"),
                                tr("How the average of the last 10 changed against the 10 before"),
                                tr("1 is the word that needs practice most")};
    m_table->setHeaders(headers, explained);
    ui->tblWords->setModel(m_table);
    ui->tblWords->verticalHeader()->hide();
    ui->tblWords->horizontalHeader()->setStretchLastSection(true);
    ui->tblWords->sortByColumn(WordColumn, Qt::AscendingOrder);
    // The column headers sort by mouse; the table's menu (Shift+F10 or the
    // menu key) does the same from the keyboard: again reverses the order.
    ui->tblWords->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (int column = WordColumn; column <= NeedColumn; ++column) {
        auto* sortBy = new QAction(tr("Sort by %1").arg(headers[column]), ui->tblWords);
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
    m_figures = ProgressFigures();
    // Every computer's history, read together as one, each in parts, so
    // that a long history is never held whole.
    m_historyRead = true;
    const QStringList names = m_services.appendFiles.fileNames();
    for (const QString& name : History::files(names)) {
        QString error;
        History::Reader reader([this](Attempt&& attempt) { m_figures.add(attempt); });
        m_historyRead = m_services.appendFiles.readInParts(
            name, [&reader](QByteArrayView part) { reader.read(part); }, &error);
        if (!m_historyRead) {
            ui->lblTotals->setText(tr("Could not read %1: %2").arg(name, error));
            break;
        }
        reader.finish();
    }
    // What folds took in from conflict copies, each attempt once.
    QList<QByteArray> folded;
    for (const QString& name : History::foldedFiles(names)) {
        if (!m_historyRead)
            break;
        QString error;
        m_historyRead = m_services.appendFiles.read(name, &folded.emplaceBack(), &error);
        if (!m_historyRead)
            ui->lblTotals->setText(tr("Could not read %1: %2").arg(name, error));
    }
    if (!m_historyRead) {
        m_figures = ProgressFigures();
    } else {
        History::forEach(History::foldedTogether(folded), [this](Attempt&& attempt) { m_figures.add(attempt); });
        m_figures.update();
        showLettersMissed();
        showTotals();
    }
    m_table->fill();
    ui->tblWords->resizeColumnsToContents();
    fillChooser();
}

// Speed and accuracy: words and letters a minute and the share of letters
// typed right, or that there is nothing to tell.
QString ProgressWindow::performanceText(const Performance& figures) {
    const std::optional<double> letters = figures.lettersPerMinute();
    const std::optional<double> accuracy = figures.accuracy();
    if (!letters && !accuracy)
        return tr("no attempts");
    const QLocale locale = QLocale::system();
    const QString none = QStringLiteral("\u2013");
    return tr("%1 words a minute (%2 letters a minute), %3 % right")
        .arg(letters ? locale.toString(*letters / 5.0, 'f', 0) : none,
             letters ? locale.toString(*letters, 'f', 0) : none,
             accuracy ? locale.toString(*accuracy * 100.0, 'f', 0) : none);
}

void ProgressWindow::showTotals() {
    const QDate today = m_services.clock.nowDateTime().toLocalTime().date();
    ui->lblOverall->setText(tr("Today: %1").arg(performanceText(m_figures.over(today, today))) + QLatin1Char('\n') +
                            tr("Last 7 days: %1").arg(performanceText(m_figures.over(today.addDays(-6), today))));
    const AttemptTotals totals = m_figures.totals(today, QLocale::system().firstDayOfWeek());
    // A narrow window wraps the line between the three figures, never inside one.
    ui->lblTotals->setText(QStringLiteral("%1    %2    %3")
                               .arg(nonBreaking(tr("Attempts today: %1").arg(totals.today)),
                                    nonBreaking(tr("This week: %1").arg(totals.thisWeek)),
                                    nonBreaking(tr("All time: %1").arg(totals.allTime))));
}

void ProgressWindow::fillChooser() {
    const QString shown = ui->cboWord->currentData(WordRole).toString();
    QStringList names;
    for (const WordProgress& word : m_figures.words())
        names << word.word;
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return QString::localeAwareCompare(a, b) < 0; });
    {
        const QSignalBlocker block(ui->cboWord);
        ui->cboWord->clear();
        ui->cboWord->addItem(tr("All words"));
        ui->cboWord->setItemData(0, true, AllWordsRole);
        for (const QString& name : names)
            addToChooser(name);
        ui->cboWord->setCurrentIndex(std::max(0, ui->cboWord->findData(shown, WordRole)));
    }
    cboWord_Click();
}

// Adds the word in its place among the chooser's entries, in the user's
// alphabetical order.
void ProgressWindow::addToChooser(const QString& word) {
    QComboBox* chooser = ui->cboWord;
    // After the words before it, found by halving, and before "All words".
    int entry = 0;
    int after = chooser->count() - 1;
    while (entry < after) {
        const int middle = entry + (after - entry) / 2;
        if (QString::localeAwareCompare(chooser->itemData(middle, WordRole).toString(), word) > 0)
            after = middle;
        else
            entry = middle + 1;
    }
    chooser->insertItem(entry, shortened(word), word);
    chooser->setItemData(entry, word, WordRole);
    chooser->setItemData(entry, word, Qt::AccessibleTextRole);
    if (word.size() > ShownLetters)
        chooser->setItemData(entry, word, Qt::ToolTipRole);
}

void ProgressWindow::selectInChooser(const QString& word) {
    const int entry = ui->cboWord->findData(word, WordRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (entry >= 0)
        ui->cboWord->setCurrentIndex(entry);
}

void ProgressWindow::showWord(const QString& word) {
    m_typistChose = false;
    selectInChooser(word);
}

void ProgressWindow::followWord(const QString& word) {
    if (!m_typistChose)
        selectInChooser(word);
}

// The chooser's word is the table's highlighted row too.
void ProgressWindow::highlightInTable(const QString& word) {
    if (const int row = m_table->rowOf(word); row >= 0) {
        if (ui->tblWords->currentIndex().row() != row)
            ui->tblWords->setCurrentIndex(m_table->index(row, WordColumn));
        return;
    }
    ui->tblWords->clearSelection();
}

// Practising a word makes the window follow the main window's word again.
void ProgressWindow::practise(const QString& word) {
    m_typistChose = false;
    emit practiseChosen(word);
}

void ProgressWindow::addAttempt(const Attempt& attempt) {
    // A history that could not be read is tried again rather than shown in part.
    if (m_historyRead)
        addToFigures(attempt);
    else
        Form_Load();
    if (!m_typistChose) {
        const QSignalBlocker block(ui->cboWord);
        selectInChooser(attempt.word);
    }
    cboWord_Click();
    if (ui->chkPractise->isChecked())
        chooseNextWord();
}

void ProgressWindow::setWordList(const QList<ListedWord>& words) {
    m_listed = words;
    cboWord_Click();
}

std::optional<double> ProgressWindow::recordOf(const QString& word) const {
    const auto found = std::find_if(m_listed.cbegin(), m_listed.cend(),
                                    [&word](const ListedWord& listed) { return listed.word == word; });
    return found == m_listed.cend() ? std::nullopt : found->record;
}

void ProgressWindow::addToFigures(const Attempt& attempt) {
    const bool newWord = m_figures.indexOf(attempt.word) < 0;
    m_figures.add(attempt);
    m_figures.update();
    if (newWord) {
        const QSignalBlocker block(ui->cboWord);
        addToChooser(attempt.word);
    }
    m_table->wordChanged(m_figures.indexOf(attempt.word));
    fitColumns(m_table->rowOf(attempt.word));
    m_table->ranksChanged();
    showLettersMissed();
    showTotals();
}

// Widens the columns whose widths a finished word's row outgrew. They are
// fitted to every row when the history is read; fitting them after each
// finished word measured a thousand rows each time.
void ProgressWindow::fitColumns(int row) {
    const QHeaderView* header = ui->tblWords->horizontalHeader();
    for (int column = WordColumn; column < NeedColumn; ++column) {
        if (ui->tblWords->sizeHintForIndex(m_table->index(row, column)).width() >= header->sectionSize(column))
            ui->tblWords->resizeColumnToContents(column);
    }
}

void ProgressWindow::cboWord_Click() {
    if (ui->cboWord->currentData(AllWordsRole).toBool()) {
        ui->tblWords->setCurrentIndex(QModelIndex());
        drawAllWords();
        showPositionsMissed(nullptr);
        return;
    }
    const QString chosen = ui->cboWord->currentData(WordRole).toString();
    const WordProgress* word = m_figures.find(chosen);
    highlightInTable(chosen);
    drawChart(word);
    showPositionsMissed(word);
}

void ProgressWindow::clearChart() {
    QChart* chart = ui->chtAttempts->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
}

// Speed and accuracy over all words, a point for each day practised.
void ProgressWindow::drawAllWords() {
    clearChart();
    QChart* chart = ui->chtAttempts->chart();
    chart->setTitle(tr("All words"));
    auto* speed = new QLineSeries;
    speed->setName(tr("Words a minute"));
    auto* accuracy = new QLineSeries;
    accuracy->setName(tr("Accuracy (%)"));
    double fastest = 0.0;
    const QMap<QDate, Performance>& days = m_figures.days();
    for (auto day = days.cbegin(); day != days.cend(); ++day) {
        const double at = double(QDateTime(day.key(), QTime(12, 0)).toMSecsSinceEpoch());
        if (const std::optional<double> wordsPerMinute = day->wordsPerMinute()) {
            speed->append(at, *wordsPerMinute);
            fastest = std::max(fastest, *wordsPerMinute);
        }
        if (const std::optional<double> share = day->accuracy())
            accuracy->append(at, *share * 100.0);
    }
    const QLocale locale = QLocale::system();
    for (QLineSeries* series : {speed, accuracy}) {
        series->setPointsVisible(series->count() <= MarkedPoints);
        chart->addSeries(series);
    }
    auto* dates = new QDateTimeAxis;
    dates->setFormat(locale.dateFormat(QLocale::ShortFormat));
    dates->setTickCount(int(std::clamp<qsizetype>(days.size(), 2, AxisLabels)));
    // Before the first finished word the axis shows today, not the epoch.
    const QDate today = m_services.clock.nowDateTime().toLocalTime().date();
    dates->setRange(QDateTime(days.isEmpty() ? today : days.firstKey(), QTime(0, 0)),
                    QDateTime(days.isEmpty() ? today : days.lastKey(), QTime(23, 59)));
    auto* perMinute = new QValueAxis;
    perMinute->setLabelFormat(QStringLiteral("%g"));
    perMinute->setRange(0.0, fastest > 0 ? fastest * 1.15 : 1.0);
    perMinute->applyNiceNumbers();
    auto* percent = new QValueAxis;
    percent->setLabelFormat(QStringLiteral("%g"));
    percent->setRange(0.0, 100.0);
    chart->addAxis(dates, Qt::AlignBottom);
    chart->addAxis(perMinute, Qt::AlignLeft);
    chart->addAxis(percent, Qt::AlignRight);
    for (QLineSeries* series : {speed, accuracy})
        series->attachAxis(dates);
    // Each scale takes its line's colour, which the legend names: a title
    // along the side would be cut short in a chart this low.
    for (auto [series, axis] : {std::pair{speed, perMinute}, std::pair{accuracy, percent}}) {
        series->attachAxis(axis);
        axis->setLabelsColor(series->color());
        axis->setLinePenColor(series->color());
    }
    ui->chtAttempts->setAccessibleDescription(tr("All words: %1").arg(ui->lblOverall->text()));
}

void ProgressWindow::drawChart(const WordProgress* word) {
    clearChart();
    QChart* chart = ui->chtAttempts->chart();
    if (!word) {
        chart->setTitle(tr("No finished words yet"));
        ui->chtAttempts->setAccessibleDescription(chart->title());
        return;
    }
    // The title would read a word with "<" as markup.
    chart->setTitle(shortened(word->word).toHtmlEscaped());

    // Attempts in the order they were made, one step apart however close in
    // time they came: the axis names the times, the tooltip each attempt's.
    // A word typed thousands of times is drawn as the averages of runs of
    // attempts in a row, which look the same and draw as fast as a few.
    const QList<KeptAttempt>& attempts = word->attempts;
    const qsizetype count = attempts.size();
    const qsizetype run = (count + DrawnPoints - 1) / DrawnPoints;
    QList<QPointF> points;
    double highest = 0.0;
    for (qsizetype first = 0; first < count; first += run) {
        points << QPointF(double(first + (std::min(count, first + run) - first - 1) / 2.0),
                          averageOfRun(*word, first, run));
        highest = std::max(highest, points.last().y());
    }
    auto* times = new QLineSeries;
    times->setName(run == 1 ? tr("Time of each attempt")
                            : tr("Average time of each %n attempts in a row", nullptr, int(run)));
    times->setPointsVisible(points.size() <= MarkedPoints);
    times->replace(points);
    chart->addSeries(times);
    const QLocale locale = QLocale::system();
    connect(
        times, &QLineSeries::hovered, this, [this, word = word->word, run, locale](const QPointF& point, bool over) {
            const WordProgress* found = m_figures.find(word);
            const qsizetype first = qRound64(point.x()) / run * run;
            if (!over || !found || point.x() < -0.5 || first >= found->attempts.size()) {
                QToolTip::hideText();
                return;
            }
            const QList<KeptAttempt>& shown = found->attempts;
            const auto when = [&](qsizetype i) {
                return locale.toString(shown[i].when().toLocalTime(), QLocale::ShortFormat);
            };
            const qsizetype last = std::min(shown.size(), first + run) - 1;
            QToolTip::showText(QCursor::pos(),
                               run == 1
                                   ? tr("%1: %2 s").arg(when(first), timeText(shown[first]))
                                   : tr("%1 to %2: %3 s on average")
                                         .arg(when(first), when(last), secondsText(averageOfRun(*found, first, run))),
                               ui->chtAttempts);
        });

    const std::optional<double> record = recordOf(word->word);
    if (record) {
        auto* line = new QLineSeries;
        // Records are kept in tenths, the attempts in hundredths: the best
        // point may lie a little below the line.
        line->setName(tr("Record, kept in tenths: %1 s").arg(*record));
        line->setPen(QPen(Qt::darkGreen, 2, Qt::DashLine));
        line->append(-0.5, *record);
        line->append(double(count) - 0.5, *record);
        chart->addSeries(line);
        highest = std::max(highest, *record);
    }

    // Within one day the axis names hours and minutes, across days dates;
    // a name is given once, at the first attempt it stands for.
    const QDate firstDay = attempts.first().when().toLocalTime().date();
    const QDate lastDay = attempts.last().when().toLocalTime().date();
    const bool oneDay = firstDay == lastDay;
    const QString format = oneDay ? hoursAndMinutes(locale) : locale.dateFormat(QLocale::ShortFormat);
    auto* order = new QCategoryAxis;
    order->setTitleText(oneDay ? tr("Attempts on %1").arg(locale.toString(firstDay, QLocale::ShortFormat))
                               : tr("Attempts by date"));
    order->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    order->setStartValue(-0.5);
    order->setRange(-0.5, double(count) - 0.5);
    // The axis takes each name once: an hour repeated when the clocks go
    // back keeps its first place.
    const qsizetype labels = std::min(count, AxisLabels);
    for (qsizetype k = 0; k < labels; ++k) {
        qsizetype first = labels == 1 ? 0 : k * (count - 1) / (labels - 1);
        const QDateTime at = attempts[first].when().toLocalTime();
        const QString label = locale.toString(at, format);
        // A date's first attempt is found by halving: a day may hold thousands.
        const QDateTime dayStart(at.date(), QTime(0, 0));
        if (!oneDay && dayStart.isValid()) {
            first = std::lower_bound(attempts.cbegin(), attempts.cbegin() + first, dayStart.toMSecsSinceEpoch(),
                                     [](const KeptAttempt& a, qint64 moment) { return a.moment < moment; }) -
                    attempts.cbegin();
        }
        while (first > 0 && locale.toString(attempts[first - 1].when().toLocalTime(), format) == label)
            --first;
        order->append(label, double(first));
    }
    auto* seconds = new QValueAxis;
    seconds->setTitleText(tr("Seconds"));
    // Nice numbers may step by 0.05 s; "%g" shows them without rounding.
    seconds->setLabelFormat(QStringLiteral("%g"));
    seconds->setRange(0.0, highest > 0 ? highest * 1.15 : 1.0);
    seconds->applyNiceNumbers();
    chart->addAxis(order, Qt::AlignBottom);
    chart->addAxis(seconds, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(order);
        series->attachAxis(seconds);
    }

    const QString from = locale.toString(attempts.first().when().toLocalTime(), QLocale::ShortFormat);
    const QString to = locale.toString(attempts.last().when().toLocalTime(), QLocale::ShortFormat);
    ui->chtAttempts->setAccessibleDescription(
        tr("%1: %2, best %3 seconds, latest %4 seconds")
            .arg(word->word,
                 count == 1 ? tr("1 attempt, on %1").arg(from)
                            : tr("%n attempts, from %1 to %2", nullptr, int(count)).arg(from, to),
                 timeText(word->best), timeText(attempts.last())));
}

void ProgressWindow::cmdBack_Click() {
    close();
}

void ProgressWindow::setUpPractice() {
    ui->chkPractise->setChecked(m_preferences.practiseNeediestWord());
    connect(ui->cmdPractise, &QPushButton::clicked, this, &ProgressWindow::cmdPractise_Click);
    connect(ui->chkPractise, &QCheckBox::clicked, this, &ProgressWindow::chkPractise_Click);
    ui->txtName->setText(m_preferences.recordName());
    connect(ui->txtName, &QLineEdit::textEdited, this, &ProgressWindow::txtName_Change);
    // Enter on a row (or a double click) practises its word.
    connect(ui->tblWords, &QTableView::activated, this,
            [this](const QModelIndex& index) { practise(m_table->wordAt(index.row())); });
}

// The word of the list to practise next.
void ProgressWindow::chooseNextWord() {
    const QString next = neediestListedWord();
    if (!next.isEmpty())
        emit nextWordChosen(next);
}

QString ProgressWindow::neediestListedWord() const {
    QStringList listed;
    for (const ListedWord& word : std::as_const(m_listed))
        listed << word.word;
    return m_figures.nextToPractise(listed);
}

// On "All words" there is no word to take, so the one that needs practice
// most is practised: a first day starts from Progress that way too.
void ProgressWindow::cmdPractise_Click() {
    if (ui->cboWord->currentIndex() < 0)
        return;
    const QString word = ui->cboWord->currentData(AllWordsRole).toBool()
                             ? neediestListedWord()
                             : ui->cboWord->currentData(WordRole).toString();
    if (!word.isEmpty())
        practise(word);
}

void ProgressWindow::chkPractise_Click() {
    if (!m_preferences.setPractiseNeediestWord(ui->chkPractise->isChecked()))
        m_services.dialogs.message(this, Preferences::writeFailureMessage());
}

// The name is remembered as it is typed, so that no way of leaving loses it.
void ProgressWindow::txtName_Change() {
    const QString name = ui->txtName->text();
    if (!m_preferences.setRecordName(name) && !std::exchange(m_nameFailureTold, true))
        m_services.dialogs.message(this, Preferences::writeFailureMessage());
    emit recordNameChanged(name);
}

void ProgressWindow::showLettersMissed() {
    QStringList lines;
    for (const MistakeCount& count : m_figures.lettersMissedMost()) {
        const Mistake& m = count.mistake;
        lines << (m.expected ? tr("%1 typed as %2: %3")
                                   .arg(shownLetter(m.expected), shownLetter(m.typed), timesText(count.times))
                             : tr("%1 typed past the end: %2").arg(shownLetter(m.typed), timesText(count.times)));
    }
    showList(ui->lstLetters, lines);
}

void ProgressWindow::showPositionsMissed(const WordProgress* word) {
    QStringList lines;
    if (word) {
        for (const MistakeCount& count : word->mistakesByPosition) {
            const Mistake& m = count.mistake;
            lines
                << (m.expected
                        ? tr("Letter %1 (%2): %3")
                              .arg(QString::number(m.position), shownLetter(m.expected), timesText(count.times))
                        : tr("Past the end (letter %1): %2").arg(QString::number(m.position), timesText(count.times)));
        }
    }
    showList(ui->lstPositions, lines);
}
