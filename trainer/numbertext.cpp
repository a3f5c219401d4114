#include "numbertext.h"

#include "recordtime.h"

#include <cmath>
#include <cstdio>

QString numberText(double value) {
    if (value == 0.0 || std::isnan(value))
        return QStringLiteral("0");
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    // %g honours the C library's locale; the program always writes a point.
    QString text = QString::fromLatin1(buffer);
    text.replace(u',', u'.');
    return text;
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
