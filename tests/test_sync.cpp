// The working folder kept in step between computers by a sync engine: each computer's own files read together, the
// conflict copies each engine leaves folded in, and a results.dat changed on disk never saved over.
#include "platform/syncedfiles.h"
#include "progress/history.h"
#include "tests/harness.h"

#include <QTableView>
#include <QTest>

namespace {

const QDateTime Noon(QDate(2026, 12, 5), QTime(12, 0), Qt::OffsetFromUTC, 3600);

QByteArray historyLine(const QString& word, const QString& seconds, int minute, const QDateTime& noon = Noon) {
    const double value = seconds.toDouble();
    return History::line({noon.addSecs(minute * 60), word, seconds, value, 5, 0, false, int(value * 1000), true, {}});
}

QByteArray history(const QByteArrayList& lines) {
    return History::headerLine() + lines.join();
}

// The words listed with their records, "word time name" each.
QString listWithRecords(Form1Harness& h) {
    QStringList shown;
    for (int i = 0; i < h.ui->Combo1->count(); ++i) {
        chooseEntry(h.ui->Combo1, i);
        shown << h.ui->Combo1->currentText() + " " + h.ui->Text2->text() + " " + h.ui->Text4->text();
    }
    return shown.join(", ");
}

} // namespace

class TestSync : public QObject {
    Q_OBJECT

private slots:
    // The names each engine gives the copy it keeps beside a file, and names that only look like them.
    void conflictNamesOfEachEngine_data() {
        // The original's name; none where it is no conflict copy.
        const Table<QString, QString> table("name", "original");
        table.row("Syncthing", "results.sync-conflict-20261207-193000-ABCDEFG.dat", "results.dat");
        table.row("Syncthing before device ids", "history.sync-conflict-20261207-193000.csv", "history.csv");
        table.row("Syncthing, a computer's file", "results-laptop-3f2a9c1e.sync-conflict-20261207-193000-Q2XK4ZB.dat",
                  "results-laptop-3f2a9c1e.dat");
        table.row("Nextcloud", "results (conflicted copy 2026-12-07 193000).dat", "results.dat");
        table.row("Nextcloud with the user", "history (conflicted copy Ann Lee 2026-12-07 193000).csv", "history.csv");
        table.row("older ownCloud", "results_conflict-20261207-193000.dat", "results.dat");
        table.row("Dropbox", "results (Computer's conflicted copy 2026-12-07).dat", "results.dat");
        table.row("Dropbox, a user, typographic apostrophe, a number",
                  "history (Ann\u2019s conflicted copy 2026-12-07 (1)).csv", "history.csv");
        table.row("Dropbox without a date", "results (conflicted copy).dat", "results.dat");
        table.row("a folded copy", "results.sync-conflict-20261207-193000-ABCDEFG.dat.folded", "");
        table.row("a date one digit short", "results.sync-conflict-2026127-193000-ABCDEFG.dat", "");
        table.row("a time one digit short", "results (conflicted copy 2026-12-07 19300).dat", "");
        table.row("no time", "results_conflict-20261207.dat", "");
        table.row("a copy the typist made", "results (copy 2026-12-07).dat", "");
        table.row("the kept copy", "results.dat.bak", "");
        table.row("a computer's own file", "history-laptop-3f2a9c1e.csv", "");
    }

    void conflictNamesOfEachEngine() {
        QFETCH(QString, name);
        QFETCH(QString, original);
        QCOMPARE(SyncedFiles::conflictOriginal(name).value_or(QString()), original);
    }

    // Each computer's own copy of its records is folded in at start, silently, the faster record of each word kept; a
    // word removed here and still listed there comes back. A save writes results.dat and this computer's own copy.
    void everyComputersRecordsAreFoldedIn() {
        Form1Harness h;
        h.fakes.files.put("results-laptop.dat", crlf(resultLines("house 2.5 D Lap;garden 9 D Lap;kite 3 D Lap")));
        h.fakes.files.put("results-desk.dat", crlf(resultLines("house 3.5 D Desk;tree 4 D Desk")));
        h.start(resultLines("house 3 D Me;garden 8 D Me"));

        QCOMPARE(listWithRecords(h), "house 2.5 Lap, garden 8 Me, tree 4 Desk, kite 3 Lap");
        QCOMPARE(h.fakes.dialogs.messages(), QStringList());

        h.ui->Command4->click();
        const QByteArray saved = crlf(resultLines("house 2.5 D Lap;garden 8 D Me;tree 4 D Desk;kite 3 D Lap"));
        QCOMPARE(h.results(), saved);
        QCOMPARE(h.fakes.files.bytes(ResultsFormat::ownFileName()), saved);
    }

    // Copies that Syncthing, Nextcloud and Dropbox left beside results.dat, a computer's records and the histories are
    // folded in at start, told once with their names, kept under a name not folded again once what they gave is
    // written; a history line already kept is not added twice.
    void conflictCopiesAreFoldedInOnce() {
        Form1Harness h;
        h.fakes.files.put("results.sync-conflict-20261207-193000-ABCDEFG.dat",
                          crlf(resultLines("house 2 D Ann;kite 5 D Ann")));
        h.fakes.files.put("results-desk (conflicted copy 2026-12-07 193000).dat", crlf(resultLines("house 3 D Bob")));
        h.fakes.files.put("results (Computer's conflicted copy 2026-12-07).dat", crlf(resultLines("garden 8 D Cy")));
        // Dropbox names its copies by the day: one of the same name was folded in earlier that day.
        h.fakes.files.put("results (Computer's conflicted copy 2026-12-07).dat.folded", "kept");
        h.fakes.appendFiles.files["history.csv"] = history({historyLine("house", "3", 1)});
        const QByteArray copied =
            history({historyLine("house", "3", 1), historyLine("kite", "5", 2), historyLine("kite", "5", 2)});
        h.fakes.appendFiles.files["history (Ann's conflicted copy 2026-12-07).csv"] = copied;
        h.start(resultLines("house 2 D Me;garden 7 D Me"));
        h.form->show();
        QTRY_COMPARE(h.fakes.dialogs.messages().size(), 1);

        // The list: ties keep the record listed, the faster one wins, missing words are added.
        QCOMPARE(listWithRecords(h), "house 2 Me, garden 7 Me, kite 5 Ann");
        QCOMPARE(h.results(), crlf(resultLines("house 2 D Me;garden 7 D Me;kite 5 D Ann")));
        // The message names every copy and what it gave.
        const QString told = h.fakes.dialogs.messages().constFirst();
        for (const char* name :
             {"results.sync-conflict-20261207-193000-ABCDEFG.dat",
              "results-desk (conflicted copy 2026-12-07 193000).dat",
              "results (Computer's conflicted copy 2026-12-07).dat", "history (Ann's conflicted copy 2026-12-07).csv"})
            QVERIFY2(told.contains(name), qPrintable(told));
        QVERIFY2(told.contains("Records updated: 0, words added: 1, finished words added: 2."), qPrintable(told));
        // Both kite lines are two attempts; the house line was kept already. They go into this computer's folded
        // history, in its local time as it writes its own lines.
        QCOMPARE(h.fakes.appendFiles.files.value(History::ownFoldedFileName()),
                 history({historyLine("kite", "5", 2, Noon.toLocalTime()),
                          historyLine("kite", "5", 2, Noon.toLocalTime())}));
        QVERIFY(!h.fakes.appendFiles.files.contains(History::ownFileName()));
        QCOMPARE(h.fakes.appendFiles.files.value("history (Ann's conflicted copy 2026-12-07).csv.folded"), copied);
        QCOMPARE(h.fakes.files.fileNames(), (QStringList{"results (Computer's conflicted copy 2026-12-07).dat.folded",
                                                         "results (Computer's conflicted copy 2026-12-07).dat.folded-2",
                                                         "results-desk (conflicted copy 2026-12-07 193000).dat.folded",
                                                         ResultsFormat::ownFileName(), "results.dat",
                                                         "results.sync-conflict-20261207-193000-ABCDEFG.dat.folded"}));

        // Nothing is folded again.
        h.ui->Command2->click();
        QCOMPARE(h.fakes.dialogs.messages().size(), 1);
    }

    // A copy that cannot be read is left where it is and named; one that cannot be taken whole gives what it can and
    // stays too; so does every copy when results.dat cannot be written.
    void aCopyThatCannotBeReadIsLeftAndNamed() {
        Form1Harness h;
        h.fakes.files.put("results.sync-conflict-20261207-193000-ABCDEFG.dat", crlf(resultLines("kite 5 D Ann")));
        h.fakes.files.unreadable.insert(h.fakes.files.absolute("results.sync-conflict-20261207-193000-ABCDEFG.dat"));
        h.fakes.files.put("results_conflict-20261207-193000.dat", "junk\r\n" + crlf(resultLines("tree 4 D Bob")));
        h.start(resultLines("house 2 D Me"));
        h.form->show();
        QTRY_COMPARE(h.fakes.dialogs.messages().size(), 1);

        QCOMPARE(listWithRecords(h), "house 2 Me, tree 4 Bob");
        QVERIFY(h.fakes.dialogs.messages().constFirst().endsWith(
            "left as they "
            "are:\r\nresults.sync-conflict-20261207-193000-ABCDEFG.dat\r\nresults_conflict-20261207-193000.dat"));
        QVERIFY(h.fakes.files.has("results.sync-conflict-20261207-193000-ABCDEFG.dat"));
        QVERIFY(h.fakes.files.has("results_conflict-20261207-193000.dat"));

        // A copy is put aside only once results.dat holds what it gave.
        h.fakes.files.put("results (conflicted copy 2026-12-07 193000).dat", crlf(resultLines("cat 1 D Cy")));
        h.fakes.files.failWrites = "No space left on device";
        h.ui->Command2->click();
        QVERIFY(h.fakes.dialogs.messages().constLast().endsWith(
            "results (conflicted copy 2026-12-07 193000).dat\r\nCould not save results.dat: No space left on device"));
        QVERIFY(h.fakes.files.has("results (conflicted copy 2026-12-07 193000).dat"));
    }

    // Progress reads history.csv and every computer's history as one, in the order of their dates. A conflict copy is
    // folded into this computer's folded history first, without the attempts kept already; an attempt that another
    // computer folded in from the same copy meanwhile counts once.
    void everyComputersHistoryIsReadAsOne() {
        Form1Harness h;
        h.fakes.appendFiles.files["history.csv"] =
            history({historyLine("house", "3", 5), historyLine("house", "3", 5)});
        h.fakes.appendFiles.files["history-desk.csv"] = history({historyLine("house", "4", 1)});
        h.fakes.appendFiles.files["history-laptop.csv"] =
            history({historyLine("house", "2", 9), historyLine("house", "5", 0)});
        // The copy's first two lines are two attempts, one of them kept already.
        h.fakes.appendFiles.files["history-desk.sync-conflict-20261207-193000-ABCDEFG.csv"] =
            history({historyLine("house", "4", 1), historyLine("house", "4", 1), historyLine("house", "1", 3)});
        h.start(resultLines("house 2 D Me"));
        // The laptop folded in the same copy before it saw this computer's fold, in its own time zone, and another
        // copy with an attempt made twice in a second.
        h.fakes.appendFiles.files["folded-history-laptop.csv"] =
            history({historyLine("house", "1", 3, Noon.toOffsetFromUtc(-7200)), historyLine("house", "6", 4),
                     historyLine("house", "6", 4)});
        h.ui->mnuProgress->trigger();
        const Controls progress{shownWindow("ProgressWindow")};

        // Two alike lines of one history are two attempts; the latest is the latest by its date.
        QCOMPARE(progress.find<QWidget>("chtAttempts")->accessibleDescription().section(", best", 0, 0),
                 "house: 9 attempts, from 5 Dec 2026 07:30:00 to 5 Dec 2026 07:39:00");
    }

    // A save first folds in the records of a results.dat that another computer wrote since it was read, and tells so.
    void aChangeOnDiskIsFoldedInBeforeSaving() {
        Form1Harness h;
        h.start(resultLines("house 3 D Me;garden - na na"));
        h.fakes.dialogs.promptAnswers << "Me";
        chooseEntry(h.ui->Combo1, 1);
        h.type("garden");
        // Meanwhile the other computer saved a faster house and a new word.
        h.setResults(crlf(resultLines("house 2 D Lap;kite 5 D Lap")));

        h.ui->Command4->click();

        QCOMPARE(h.fakes.dialogs.messages().size(), 2);
        QVERIFY(h.fakes.dialogs.messages().constFirst().endsWith("Records updated: 1, words added: 1."));
        QCOMPARE(h.fakes.dialogs.messages().constLast(), "Saved!");
        QCOMPARE(listWithRecords(h), "house 2 Lap, garden 0 Me, kite 5 Lap");
        QCOMPARE(h.results(),
                 crlf(resultLines("house 2 D Lap;garden 0 05/12/2026_18:22:05 Me;kite 5 D Lap")).replace('_', ' '));
        // Saved again with nothing changed on disk, nothing is told.
        h.ui->Command4->click();
        QCOMPARE(h.fakes.dialogs.messages().size(), 3);
    }

    // Source 2 written by another computer after "Open": the merge opens it again, tells so, and merges into it as it
    // is.
    void aMergeGoesIntoSource2AsItIsNow() {
        Form1Harness h;
        h.openRecords("house 2 D Ann", "house 3 D Me");
        h.fakes.files.put(h.source2Path, crlf(resultLines("house 3 D Me;kite 4 D Lap")));

        h.w->Command5->click();

        QVERIFY(h.fakes.dialogs.messages().constFirst().contains("was changed on disk since it was opened"));
        QCOMPARE(h.fakes.files.bytes(h.source2Path), crlf(resultLines("house 2 D Ann;kite 4 D Lap")));
    }
};

QTEST_MAIN(TestSync)
#include "test_sync.moc"
