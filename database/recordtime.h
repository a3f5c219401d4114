#pragma once

#include <QStringView>

// The number a text begins with, read the same way on every locale: blanks,
// tabs and line feeds are skipped wherever they stand; then an optional sign,
// digits with at most one '.' as decimal point and an optional exponent.
// Reading stops at the first character that cannot continue the number; a
// text that does not begin with a number gives 0.
double leadingNumber(QStringView text);
