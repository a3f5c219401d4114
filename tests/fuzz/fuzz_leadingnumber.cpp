// The number a record time begins with, held against the C library's reading of the same characters.
#include "database/recordtime.h"

#include <QRegularExpression>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    // The longest leading number once blanks, tabs and line feeds are gone.
    static const QRegularExpression number(QStringLiteral(R"(^[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?)"));
    const QString kept = QString(text).removeIf([](QChar c) { return c == u' ' || c == u'\t' || c == u'\n'; });
    // No match reads as "", which strtod reads as 0.
    const double expected = std::strtod(number.match(kept).captured().toLatin1().constData(), nullptr);
    const double value = leadingNumber(text);
    // Below the smallest normal double the two may round differently, but both must be as good as zero.
    const bool tiny = std::fabs(expected) < DBL_MIN && std::fabs(value) < DBL_MIN;
    if (std::isnan(value) || (!tiny && value != expected)) {
        std::fprintf(stderr, "read %.17g, expected %.17g\n", value, expected);
        std::abort();
    }
    return 0;
}
