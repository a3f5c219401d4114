// Clock accuracy, keystroke cost, and load, save and merge of full results files, for bench/run.sh.
#include "bench/modeltypist.h"
#include "database/resultsformat.h"
#include "merge/sourcemerge.h"
#include "platform/qtappendfiles.h"
#include "progress/progresswindow.h"
#include "tests/harness.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <numeric>
#include <vector>

namespace {

// 101 words with a record each; faster gives every other word a better time, for a merge.
QByteArray fullResults(bool faster = false) {
    QStringList lines;
    for (int i = 0; i < RecordTable::Slots; ++i) {
        const int tenths = 20 + i % 50 - (faster && i % 2 == 0 ? 5 : 0);
        lines << ResultsFormat::Marker + QStringLiteral("word%1").arg(i) << QString::number(tenths / 10.0)
              << QStringLiteral("05/12/2026 18:22:05") << QStringLiteral("Typist %1").arg(i % 7);
    }
    return crlf(lines);
}

// Full results files in a folder of their own, and the main window on them.
struct FullFiles : Form1Harness {
    QString friendPath = root.filePath(QStringLiteral("friend.dat"));
    FullFiles()
        : Form1Harness(Files::Real) {
        if (!writeFile(resultsPath(), fullResults()) || !writeFile(friendPath, fullResults(true)))
            qFatal("cannot write the results files");
        start();
    }
};

// The main window on fakes with the word to type; the box holds begin, then words long since wrong.
struct TypingWindow : Form1Harness {
    TypingWindow(const QString& begin, int length) {
        setResults(":::house\r\n-\r\nna\r\nna\r\n");
        start();
        form->show();
        QApplication::processEvents();
        ui->Text1->setFocus();
        ui->Text1->setText((begin + QStringLiteral(" hous").repeated(length / 5 + 1)).left(length));
    }
};

// Times every step by hand and reports the median and 99th percentile.
template <typename Step> void timeEachStep(benchmark::State& state, Step step) {
    std::vector<double> micros;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        step();
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(seconds);
        micros.push_back(seconds * 1e6);
    }
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["p99_us"] = micros[std::min(micros.size() - 1, micros.size() * 99 / 100)];
}

} // namespace

// The total time the window shows after 30 s with nothing else to do, against a monotonic clock.
static void clockDrift(benchmark::State& state) {
    for (auto _ : state) {
        TypingWindow window({}, 0);
        QElapsedTimer monotonic;
        qint64 lastTickNs = 0;
        QObject::connect(window.ui->Timer1, &QTimer::timeout, [&] { lastTickNs = monotonic.nsecsElapsed(); });
        // The first change of the box starts the clock.
        monotonic.start();
        window.ui->Text1->setText(QStringLiteral("h"));
        QEventLoop loop;
        QTimer::singleShot(30'000, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();

        const double elapsed = lastTickNs / 1e9;
        state.counters["elapsed_s"] = elapsed;
        state.counters["drift_pct"] = (window.ui->Label17->text().toDouble() - elapsed) / elapsed * 100.0;
    }
}
BENCHMARK(clockDrift)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// One key press, from the key event to the indicator's colour: a letter, then a Backspace, each one
// change of the box. A short box holds the beginning of the word, which the letter continues.
static void keystroke(benchmark::State& state) {
    const int boxLength = int(state.range(0));
    TypingWindow window(QStringLiteral("house").left(boxLength - 1), boxLength - 1);
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_S, Qt::NoModifier, QStringLiteral("s"));
    QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, QString(u'\b'));
    bool typeLetter = true;
    timeEachStep(state, [&] {
        QApplication::sendEvent(window.ui->Text1, typeLetter ? &letter : &backspace);
        typeLetter = !typeLetter;
    });
    if (window.ui->Text1->text().size() != boxLength - (typeLetter ? 1 : 0))
        state.SkipWithError("the keys did not reach the typing box");
}
BENCHMARK(keystroke)->ArgName("box")->Arg(4)->Arg(30000)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The change handler alone, without the line edit's own insertion and layout.
static void changeHandlerOnly(benchmark::State& state) {
    TypingWindow window(QStringLiteral("hou"), int(state.range(0)));
    timeEachStep(state, [&] { window.form->Text1_Change(); });
}
BENCHMARK(changeHandlerOnly)->ArgName("box")->Arg(30000)->UseManualTime()->Unit(benchmark::kMicrosecond);

// A full file, from the disk into a table.
static void loadFile(benchmark::State& state) {
    FullFiles window;
    for (auto _ : state) {
        RecordTable table;
        benchmark::DoNotOptimize(ResultsFormat::readFile(*window.realFiles, window.resultsPath(), table));
    }
}
BENCHMARK(loadFile)->Unit(benchmark::kMicrosecond);

// The "Load" button: results.dat into the word table and the list.
static void loadResults(benchmark::State& state) {
    FullFiles window;
    for (auto _ : state)
        window.form->LoadResults();
    if (window.ui->Combo1->count() != RecordTable::Slots)
        state.SkipWithError("the list does not hold the full file");
}
BENCHMARK(loadResults)->Unit(benchmark::kMicrosecond);

// SaveAll: the settings and results.dat, written safely to disk.
static void saveAll(benchmark::State& state) {
    FullFiles window;
    for (auto _ : state) {
        if (!window.form->SaveAll())
            state.SkipWithError("the save failed");
    }
}
BENCHMARK(saveAll)->Unit(benchmark::kMicrosecond);

// Two full files read, the friend's (Source 1) merged into results.dat (Source 2), which is rewritten.
static void mergeFiles(benchmark::State& state) {
    FullFiles window;
    for (auto _ : state) {
        state.PauseTiming();
        writeFile(window.resultsPath(), fullResults());
        state.ResumeTiming();
        SourceTable table1;
        SourceTable table2;
        const QStringList words1 = ResultsFormat::readFile(*window.realFiles, window.friendPath, table1)->words;
        QStringList words2 = ResultsFormat::readFile(*window.realFiles, window.resultsPath(), table2)->words;
        mergeSources(words1, table1, words2, table2);
        if (!window.realFiles->writeLines(window.resultsPath(), ResultsFormat::recordLines(table2, int(words2.size())),
                                          AnsiText::Encoding::CodePage, nullptr))
            state.SkipWithError("the rewrite failed");
    }
}
BENCHMARK(mergeFiles)->Unit(benchmark::kMicrosecond);

// The shapes of history the Progress benchmarks read: 50 words, one
// finished every five minutes; 30,000 different words; one word with a
// wrong letter at a new place in every attempt; a million attempts of one
// word; a million lines of 100 words.
enum class Shape { FiftyWords, ManyWords, ManyPositions, OneWord, HundredWords };

struct HistoryShape {
    int lines;
    int words;
    bool newPositions; // every attempt's wrong letter at a place of its own
};

HistoryShape shapeOf(Shape shape, int lines) {
    switch (shape) {
    case Shape::ManyWords:
        return {100'000, 30'000, false};
    case Shape::ManyPositions:
        return {300'000, 1, true};
    case Shape::OneWord:
        return {1'000'000, 1, false};
    case Shape::HundredWords:
        return {1'000'000, 100, false};
    case Shape::FiftyWords:
        break;
    }
    return {lines, 50, false};
}

// A history in a folder of its own, in the order the words were typed.
struct LongHistory {
    QTemporaryDir root;
    QString path = root.filePath(History::FileName);
    QtAppendFiles files;
    explicit LongHistory(int lines = 100'000, Shape kind = Shape::FiftyWords) {
        const HistoryShape shape = shapeOf(kind, lines);
        QByteArray bytes = History::headerLine();
        // The last line an hour ago, so that a word finished now comes last.
        const QDateTime start = QDateTime::currentDateTime().addSecs(-qint64(shape.lines) * 300 - 3600);
        for (int i = 0; i < shape.lines; ++i) {
            const int tenths = 30 + (i * 7919) % 40;
            // One wrong letter in every fourth attempt, or in each.
            QList<Mistake> mistakes;
            if (shape.newPositions)
                mistakes.append({1 + i, U'a', U'b'});
            else if (i % 4 == 0)
                mistakes.append({1 + i % 6, char32_t(U'a' + i % 26), char32_t(U'a' + i % 23)});
            bytes += History::line({start.addSecs(qint64(i) * 300), QStringLiteral("word%1").arg(i % shape.words),
                                    QString::number(tenths / 10.0), tenths / 10.0, 6, i % 3, i % 97 == 0,
                                    tenths * 100 + i % 100, true, mistakes});
        }
        if (!writeFile(path, bytes))
            qFatal("cannot write the history");
    }
};

// One finished word added to history.csv: opened, appended to and closed.
static void historyAppend(benchmark::State& state) {
    QTemporaryDir root;
    const QString path = root.filePath(History::FileName);
    QtAppendFiles files;
    const QByteArray line = History::line({QDateTime::currentDateTime(),
                                           QStringLiteral("keyboard"),
                                           QStringLiteral("3.4"),
                                           3.4,
                                           8,
                                           1,
                                           false,
                                           3412,
                                           true,
                                           {{3, U'y', U'u'}}});
    timeEachStep(state, [&] {
        if (!files.append(path, History::headerLine(), line, nullptr))
            state.SkipWithError("the append failed");
    });
}
BENCHMARK(historyAppend)->UseManualTime()->Unit(benchmark::kMicrosecond);

// A 100,000-line history from the disk, read in parts, to every word's
// figures and the totals, as Progress reads it.
static void historyFigures(benchmark::State& state) {
    LongHistory history;
    for (auto _ : state) {
        ProgressFigures figures;
        History::Reader reader([&figures](Attempt&& attempt) { figures.add(attempt); });
        history.files.readInParts(
            history.path, [&reader](QByteArrayView part) { reader.read(part); }, nullptr);
        reader.finish();
        figures.update();
        benchmark::DoNotOptimize(figures.totals(QDate::currentDate(), Qt::Monday));
        if (figures.totals(QDate::currentDate(), Qt::Monday).allTime != 100'000)
            state.SkipWithError("the history did not read whole");
    }
}
BENCHMARK(historyFigures)->Unit(benchmark::kMillisecond);

// The largest resident memory of the process since the last call, in MiB:
// the kernel starts the count anew when asked.
static double peakMiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    double peak = 0.0;
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:"))
                peak = line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
        }
    }
    QFile reset(QStringLiteral("/proc/self/clear_refs"));
    if (reset.open(QIODevice::WriteOnly))
        reset.write("5");
    return peak;
}

// The Progress window as the main window makes it, on a long history.
struct ProgressOnLongHistory {
    explicit ProgressOnLongHistory(int lines, Shape shape = Shape::FiftyWords)
        : history(lines, shape) {}
    LongHistory history;
    FakeServices fakes;
    Services services{fakes.sound, fakes.dialogs, fakes.settings, fakes.clock, fakes.files, history.files};
    std::unique_ptr<ProgressWindow> open() {
        QDir::setCurrent(history.root.path());
        auto window = std::make_unique<ProgressWindow>(services);
        // The main window's list: the history's 50 words, each with a record.
        QList<ProgressWindow::ListedWord> listed;
        for (int i = 0; i < 50; ++i)
            listed.append({QStringLiteral("word%1").arg(i), 3.0});
        window->setWordList(listed);
        window->show();
        QApplication::processEvents();
        return window;
    }
};

// The Progress window opened on a history of 100,000 or 1,000,000 lines of
// 50 words, or 1,000,000 lines of 100 words, and drawn once: the table and
// a chart of one word's attempts. The peak is the most memory the process
// took while it did so.
static void progressWindowOpen(benchmark::State& state) {
    ProgressOnLongHistory progress(int(state.range(0)), Shape(state.range(1)));
    const QString previousFolder = QDir::currentPath();
    peakMiB();
    for (auto _ : state)
        progress.open();
    state.counters["peak_MiB"] = peakMiB();
    QDir::setCurrent(previousFolder);
}
BENCHMARK(progressWindowOpen)
    ->Args({100'000, int(Shape::FiftyWords)})
    ->Args({1'000'000, int(Shape::FiftyWords)})
    ->Args({1'000'000, int(Shape::HundredWords)})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();

// One finished word added to the open Progress window and drawn: what the
// typist waits for before the next key. The word is the history's own
// (word0), on the chart as the typist would be practising it.
static void progressFinishedWord(benchmark::State& state) {
    ProgressOnLongHistory progress(1'000'000, Shape(state.range(0)));
    const QString previousFolder = QDir::currentPath();
    const std::unique_ptr<ProgressWindow> window = progress.open();
    window->showWord(QStringLiteral("word0"));
    Attempt attempt{QDateTime::currentDateTime(),
                    QStringLiteral("word0"),
                    QStringLiteral("3.4"),
                    3.4,
                    5,
                    0,
                    false,
                    3412,
                    true,
                    {{3, U'r', U'e'}}};
    std::clock_t cpu = 0;
    timeEachStep(state, [&] {
        const std::clock_t before = std::clock();
        window->addAttempt(attempt);
        QApplication::processEvents();
        cpu += std::clock() - before;
    });
    state.counters["cpu_ms"] = double(cpu) * 1000.0 / CLOCKS_PER_SEC / double(state.iterations());
    QDir::setCurrent(previousFolder);
}
BENCHMARK(progressFinishedWord)
    ->Arg(int(Shape::FiftyWords))
    ->Arg(int(Shape::ManyWords))
    ->Arg(int(Shape::ManyPositions))
    ->Arg(int(Shape::OneWord))
    ->Arg(int(Shape::HundredWords))
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

// The practice order over a 100,000-line history of 50 words.
static void progressRankingAndMistakes(benchmark::State& state) {
    LongHistory history;
    QByteArray bytes;
    history.files.read(history.path, &bytes, nullptr);
    ProgressFigures figures;
    History::forEach(bytes, [&figures](Attempt&& attempt) { figures.add(attempt); });
    figures.update();
    for (auto _ : state)
        benchmark::DoNotOptimize(figures.practiceOrder());
}
BENCHMARK(progressRankingAndMistakes)->Unit(benchmark::kMillisecond);

// The model typist drills the first day's forty words 400 times with the
// drill on: how the attempts spread over the common, the slow and the
// error-prone words.
static void modelTypistDrill(benchmark::State& state) {
    for (auto _ : state) {
        ModelTypist typist(firstDayWords());
        const QStringList listed = typist.listed();
        const QStringList drilled = typist.drill(400);
        QList<int> common;
        QList<int> slow;
        QList<int> wrong;
        for (const ModelWord& word : typist.words())
            (word.mistakesPerAttempt > 1   ? wrong
             : word.secondsPerLetter > 0.3 ? slow
                                           : common)
                << int(drilled.count(word.word));
        qsizetype allVisited = 0;
        while (QSet<QString>(drilled.cbegin(), drilled.cbegin() + allVisited).size() < listed.size())
            ++allVisited;
        int longestRun = 1;
        for (qsizetype i = 1, run = 1; i < drilled.size(); ++i) {
            run = drilled[i] == drilled[i - 1] ? run + 1 : 1;
            longestRun = std::max(longestRun, int(run));
        }
        const auto mean = [](const QList<int>& counts) {
            return double(std::accumulate(counts.cbegin(), counts.cend(), 0)) / double(counts.size());
        };
        state.counters["all_words_by"] = double(allVisited);
        state.counters["common_min"] = *std::min_element(common.cbegin(), common.cend());
        state.counters["common_mean"] = mean(common);
        state.counters["common_max"] = *std::max_element(common.cbegin(), common.cend());
        state.counters["slow_min"] = *std::min_element(slow.cbegin(), slow.cend());
        state.counters["slow_mean"] = mean(slow);
        state.counters["wrong_min"] = *std::min_element(wrong.cbegin(), wrong.cend());
        state.counters["wrong_mean"] = mean(wrong);
        state.counters["longest_run"] = longestRun;
    }
}
BENCHMARK(modelTypistDrill)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
