// Clock accuracy, keystroke cost, and load, save and merge of full results
// files. bench/run.sh runs this and prints the figures as one table.
#include "fakeservices.h"
#include "form1.h"
#include "qttextfiles.h"
#include "realfiles.h"
#include "resultsformat.h"
#include "sourcemerge.h"
#include "ui_form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

const QString TargetWord = QStringLiteral("house");

// A full results file: 101 words with a record each. With faster set, every
// other word has a better time, for the other side of a merge.
QByteArray fullResults(bool faster = false) {
    QStringList lines;
    for (int i = 0; i < RecordTable::Slots; ++i) {
        const int tenths = 20 + i % 50 - (faster && i % 2 == 0 ? 5 : 0);
        lines << ResultsFormat::Marker + QStringLiteral("word%1").arg(i) << QString::number(tenths / 10.0)
              << QStringLiteral("05/12/2026 18:22:05") << QStringLiteral("Typist %1").arg(i % 7);
    }
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

void putFile(const QString& path, const QByteArray& bytes) {
    if (!writeFile(path, bytes))
        std::abort();
}

// The main window on fakes, its list holding the one word to type.
struct TypingWindow {
    FakeServices fakes;
    std::unique_ptr<Form1> form;
    Ui::Form1* ui = nullptr;

    TypingWindow() {
        fakes.files.put(QStringLiteral("results.dat"), ":::" + TargetWord.toLatin1() + "\r\n-\r\nna\r\nna\r\n");
        form = std::make_unique<Form1>(fakes.services);
        ui = form->controls();
        form->show();
        QApplication::processEvents();
        ui->Text1->setFocus();
    }
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

double percentile99(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[std::min(values.size() - 1, values.size() * 99 / 100)];
}

} // namespace

// The total time the window shows after a run of a given length with nothing
// else to do, against a monotonic clock.
static void clockDrift(benchmark::State& state) {
    const int seconds = qEnvironmentVariableIsSet("TAPMETER_BENCH_CLOCK_SECONDS")
                            ? qEnvironmentVariableIntValue("TAPMETER_BENCH_CLOCK_SECONDS")
                            : 30;
    for (auto _ : state) {
        TypingWindow window;
        QElapsedTimer monotonic;
        qint64 lastTickNs = 0;
        QObject::connect(window.form->timer(), &QTimer::timeout, [&] { lastTickNs = monotonic.nsecsElapsed(); });
        // The first change of the box starts the clock.
        monotonic.start();
        window.ui->Text1->setText(QStringLiteral("h"));
        QEventLoop loop;
        QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();

        const double shown = window.ui->Label17->text().toDouble();
        const double elapsed = lastTickNs / 1e9;
        state.counters["shown_s"] = shown;
        state.counters["elapsed_s"] = elapsed;
        state.counters["drift_pct"] = (shown - elapsed) / elapsed * 100.0;
    }
}
BENCHMARK(clockDrift)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// One key press in the typing box, from the key event to the indicator's
// colour: a letter, then a Backspace, each one change of the box. The word
// to type is "house".
static void keystroke(benchmark::State& state) {
    // The box holds boxLength characters after the letter: for a short box
    // the beginning of the word, which the letter continues correctly
    // without finishing it; for a long one words that long since went wrong.
    const int boxLength = int(state.range(0));
    TypingWindow window;
    QString box = TargetWord.left(boxLength - 1);
    while (box.size() < boxLength - 1)
        box += QStringLiteral(" hous");
    box.truncate(boxLength - 1);
    window.ui->Text1->setText(box);
    window.ui->Text1->end(false);

    std::vector<double> micros;
    micros.reserve(std::size_t(state.max_iterations));
    bool letter = true;
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, letter ? Qt::Key_S : Qt::Key_Backspace, Qt::NoModifier,
                        letter ? QStringLiteral("s") : QString(u'\b'));
        const auto start = std::chrono::steady_clock::now();
        QApplication::sendEvent(window.ui->Text1, &press);
        const auto end = std::chrono::steady_clock::now();
        const double seconds = std::chrono::duration<double>(end - start).count();
        state.SetIterationTime(seconds);
        micros.push_back(seconds * 1e6);
        letter = !letter;
    }
    if (window.ui->Text1->text().size() != boxLength - 1 && window.ui->Text1->text().size() != boxLength)
        state.SkipWithError("the keys did not reach the typing box");
    state.counters["median_us"] = median(micros);
    state.counters["p99_us"] = percentile99(micros);
}
BENCHMARK(keystroke)->ArgName("box")->Arg(4)->Arg(30000)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The change handler alone on a long box, without the line edit's own work
// of inserting the letter and laying out the text again: the program's share
// of a keystroke.
static void changeHandlerOnly(benchmark::State& state) {
    TypingWindow window;
    QString box = TargetWord.left(3);
    while (box.size() < state.range(0))
        box += QStringLiteral(" hous");
    box.truncate(state.range(0));
    window.ui->Text1->setText(box);
    std::vector<double> micros;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        window.form->Text1_Change();
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(seconds);
        micros.push_back(seconds * 1e6);
    }
    state.counters["median_us"] = median(micros);
    state.counters["p99_us"] = percentile99(micros);
}
BENCHMARK(changeHandlerOnly)->ArgName("box")->Arg(30000)->UseManualTime()->Unit(benchmark::kMicrosecond);

// A full file, from the disk into a table.
static void loadFile(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("results.dat"));
    putFile(path, fullResults());
    QtTextFiles files;
    for (auto _ : state) {
        RecordTable table;
        const ResultsFormat::ReadOutcome outcome = ResultsFormat::readRecords(*files.readLines(path), table);
        benchmark::DoNotOptimize(outcome.words.size());
    }
}
BENCHMARK(loadFile)->Unit(benchmark::kMicrosecond);

// The "Load" button: results.dat into the word table and the list.
static void loadResults(benchmark::State& state) {
    RealFilesForm1 window;
    putFile(window.resultsPath(), fullResults());
    window.start();
    for (auto _ : state)
        window.form->LoadResults();
    if (window.form->controls()->Combo1->count() != RecordTable::Slots)
        state.SkipWithError("the list does not hold the full file");
}
BENCHMARK(loadResults)->Unit(benchmark::kMicrosecond);

// SaveAll: the settings and results.dat, written safely to disk.
static void saveAll(benchmark::State& state) {
    RealFilesForm1 window;
    putFile(window.resultsPath(), fullResults());
    window.start();
    for (auto _ : state) {
        if (!window.form->SaveAll())
            state.SkipWithError("the save failed");
    }
}
BENCHMARK(saveAll)->Unit(benchmark::kMicrosecond);

// A merge of two full files: read both, merge Source 1 into Source 2, and
// rewrite Source 2.
static void mergeFiles(benchmark::State& state) {
    QTemporaryDir folder;
    const QString source1 = folder.filePath(QStringLiteral("source1.dat"));
    const QString source2 = folder.filePath(QStringLiteral("source2.dat"));
    putFile(source1, fullResults(true));
    QtTextFiles files;
    int updated = 0;
    for (auto _ : state) {
        state.PauseTiming();
        putFile(source2, fullResults());
        state.ResumeTiming();
        SourceTable table1;
        SourceTable table2;
        const QStringList words1 = ResultsFormat::readRecords(*files.readLines(source1), table1).words;
        QStringList words2 = ResultsFormat::readRecords(*files.readLines(source2), table2).words;
        updated = mergeSources(words1, table1, words2, table2).updated;
        if (!files.writeLines(source2, ResultsFormat::recordLines(table2, int(words2.size())), nullptr))
            state.SkipWithError("the rewrite failed");
    }
    state.counters["updated"] = updated;
}
BENCHMARK(mergeFiles)->Unit(benchmark::kMicrosecond);

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
