#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// Text as the program's files hold it: one byte per character in the
// Windows-1252 code page. Lines end at CR; a LF right after the CR belongs to
// that line end, while a LF on its own is an ordinary character of the line.
namespace AnsiText {

QString decode(const QByteArray& bytes);

// Hands the decoded lines to eachLine, one at a time, so that a huge file
// never has all its lines in memory at once. A final line end does not start
// another (empty) line.
void forEachLine(const QByteArray& bytes, const std::function<void(const QString& line)>& eachLine);

// All lines at once, for small texts.
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
