#include "platform/ansitext.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <bitset>

namespace {

constexpr const char* CodePage = "windows-1252";

// Which UTF-16 code units the code page has a byte for: the decoded form of
// all 256 byte values.
const std::bitset<65536>& heldCharacters() {
    static const std::bitset<65536> held = [] {
        QByteArray bytes(256, '\0');
        for (int i = 0; i < 256; ++i)
            bytes[i] = char(i);
        QStringDecoder decoder(CodePage);
        const QString text = decoder(bytes);
        std::bitset<65536> result;
        for (QChar c : text)
            result.set(c.unicode());
        return result;
    }();
    return held;
}

bool isHeld(QChar c) {
    return heldCharacters().test(c.unicode());
}

} // namespace

namespace AnsiText {

QString decode(const QByteArray& bytes) {
    QStringDecoder decoder(CodePage);
    return decoder(bytes);
}

void forEachLine(const QByteArray& bytes, const std::function<void(const QString& line)>& eachLine) {
    // One byte is one character, so the line ends can be found in the bytes.
    QStringDecoder decoder(CodePage, QStringConverter::Flag::Stateless);
    const qsizetype size = bytes.size();
    qsizetype start = 0;
    while (start < size) {
        qsizetype end = bytes.indexOf('\r', start);
        if (end < 0)
            end = size;
        eachLine(decoder.decode(QByteArrayView(bytes).sliced(start, end - start)));
        start = end + 1;
        if (start < size && bytes[start] == '\n')
            ++start;
    }
}

QStringList decodeLines(const QByteArray& bytes) {
    QStringList lines;
    forEachLine(bytes, [&lines](const QString& line) { lines.append(line); });
    return lines;
}

QByteArray encodeLines(const QStringList& lines) {
    QString text;
    for (const QString& line : lines) {
        text.reserve(text.size() + line.size() + 2);
        for (QChar c : line) {
            // A CR inside a line would split the record on the next read. A
            // lone LF is kept: the reader keeps it inside the line as well.
            if (c == u'\r')
                text += u' ';
            else
                text += isHeld(c) ? c : QChar(u'?');
        }
        text += QStringLiteral("\r\n");
    }
    QStringEncoder encoder(CodePage);
    return encoder(text);
}

bool canHold(const QString& text) {
    return std::all_of(text.begin(), text.end(), isHeld);
}

QString toStorableLine(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (QChar c : text) {
        if (c == u'\r' || c == u'\n')
            result += u' ';
        else
            result += isHeld(c) ? c : QChar(u'?');
    }
    return result;
}

} // namespace AnsiText
