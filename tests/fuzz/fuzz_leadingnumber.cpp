// The number a record time begins with, held against the C library's own
// reading of the same characters.
#include "recordtime.h"

#include <QString>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

bool isSkipped(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The longest leading number of the text without its skipped characters,
// as plain ASCII for strtod.
std::string leadingNumberText(const QString& text) {
    QString kept;
    for (QChar c : text) {
        if (!isSkipped(c))
            kept += c;
    }
    qsizetype i = 0;
    std::string number;
    if (i < kept.size() && (kept[i] == u'+' || kept[i] == u'-'))
        number += char(kept[i++].unicode());
    bool digits = false;
    bool point = false;
    for (; i < kept.size() && (isDigit(kept[i]) || (kept[i] == u'.' && !point)); ++i) {
        point = point || kept[i] == u'.';
        digits = digits || kept[i] != u'.';
        number += char(kept[i].unicode());
    }
    if (!digits)
        return "0";
    if (i < kept.size() && (kept[i] == u'e' || kept[i] == u'E')) {
        std::string exponent = "e";
        qsizetype j = i + 1;
        if (j < kept.size() && (kept[j] == u'+' || kept[j] == u'-'))
            exponent += char(kept[j++].unicode());
        const qsizetype firstDigit = j;
        for (; j < kept.size() && isDigit(kept[j]); ++j)
            exponent += char(kept[j].unicode());
        if (j > firstDigit)
            number += exponent;
    }
    return number;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const double value = leadingNumber(text);
    const double expected = std::strtod(leadingNumberText(text).c_str(), nullptr);
    // Below the smallest normal double the two may round differently; both
    // must still be as good as zero.
    const bool tiny = std::fabs(expected) < DBL_MIN && std::fabs(value) < DBL_MIN;
    if (std::isnan(value) || (!tiny && value != expected)) {
        std::fprintf(stderr, "read %.17g, expected %.17g\n", value, expected);
        std::abort();
    }
    return 0;
}
