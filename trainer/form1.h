#pragma once

#include "database/recordtable.h"
#include "merge/sourcemerge.h"
#include "platform/ansitext.h"
#include "platform/preferences.h"
#include "platform/services.h"
#include "progress/history.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <memory>

namespace Ui {
class Form1;
}
class Form2;
class Form3;
class ProgressWindow;
class QCheckBox;
class QTimer;

// The main window: the typing trainer and its word list. Closing it ends the
// program.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    explicit Form1(Services& services, QWidget* parent = nullptr);
    ~Form1() override;

public slots:
    // Start-up and shutdown.
    void Form_Load();
    bool Form_Unload();
    // The end of the desktop session or a signal to end: saves without asking
    // anything, whether the save works or not, and ends the program.
    void endSession();
    void mnuAbout_Click();
    void mnuUpdate_Click();
    void mnuProgress_Click();

    // The word table and the results file.
    void LoadResults();
    bool SaveAll();
    void Command2_Click();

    // The typing engine.
    void Text1_Change();
    void Text1_KeyPress(int keyAscii);

    // The run clock and the automatic action.
    void Timer1_Timer();
    void Command1_Click();
    void Command6_Click();
    void Combo3_Click();
    void Text5_Change();

    // Word completion.
    void CheckWordFinished();

    // Word list editing.
    void Combo1_Click();
    int Combo1_KeyPress(int keyAscii);
    void Command3_Click();
    // Adds the words of a text file, one a line, as far as the list has room.
    void mnuAddWords_Click();
    void Command5_Click();
    void Command4_Click();
    void RemoveTableSlot(int k);

    // Chooses the word to practise and puts the focus into the typing box.
    void practiseWord(const QString& word);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool runAutomaticActionAfterChange();
    // While Update Results keeps the main window unavailable, brings it
    // forward instead and returns true.
    bool sendToUpdateResults();
    // Writes results.dat and this computer's own copy of it, having folded
    // in what changed on disk. On failure sets *error to the whole message.
    bool saveResults(QString* error);
    // Folding in the records of other computers and of sync engines' copies.
    QStringList listedWords() const;
    std::optional<MergeOutcome> foldRecordsOf(const QString& path, bool* whole);
    void foldComputerFiles();
    // Folds in the conflict copies beside results.dat and the histories;
    // returns what the typist is to be told, if anything.
    QString foldConflictCopies();
    void foldChangesOnDisk();
    void noteResultsOnDisk();
    // A message about the loaded words: held back while the window is not
    // on the screen yet, so that the box can belong to it.
    void tellUser(const QString& text);
    void showHeldMessages();
    void showMatch(bool correct);
    void playCue(const QString& fileName) const;
    bool soundsOn() const;
    bool caseSensitive() const;
    int wordCount() const;
    void showWordCount();
    void showWordLength();
    void showWordToType();
    void selectWord(int index);
    // Puts a word that passed the word rules at the end of the list.
    void appendWord(const QString& word);
    void connectHandlers();
    void keepAttempt(const Attempt& attempt);
    void noteMistake(const QString& typed, bool correct);
    void goOnToWord(const QString& word);
    void showWordListInProgress();
    int listIndexOf(const QString& word) const;

    // The controls, handlers and run variables keep the names the windows
    // were designed with (Text1, Timer1_Timer, SinceLastLetter), the same in
    // every window; all else is m_-prefixed.
    std::unique_ptr<Ui::Form1> ui;
    QTimer* Timer1;

    Services& m_services;
    Preferences m_preferences;
    WordTable m_wordTable;
    QPointer<Form2> m_form2;
    QPointer<Form3> m_form3;
    QPointer<ProgressWindow> m_progress;

    double SinceLastLetter = 0.0;
    bool BackspacePending = false;
    std::array<QString, 3> CriterionLimits;
    // What the last SaveAll could not save and why, for the message that
    // reports it.
    QString m_saveFailure;
    // The loaded results.dat held more than the list keeps.
    bool m_keepCopyBeforeSave = false;
    // results.dat is there but could not be read, and is not to be replaced.
    bool m_resultsUnreadable = false;
    // What the list was last read as; before that, a new file's code page.
    AnsiText::Encoding m_resultsEncoding = AnsiText::Encoding::CodePage;
    // results.dat as it was last read or written, to tell a change on disk.
    std::optional<QByteArray> m_resultsOnDisk;
    QStringList m_heldMessages;
    // The word list's open list has just closed, and a word picked now was
    // picked in it.
    bool m_listJustClosed = false;
    // The name new records are kept under without asking; empty, each
    // record asks for it.
    QString m_recordName;
    bool m_sessionEnded = false;
    // A history that cannot be written is told once while the program runs.
    bool m_historyFailureTold = false;
    // The attempt under way: when its run started on the steady clock, its
    // wrong beginnings so far, and whether the text is wrong at the moment.
    qint64 m_runStarted = 0;
    QList<Mistake> m_mistakes;
    bool m_typedWrong = false;
};

// A check box's value as the program counts it: 0 not ticked, 1 ticked,
// 2 greyed.
int checkValue(const QCheckBox* box);
void setCheckValue(QCheckBox* box, int value);
