#pragma once

#include "progress/history.h"

#include <QString>

#include <optional>

// Whether two texts hold the same letters. When letter case does not count,
// each letter stands for its own upper-case form, one character for one, so
// that "ß" never equals "SS".
bool sameLetters(const QString& a, const QString& b, bool caseSensitive);

// The first letter of the typed text that does not match the word, with the
// letter the word has there; nothing when the typed text begins the word.
std::optional<Mistake> firstWrongLetter(const QString& word, const QString& typed, bool caseSensitive);
