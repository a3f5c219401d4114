#pragma once

#include "platform/preferences.h"
#include "platform/services.h"
#include "progress/progressfigures.h"

#include <QHash>
#include <QWidget>

#include <memory>
#include <optional>

namespace Ui {
class ProgressWindow;
}
class ProgressTable;

// The Progress window: every word's finished attempts from history.csv, one
// word's attempts over time in a chart, and how many attempts were made
// today, this week and in all.
class ProgressWindow : public QWidget {
    Q_OBJECT

public:
    // A word of the main window's list and its record in seconds, if it has one.
    struct ListedWord {
        QString word;
        std::optional<double> record;
    };

    explicit ProgressWindow(Services& services, QWidget* parent = nullptr);
    ~ProgressWindow() override;

signals:
    // The typist asked to practise this word.
    void practiseChosen(const QString& word);
    // With the tick box ticked, after each finished word: the listed word
    // that needs practice most, to be typed next.
    void nextWordChosen(const QString& word);
    // The typist changed the name new records are kept under.
    void recordNameChanged(const QString& name);

public slots:
    // Reads history.csv afresh and shows it.
    void Form_Load();
    // The words of the main window's list, each with its record, whenever
    // they change.
    void setWordList(const QList<ProgressWindow::ListedWord>& words);
    // Shows this word's attempts, when it has any, until the typist chooses
    // another word here.
    void showWord(const QString& word);
    // The word to type now, whenever it changes: shown unless the typist
    // chose another word here since Practise or showWord.
    void followWord(const QString& word);
    // Adds a finished word, just kept in history.csv, without reading the
    // file again, and shows that word unless the typist chose another one
    // here since showWord. With the tick box ticked, announces the next word.
    void addAttempt(const Attempt& attempt);
    void cboWord_Click();
    void cmdBack_Click();
    void cmdPractise_Click();
    void chkPractise_Click();
    void txtName_Change();

private:
    void setUpTable();
    void fitColumns(int row);
    void addToFigures(const Attempt& attempt);
    void fillChooser();
    void addToChooser(const QString& word);
    void selectInChooser(const QString& word);
    void highlightInTable(const QString& word);
    void practise(const QString& word);
    void showTotals();
    void drawChart(const WordProgress* word);
    void drawAllWords();
    void clearChart();
    static QString performanceText(const Performance& figures);
    void setUpPractice();
    void chooseNextWord();
    QString neediestListedWord() const;
    std::optional<double> recordOf(const QString& word) const;
    void showLettersMissed();
    void showPositionsMissed(const WordProgress* word);

    std::unique_ptr<Ui::ProgressWindow> ui;
    ProgressTable* m_table;

    Services& m_services;
    Preferences m_preferences;
    QList<ListedWord> m_listed;
    ProgressFigures m_figures;
    bool m_historyRead = false;
    // A name that cannot be remembered is told once while the window is open.
    bool m_nameFailureTold = false;
    // The chart stays on a word the typist chose here.
    bool m_typistChose = false;
};
