#include "trainer/numbertext.h"

#include "database/recordtime.h"

#include <charconv>
#include <cmath>

QString numberText(double value) {
    if (value == 0.0 || std::isnan(value))
        return QStringLiteral("0");
    // to_chars knows no locale: the decimal point is always '.'.
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15).ptr;
    return QString::fromLatin1(buffer, end - buffer);
}

double numberFromText(const QString& text) {
    return leadingNumber(text);
}

double roundHalfEven(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    // nearbyint rounds halves to even in the default rounding mode.
    return std::nearbyint(value * scale) / scale;
}

int CountWords(const QString& text) {
    int count = 0;
    bool inWord = false;
    for (QChar c : text) {
        if (c != u' ') {
            if (!inWord)
                ++count;
            inWord = true;
        } else {
            inWord = false;
        }
    }
    return count;
}
