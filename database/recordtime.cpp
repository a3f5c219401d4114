#include "recordtime.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

bool isSkipped(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Walks the text without its skipped characters.
class Cursor {
public:
    explicit Cursor(QStringView text)
        : m_text(text) {}

    QChar peek() {
        while (m_pos < m_text.size() && isSkipped(m_text[m_pos]))
            ++m_pos;
        return m_pos < m_text.size() ? m_text[m_pos] : QChar();
    }

    void take() { ++m_pos; }
    qsizetype position() const { return m_pos; }
    void rewind(qsizetype pos) { m_pos = pos; }

private:
    QStringView m_text;
    qsizetype m_pos = 0;
};

} // namespace

double leadingNumber(QStringView text) {
    Cursor cursor(text);
    std::string number;
    bool negative = false;
    if (cursor.peek() == u'+' || cursor.peek() == u'-') {
        negative = cursor.peek() == u'-';
        cursor.take();
    }

    bool digits = false;
    bool point = false;
    for (QChar c = cursor.peek(); isDigit(c) || (c == u'.' && !point); c = cursor.peek()) {
        if (c == u'.')
            point = true;
        else
            digits = true;
        number += char(c.unicode());
        cursor.take();
    }
    if (!digits)
        return 0.0;

    // An exponent counts only when at least one digit follows its letter.
    if (cursor.peek() == u'e' || cursor.peek() == u'E') {
        const qsizetype beforeExponent = cursor.position();
        std::string exponent = "e";
        cursor.take();
        if (cursor.peek() == u'+' || cursor.peek() == u'-') {
            exponent += char(cursor.peek().unicode());
            cursor.take();
        }
        bool exponentDigits = false;
        for (QChar c = cursor.peek(); isDigit(c); c = cursor.peek()) {
            exponent += char(c.unicode());
            exponentDigits = true;
            cursor.take();
        }
        if (exponentDigits)
            number += exponent;
        else
            cursor.rewind(beforeExponent);
    }

    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too large or too small for a double: the limit it overshoots.
        const bool tiny = number.find("e-") != std::string::npos;
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}
