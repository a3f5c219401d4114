#include "trainer/lettercase.h"

namespace {

// The upper-case form of each character on its own, letters beyond the 16-bit
// range included; QString::toUpper() would turn one "ß" into two letters.
QString upperLetters(QString text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            const char32_t upper = QChar::toUpper(QChar::surrogateToUcs4(text[i], text[i + 1]));
            text[i] = QChar(QChar::highSurrogate(upper));
            text[++i] = QChar(QChar::lowSurrogate(upper));
        } else {
            text[i] = text[i].toUpper();
        }
    }
    return text;
}

} // namespace

bool sameLetters(const QString& a, const QString& b, bool caseSensitive) {
    if (caseSensitive || a.size() != b.size())
        return a == b;
    return upperLetters(a) == upperLetters(b);
}

std::optional<Mistake> firstWrongLetter(const QString& word, const QString& typed, bool caseSensitive) {
    const QList<uint> expected = word.toUcs4();
    const QList<uint> letters = typed.toUcs4();
    for (qsizetype i = 0; i < letters.size(); ++i) {
        const qint32 position = qint32(i + 1);
        if (i >= expected.size())
            return Mistake{position, 0, letters[i]};
        const char32_t wanted = expected[i];
        const char32_t typedLetter = letters[i];
        if (!sameLetters(QString::fromUcs4(&wanted, 1), QString::fromUcs4(&typedLetter, 1), caseSensitive))
            return Mistake{position, expected[i], letters[i]};
    }
    return std::nullopt;
}
