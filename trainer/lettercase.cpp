#include "trainer/lettercase.h"

#include <QTextBoundaryFinder>

namespace {

// The text in the given form, each character in upper case where case does
// not count. QString::toUpper() would turn one "ß" into two letters.
QString comparable(const QString& text, QString::NormalizationForm form, bool caseSensitive) {
    QString normal = text.normalized(form);
    if (caseSensitive)
        return normal;
    QList<uint> characters = normal.toUcs4();
    for (uint& c : characters)
        c = QChar::toUpper(c);
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()), characters.size());
}

char32_t firstCharacter(const QString& letter) {
    return letter.isEmpty() ? 0 : letter.toUcs4().constFirst();
}

} // namespace

QStringList lettersOf(const QString& text) {
    const QString composed = text.normalized(QString::NormalizationForm_C);
    QStringList letters;
    QTextBoundaryFinder boundaries(QTextBoundaryFinder::Grapheme, composed);
    qsizetype start = 0;
    for (qsizetype end = boundaries.toNextBoundary(); end > 0; end = boundaries.toNextBoundary()) {
        letters << composed.sliced(start, end - start);
        start = end;
    }
    return letters;
}

qsizetype letterCount(const QString& text) {
    return lettersOf(text).size();
}

bool sameLetters(const QString& a, const QString& b, bool caseSensitive) {
    return comparable(a, QString::NormalizationForm_C, caseSensitive) ==
           comparable(b, QString::NormalizationForm_C, caseSensitive);
}

bool beginsWord(const QString& word, const QString& typed, bool caseSensitive) {
    // Decomposed, a base letter typed so far begins the letter with accents.
    return comparable(word, QString::NormalizationForm_D, caseSensitive)
        .startsWith(comparable(typed, QString::NormalizationForm_D, caseSensitive));
}

std::optional<Mistake> firstWrongLetter(const QString& word, const QString& typed, bool caseSensitive) {
    const QStringList expected = lettersOf(word);
    const QStringList letters = lettersOf(typed);
    for (qsizetype i = 0; i < letters.size(); ++i) {
        const auto position = qint32(i + 1);
        if (i >= expected.size())
            return Mistake{position, 0, firstCharacter(letters[i])};
        if (!sameLetters(expected[i], letters[i], caseSensitive))
            return Mistake{position, firstCharacter(expected[i]), firstCharacter(letters[i])};
    }
    return std::nullopt;
}
