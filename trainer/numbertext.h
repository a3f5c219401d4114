#pragma once

#include <QString>

// Counters of a typing run live in label texts. They are written in their
// shortest form with at most 15 significant digits, '.' as decimal point and
// no sign for 0 or more, and read back by the same rule on every locale.
QString numberText(double value);
double numberFromText(const QString& text);

// The value brought to this many decimal places, an exact half going to the
// even last digit.
double roundHalfEven(double value, int decimals);

// Number of words in text; only the blank separates words.
int CountWords(const QString& text);
