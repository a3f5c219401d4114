#include "platform/ansitext.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <bitset>

namespace {

constexpr const char* CodePage = "windows-1252";
const QByteArray ByteOrderMark("\xef\xbb\xbf");

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

bool isAscii(const QByteArray& bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char byte) { return (uchar(byte) & 0x80) == 0; });
}

bool isUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    // The decoder finds an error only as it decodes.
    const QString text = decoder(bytes);
    return !decoder.hasError();
}

// Each line on its own: a mark at the start of a line inside the file is a
// character of that line, and a broken sequence cannot reach into the next.
QStringDecoder lineDecoder(AnsiText::Encoding encoding) {
    const QStringConverter::Flags flags = QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;
    return encoding == AnsiText::Encoding::CodePage ? QStringDecoder(CodePage, flags)
                                                    : QStringDecoder(QStringConverter::Utf8, flags);
}

QByteArrayView withoutMark(const QByteArray& bytes, AnsiText::Encoding encoding) {
    const QByteArrayView view(bytes);
    return encoding == AnsiText::Encoding::Utf8WithBom && view.startsWith(ByteOrderMark)
               ? view.sliced(ByteOrderMark.size())
               : view;
}

} // namespace

namespace AnsiText {

Encoding detect(const QByteArray& bytes) {
    if (bytes.startsWith(ByteOrderMark))
        return Encoding::Utf8WithBom;
    return !isAscii(bytes) && isUtf8(bytes) ? Encoding::Utf8 : Encoding::CodePage;
}

QString decode(const QByteArray& bytes, Encoding encoding) {
    QStringDecoder decoder = lineDecoder(encoding);
    return decoder(withoutMark(bytes, encoding));
}

void forEachLine(const QByteArray& bytes, Encoding encoding, const std::function<void(const QString& line)>& eachLine) {
    // A CR is one byte in both encodings and never part of another
    // character, so the line ends can be found in the bytes. A lone LF stays
    // inside its line, except in a file without a single CR: that one was
    // saved by a text editor of a system whose lines end at LF alone, and
    // read as one line it would be one long word instead of a list.
    QStringDecoder decoder = lineDecoder(encoding);
    const QByteArrayView text = withoutMark(bytes, encoding);
    const char lineEnd = text.contains('\r') ? '\r' : '\n';
    const qsizetype size = text.size();
    qsizetype start = 0;
    while (start < size) {
        qsizetype end = text.indexOf(lineEnd, start);
        if (end < 0)
            end = size;
        eachLine(decoder.decode(text.sliced(start, end - start)));
        start = end + 1;
        if (lineEnd == '\r' && start < size && text[start] == '\n')
            ++start;
    }
}

QStringList decodeLines(const QByteArray& bytes, Encoding encoding) {
    QStringList lines;
    forEachLine(bytes, encoding, [&lines](const QString& line) { lines.append(line); });
    return lines;
}

QByteArray encodeLines(const QStringList& lines, Encoding encoding) {
    const bool codePage = encoding == Encoding::CodePage;
    QString text;
    for (const QString& line : lines) {
        text.reserve(text.size() + line.size() + 2);
        for (QChar c : line) {
            // A CR inside a line would split the record on the next read. A
            // lone LF is kept: the reader keeps it inside the line as well.
            if (c == u'\r')
                text += u' ';
            else
                text += !codePage || isHeld(c) ? c : QChar(u'?');
        }
        text += QStringLiteral("\r\n");
    }
    if (codePage) {
        QStringEncoder encoder(CodePage);
        return encoder(text);
    }
    QStringEncoder encoder(QStringConverter::Utf8);
    const QByteArray bytes = encoder(text);
    return encoding == Encoding::Utf8WithBom ? ByteOrderMark + bytes : bytes;
}

bool canHold(const QString& text) {
    return std::all_of(text.begin(), text.end(), isHeld);
}

Encoding encodingToWrite(Encoding readIn, const QStringList& lines) {
    if (readIn != Encoding::CodePage)
        return readIn;
    // Code-page bytes that happen to be valid UTF-8 ("Ã©") would read back
    // as other letters.
    return std::all_of(lines.begin(), lines.end(), canHold) &&
                   detect(encodeLines(lines, Encoding::CodePage)) == Encoding::CodePage
               ? Encoding::CodePage
               : Encoding::Utf8;
}

QString toStorableLine(const QString& text) {
    QString result = text;
    result.replace(u'\r', u' ');
    result.replace(u'\n', u' ');
    return result;
}

} // namespace AnsiText
