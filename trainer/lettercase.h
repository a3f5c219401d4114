#pragma once

#include <QString>

// Whether two texts hold the same letters. When letter case does not count,
// each letter stands for its own upper-case form, one character for one, so
// that "ß" never equals "SS".
bool sameLetters(const QString& a, const QString& b, bool caseSensitive);
