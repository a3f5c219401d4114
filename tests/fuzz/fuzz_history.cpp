// history.csv read the way the Progress window reads it: every attempt read keeps the reader's promises, the figures
// account for each of them, and an attempt written again reads back the same.
#include "progress/history.h"
#include "progress/progressfigures.h"
#include "tests/fuzz/check.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

bool sameAttempt(const Attempt& a, const Attempt& b) {
    return a.word == b.word && a.seconds == b.seconds && a.letters == b.letters && a.fixes == b.fixes &&
           a.record == b.record && a.milliseconds == b.milliseconds && a.mistakes == b.mistakes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<Attempt> attempts = History::read(bytes);
    // Read in parts of a few bytes, the same attempts.
    QList<Attempt> inParts;
    History::Reader reader([&inParts](Attempt&& attempt) { inParts << std::move(attempt); });
    for (qsizetype at = 0; at < bytes.size(); at += 7)
        reader.read(QByteArrayView(bytes.constData() + at, std::min<qsizetype>(7, bytes.size() - at)));
    reader.finish();
    check(inParts.size() == attempts.size() &&
              std::equal(inParts.cbegin(), inParts.cend(), attempts.cbegin(), sameAttempt),
          "read in parts, the attempts differ");

    ProgressFigures figures;
    for (const Attempt& attempt : attempts)
        figures.add(attempt);
    figures.update();
    qsizetype counted = 0;
    for (const WordProgress& word : figures.words()) {
        counted += word.attempts.size();
        check(!word.attempts.isEmpty() && !std::isnan(word.recentAverage) && word.need >= 0,
              "a word without an average or need");
        for (const KeptAttempt& attempt : word.attempts)
            check(word.best.milliseconds <= attempt.milliseconds, "a faster attempt");
    }
    check(counted == attempts.size(), "attempts lost or counted twice");
    const AttemptTotals totals = figures.totals(QDate(2026, 12, 7), Qt::Monday);
    check(totals.today <= totals.thisWeek && totals.thisWeek <= totals.allTime && totals.allTime == counted,
          "totals out of order");

    for (const Attempt& attempt : attempts) {
        check(attempt.when.isValid() && attempt.secondsValue >= 0 && attempt.letters >= 0 && attempt.fixes >= 0,
              "an attempt the reader should have skipped");
        // A word holds no line break; the reader keeps words whole across a break only as far as it can tell.
        static const QRegularExpression lineBreak(QStringLiteral("[\r\n]"));
        if (attempt.word.contains(lineBreak) || attempt.seconds.contains(lineBreak))
            continue;
        const QList<Attempt> again = History::read(History::headerLine() + History::line(attempt));
        check(again.size() == 1 && sameAttempt(again.first(), attempt), "an attempt written again reads otherwise");
    }
    return 0;
}
