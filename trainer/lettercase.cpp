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
