#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// Text as the program's files hold it: the Windows-1252 code page, one byte
// per character, as the program has always written; or UTF-8, as text editors
// save and as a list of words beyond the code page needs. Lines end at CR; a
// LF right after the CR belongs to that line end, while a LF on its own is an
// ordinary character of the line.
namespace AnsiText {

enum class Encoding {
    CodePage,
    Utf8,
    // UTF-8 that begins with a byte-order mark, as some editors save it.
    Utf8WithBom,
};

// UTF-8 when the bytes begin with its byte-order mark, or hold characters
// beyond ASCII that are all valid UTF-8; the code page otherwise.
Encoding detect(const QByteArray& bytes);

QString decode(const QByteArray& bytes, Encoding encoding);

// Hands the decoded lines to eachLine, one at a time, so that a huge file
// never has all its lines in memory at once. A final line end does not start
// another (empty) line; a byte-order mark is no part of the first line.
void forEachLine(const QByteArray& bytes, Encoding encoding, const std::function<void(const QString& line)>& eachLine);

// All lines at once, for small texts.
QStringList decodeLines(const QByteArray& bytes, Encoding encoding);

// Every line, the last one included, followed by CR LF. In the code page,
// characters it cannot hold are written as '?': callers that must not lose
// anything choose the encoding with encodingToWrite().
QByteArray encodeLines(const QStringList& lines, Encoding encoding);

// True when every character of text has a byte in the code page.
bool canHold(const QString& text);

// The encoding a file read in readIn is written back in, holding lines: its
// own, unless it is the code page and a line does not fit it, or the bytes
// would read back as UTF-8; then UTF-8, without a byte-order mark, so that a
// copy of the program that reads every file as the code page still finds the
// first word.
Encoding encodingToWrite(Encoding readIn, const QStringList& lines);

// A single line as a file can store it: line breaks become blanks.
QString toStorableLine(const QString& text);

} // namespace AnsiText
