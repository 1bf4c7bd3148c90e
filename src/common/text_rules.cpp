// SPDX-License-Identifier: MIT
#include "common/text_rules.h"

#include <QStringView>

#include <limits>
#include <type_traits>

namespace {

// Value of a hexadecimal digit, or 16 for any other character. Decimal reading rejects
// values of 10 and above, so one table serves both bases.
constexpr unsigned digitValue(char16_t c) noexcept
{
    if (c >= u'0' && c <= u'9')
        return unsigned(c - u'0');
    if (c >= u'a' && c <= u'f')
        return unsigned(c - u'a') + 10u;
    if (c >= u'A' && c <= u'F')
        return unsigned(c - u'A') + 10u;
    return 16u;
}

// Integer text reader shared by the 32-bit and 64-bit entry points. The magnitude is
// accumulated unsigned and checked against the limit of the sign before every step, so
// neither range can overflow.
template <typename T>
T readInteger(QStringView text, T fallback) noexcept
{
    using U = std::make_unsigned_t<T>;
    const qsizetype size = text.size();
    qsizetype i = 0;

    while (i < size && text[i] == u' ')
        ++i;

    bool negative = false;
    if (i < size && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }

    unsigned base = 10;
    if (i < size) {
        const char16_t c = text[i].unicode();
        if (c == u'$' || c == u'x' || c == u'X') {
            base = 16;
            ++i;
        } else if (c == u'0' && i + 1 < size && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
            base = 16;
            i += 2;
        }
    }

    if (i == size) // no digits at all: empty, a lone sign or a lone prefix
        return fallback;

    const U limit = negative ? U(std::numeric_limits<T>::max()) + 1u
                             : U(std::numeric_limits<T>::max());
    U magnitude = 0;
    for (; i < size; ++i) {
        const unsigned digit = digitValue(text[i].unicode());
        if (digit >= base)
            return fallback;
        if (magnitude > (limit - digit) / base)
            return fallback;
        magnitude = magnitude * base + digit;
    }

    if (!negative)
        return T(magnitude);
    // The most negative value has no positive counterpart; step around it.
    return magnitude == 0 ? T(0) : T(-T(magnitude - 1u) - 1);
}

} // namespace

QString trimText(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 0x20)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 0x20)
        --end;
    if (begin == 0 && end == text.size())
        return text; // shares the data, nothing to cut
    return text.sliced(begin, end - begin);
}

int intFromText(const QString &text, int fallback)
{
    return readInteger<int>(QStringView(text), fallback);
}

std::int64_t int64FromText(const QString &text, std::int64_t fallback)
{
    return readInteger<std::int64_t>(QStringView(text), fallback);
}
