#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Text as the program's files hold it: one byte per character in the
// Windows-1252 code page. Lines end at CR; a LF right after the CR belongs to
// that line end, while a LF on its own is an ordinary character of the line.
namespace AnsiText {

QString decode(const QByteArray& bytes);

// Splits decoded text into lines. A final line end does not start another
// (empty) line.
QStringList decodeLines(const QByteArray& bytes);

// Every line, the last one included, followed by CR LF. Characters the code
// page cannot hold are written as '?'; callers that must not lose anything
// check canHold() first.
QByteArray encodeLines(const QStringList& lines);

// True when every character of text has a byte in the code page.
bool canHold(const QString& text);

// A single line that the code page can hold: line breaks become blanks and
// characters it cannot hold become '?'.
QString toStorableLine(const QString& text);

} // namespace AnsiText
