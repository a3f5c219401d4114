#include "database/recordtime.h"

#include <algorithm>
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

// For a number too far from 1 for a double: whether it lies towards 0
// rather than towards infinity. The decimal place of its first significant
// digit, moved by the exponent, decides; "0.000...1" without an exponent is
// as tiny as "1e-400", and "1000...0e-5" as huge as "1e400".
bool liesTowardsZero(const std::string& number) {
    int integerDigits = 0;
    int zerosAfterPoint = 0;
    bool significant = false;
    bool point = false;
    std::size_t i = 0;
    for (; i < number.size() && number[i] != 'e'; ++i) {
        const char c = number[i];
        if (c == '.') {
            point = true;
            continue;
        }
        significant = significant || c != '0';
        if (!point && significant)
            ++integerDigits;
        else if (point && !significant)
            ++zerosAfterPoint;
    }
    long place = integerDigits > 0 ? integerDigits - 1 : -(zerosAfterPoint + 1);

    long exponent = 0;
    bool negativeExponent = false;
    if (i < number.size()) {
        ++i;
        if (i < number.size() && (number[i] == '+' || number[i] == '-'))
            negativeExponent = number[i++] == '-';
        // Far beyond the range of a double either way; stop before long overflows.
        constexpr long Saturated = 100'000'000;
        for (; i < number.size(); ++i)
            exponent = std::min(Saturated, exponent * 10 + (number[i] - '0'));
    }
    place += negativeExponent ? -exponent : exponent;
    return place < 0;
}

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
        value = liesTowardsZero(number) ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}
