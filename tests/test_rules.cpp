// The plain rules under the windows, each with a table of its own: the number
// a text begins with and number texts, the word count, letter case and the
// merge of one results table into another (Update Results shows the order of
// two record times).
#include "database/recordtime.h"
#include "database/resultsformat.h"
#include "merge/comparison.h"
#include "merge/sourcemerge.h"
#include "progress/history.h"
#include "tests/resultlines.h"
#include "tests/table.h"
#include "trainer/lettercase.h"
#include "trainer/numbertext.h"

#include <QTest>

class TestRules : public QObject {
    Q_OBJECT

private slots:
    // A text read as the number it begins with (the fuzz target holds the reading
    // against the C library's), brought to some decimals or not, and written back.
    void numbersReadAndWritten_data() {
        // Decimals -1: not rounded.
        const Table<QString, int, QString> table("text", "decimals", "written");
        table.row("blanks, tabs and line feeds anywhere", " \t1 2\n.5", -1, "12.5");
        table.row("sign and exponent", "-1.5e2x", -1, "-150");
        table.row("zero has no sign", "-0", -1, "0");
        table.row("fifteen digits hide the binary error", "0.30000000000000004", -1, "0.3");
        table.row("half to even, down", "0.0625", 3, "0.062");
        table.row("half to even, up", "0.0675", 3, "0.068");
        table.row("half to even, to a whole", "1000.05", 1, "1000");
    }

    void numbersReadAndWritten() {
        QFETCH(QString, text);
        QFETCH(int, decimals);
        const double number = numberFromText(text);
        QTEST(numberText(decimals < 0 ? number : roundHalfEven(number, decimals)), "written");
    }

    void wordCount_data() {
        const Table<QString, int> table("text", "words");
        table.row("blanks only", "   ", 0);
        table.row("blanks around and between", "  hello   world  ", 2);
        table.row("a tab separates no words", "a\tb", 1);
    }

    void wordCount() {
        QFETCH(QString, text);
        QTEST(CountWords(text), "words");
    }

    // Pairs of texts are written "a|b".
    void sameLettersInAnyCase_data() {
        const Table<QString, bool, bool> table("pair", "caseSensitive", "same");
        table.row("case sensitive", "Cat|cat", true, false);
        // One letter stands for one: "ß" is no "ss".
        table.row("ß is its own capital", "straße|STRAßE", false, true);
        table.row("ß is no ss", "strasse|straße", false, false);
        table.row("beyond 16 bits, case blind", "\U00010428x|\U00010400X", false, true);
        // "é" as one character and as "e" with a combining acute.
        table.row("composed and decomposed", "caf\u00e9|cafe\u0301", true, true);
        table.row("accents in another order", "\u1ec7|e\u0323\u0302", true, true);
        table.row("another accent", "caf\u00e9|cafe\u0300", true, false);
        table.row("Greek final sigma, case blind", "λόγος|ΛΌΓΟΣ", false, true);
    }

    void sameLettersInAnyCase() {
        QFETCH(QString, pair);
        QFETCH(bool, caseSensitive);
        const QString a = pair.section(u'|', 0, 0), b = pair.section(u'|', 1);
        QTEST(sameLetters(a, b, caseSensitive), "same");
        QTEST(sameLetters(b, a, caseSensitive), "same");
    }

    // What the indicator shows: whether the text typed so far is a correct
    // beginning of the word ("word|typed").
    void correctBeginnings_data() {
        const Table<QString, bool, bool> table("pair", "caseSensitive", "correct");
        table.row("a plain beginning", "cat|ca", true, true);
        table.row("past the end", "cat|cats", true, false);
        table.row("capitals, case blind", "cat|CA", false, true);
        table.row("capitals, case sensitive", "cat|CA", true, false);
        table.row("nothing typed", "cat|", true, true);
        table.row("no word", "|a", true, false);
        table.row("a base waiting for its accent", "caf\u00e9|caf\u0065", true, true);
        table.row("decomposed typed, composed word", "caf\u00e9s|cafe\u0301", true, true);
        table.row("composed typed, decomposed word", "cafe\u0301s|caf\u00e9", true, true);
        table.row("the wrong accent", "caf\u00e9|cafe\u0300", true, false);
        table.row("the accent left out", "caf\u00e9s|cafes", true, false);
        table.row("Cyrillic, case blind", "привет|ПРИ", false, true);
        table.row("ß is no ss", "straße|strass", false, false);
        table.row("a Korean syllable on its way", "\ud55c\uae00|\ud558", true, true);
    }

    void correctBeginnings() {
        QFETCH(QString, pair);
        QFETCH(bool, caseSensitive);
        QTEST(beginsWord(pair.section(u'|', 0, 0), pair.section(u'|', 1), caseSensitive), "correct");
    }

    // Letters as the word length and the mistake notes count them: a letter with
    // its accents is one. The mistake is the first wrong letter of "word|typed".
    void lettersCountedAsSeen_data() {
        // The letters of the word, and the first wrong one typed.
        const Table<QString, int, QString> table("pair", "letters", "mistake");
        table.row("plain letters", "cat|cx", 3, "2:a>x");
        table.row("decomposed accents count once", "cafe\u0301s|cafe\u0301x", 5, "5:s>x");
        table.row("the wrong accent, composed", "caf\u00e9|cafe\u0300", 4, "4:\u00e9>\u00e8");
        table.row("two accents on one letter", "vi\u1ec7t|vie\u0323\u0302x", 4, "4:t>x");
        table.row("a letter that does not compose", "q\u0303a|q\u0303b", 2, "2:a>b");
        table.row("past the end", "\u017c\u00f3\u0142w|\u017c\u00f3\u0142wy", 4, "5:>y");
        table.row("Hebrew", "שלום|שלוט", 4, "4:ם>ט");
        table.row("a flag is one letter", "\U0001F1F5\U0001F1F1a|\U0001F1F5\U0001F1F1b", 2, "2:a>b");
    }

    void lettersCountedAsSeen() {
        QFETCH(QString, pair);
        QFETCH(QString, mistake);
        const QString word = pair.section(u'|', 0, 0);
        QTEST(int(letterCount(word)), "letters");
        const Mistake found = firstWrongLetter(word, pair.section(u'|', 1), true).value_or(Mistake{});
        QCOMPARE(History::mistakesText({found}), mistake);
    }

    void mergeOfTwoTables_data() {
        // Merged: Source 2 afterwards, then the report.
        const Table<QString, QString, QString> table("source1", "source2", "merged");
        table.row("equal times stay", "a 4.3 D1 N1", "a 4.30 D2 N2", "a 4.30 D2 N2 | Done!/Updated: 0/Added: 0");
        table.row("new words in order", "zebra 3 Z Z; house 4.3 D1 N1; apple - na na", "garden 1 DG NG; house 5 D2 N2",
                  "garden 1 DG NG; house 4.3 D1 N1; zebra 3 Z Z; apple - na na | Done!/Updated: 1/Added: 2");
        table.row("a new word thrice, the fastest wins", "house 5 D1 N1; house 4 D3 N3; house 6 D4 N4", "other 1 d n",
                  "other 1 d n; house 4 D3 N3 | Done!/Updated: 1/Added: 1");
        table.row("twice in Source 2: the first is updated", "house 2 D1 N1", "house 3 D2 N2; house 9 D3 N3",
                  "house 2 D1 N1; house 9 D3 N3 | Done!/Updated: 1/Added: 0");
        table.row("no room for new words", "new 1 d n; w100 2 D N; new 0.5 d n",
                  numbered(RecordTable::Slots, "w%1 10 d n").join(u';'),
                  "w0 10 d n; ..; w100 2 D N | Done!/Updated: 1/Added: 0/Not added (no room): 1");
    }

    void mergeOfTwoTables() {
        QFETCH(QString, source1);
        QFETCH(QString, source2);
        SourceTable from, into;
        const QStringList words1 = ResultsFormat::readRecords(resultLines(source1), from).words;
        QStringList words2 = ResultsFormat::readRecords(resultLines(source2), into).words;
        const MergeOutcome outcome = mergeSources(words1, from, words2, into);
        QStringList records = ResultsFormat::recordLines(into, int(words2.size())).join(u' ').mid(3).split(" :::");
        if (records.size() > 5)
            records = QStringList{records.first(), "..", records.last()};
        const QString report = mergeReport(outcome).replace("\r\n\r\n", "/").replace("\r\n", "/");
        QTEST(records.join("; ") + " | " + report, "merged");
    }
};

QTEST_GUILESS_MAIN(TestRules)
#include "test_rules.moc"
