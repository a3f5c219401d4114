#pragma once

#include "progress/progressfigures.h"
#include "platform/services.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

namespace Ui {
class ProgressWindow;
}
class QStandardItemModel;

// The Progress window: every word's finished attempts from history.csv, one
// word's attempts over time in a chart, and how many attempts were made
// today, this week and in all.
class ProgressWindow : public QWidget {
    Q_OBJECT

public:
    // The word's record as the main window holds it; nothing for none.
    using RecordOf = std::function<std::optional<double>(const QString& word)>;

    ProgressWindow(Services& services, RecordOf recordOf, QWidget* parent = nullptr);
    ~ProgressWindow() override;

    // Whether the tick box asks for the word that needs practice most after
    // each finished word.
    bool goesOnToNeediestWord() const;
    // Every word with a history, the one that needs practice most first.
    QStringList wordsByNeed() const;

signals:
    // The typist asked to practise this word.
    void practiseChosen(const QString& word);

public slots:
    // Reads history.csv afresh and shows it.
    void Form_Load();
    // Shows this word's attempts, when it has any, until the typist chooses
    // another word here.
    void showWord(const QString& word);
    // Adds a finished word, just kept in history.csv, without reading the
    // file again, and shows that word unless the typist chose another one
    // here since showWord.
    void addAttempt(const Attempt& attempt);
    void cboWord_Click();
    void cmdBack_Click();
    void cmdPractise_Click();
    void chkPractise_Click();

private:
    void setUpTable();
    void fillTable();
    void fillRow(int row, const WordProgress& word);
    void showRanks();
    void addToFigures(const Attempt& attempt);
    void sortTable();
    void fillChooser();
    void addToChooser(const QString& word);
    void selectInChooser(const QString& word);
    void showTotals();
    void drawChart(const WordProgress* word);
    void setUpPractice();
    QList<int> needRanks() const;
    void showLettersMissed();
    void showPositionsMissed(const WordProgress* word);

    std::unique_ptr<Ui::ProgressWindow> ui;
    QStandardItemModel* m_table;

    Services& m_services;
    RecordOf m_recordOf;
    QList<WordProgress> m_words;
    AttemptTotals m_totals;
    QList<MistakeCount> m_lettersMissed;
    bool m_historyRead = false;
    // Which of the histories read is this computer's, which a finished word
    // is added to.
    int m_ownHistory = 0;
    // The chart stays on a word the typist chose here.
    bool m_typistChose = false;
};
