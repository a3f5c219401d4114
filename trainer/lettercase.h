#pragma once

#include "progress/history.h"

#include <QString>
#include <QStringList>

#include <optional>

// Letters as a person sees them. A letter is a grapheme cluster: a base
// with its accents, however Unicode composes it ("é" as one character, or "e"
// and a combining acute), so both forms are the same letter. When letter case
// does not count, each character stands for its own upper-case form, one for
// one, in every cased script, so that "ß" never equals "SS".

// The letters of text, each composed where Unicode can (NFC).
QStringList lettersOf(const QString& text);
qsizetype letterCount(const QString& text);

// Whether two texts hold the same letters.
bool sameLetters(const QString& a, const QString& b, bool caseSensitive);

// Whether typed is a correct beginning of word. A letter still waiting for
// its accent is one: "e" begins "é", as the accent may come next.
bool beginsWord(const QString& word, const QString& typed, bool caseSensitive);

// The first letter of the typed text that does not match the word, with the
// letter the word has there, counted in letters and each given by its first
// character once composed; nothing when the typed text begins the word.
std::optional<Mistake> firstWrongLetter(const QString& word, const QString& typed, bool caseSensitive);
