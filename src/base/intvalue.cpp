#include "base/intvalue.h"

#include "base/apperror.h"

#include <cstdint>

namespace {

[[noreturn]] void invalid(const QString& text) {
    throw AppError(Error::Code::NotAnInteger, {text});
}

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

} // namespace

int intValue(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }

    bool hex = false;
    if (i < n && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        hex = true;
        i += 2;
    }
    if (i == n)
        invalid(text);

    if (hex) {
        if (n - i > 8)
            invalid(text);
        std::uint32_t value = 0;
        for (; i < n; ++i) {
            const int d = hexDigit(text[i]);
            if (d < 0)
                invalid(text);
            value = value * 16 + std::uint32_t(d);
        }
        // Eight hex digits wrap into the sign bit: $FFFFFFFF is -1.
        const std::uint32_t result = negative ? 0u - value : value;
        return static_cast<std::int32_t>(result);
    }

    std::int64_t value = 0;
    for (; i < n; ++i) {
        const char16_t u = text[i].unicode();
        if (u < '0' || u > '9')
            invalid(text);
        value = value * 10 + (u - '0');
        if (value > std::int64_t(INT32_MAX) + 1)
            invalid(text);
    }
    if (negative)
        value = -value;
    if (value > INT32_MAX || value < INT32_MIN)
        invalid(text);
    return static_cast<int>(value);
}
