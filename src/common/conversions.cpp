// SPDX-License-Identifier: MIT
#include "common/conversions.h"

#include "common/text_rules.h"

#include <QLocale>
#include <QVarLengthArray>

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

using namespace Qt::StringLiterals;

QChar decimalSeparatorFrom(const QString &setting)
{
    if (!setting.isEmpty() && (setting[0] == u',' || setting[0] == u'.'))
        return setting[0];
    return u',';
}

QChar Get_Decimal_Separator()
{
    return decimalSeparatorFrom(QLocale::system().decimalPoint());
}

FloatReading Text_To_Float(const QString &text, QChar separator)
{
    // Either mark is accepted: with "." as separator a "," counts as "." and otherwise a
    // "." counts as ",". The number is then read with the separator as its decimal mark.
    const char16_t mark = separator.unicode();
    const char16_t swapFrom = mark == u'.' ? u',' : u'.';
    const char16_t swapTo = mark == u'.' ? u'.' : u',';

    // Check the shape while copying it into C notation for the locale-free reader.
    QVarLengthArray<char, 64> number;
    const qsizetype size = text.size();
    qsizetype i = 0;
    auto at = [&](qsizetype k) -> char16_t {
        const char16_t c = text[k].unicode();
        return c == swapFrom ? swapTo : c;
    };
    auto isDigit = [](char16_t c) { return c >= u'0' && c <= u'9'; };

    if (i < size && (at(i) == u'+' || at(i) == u'-')) {
        if (at(i) == u'-')
            number.append('-');
        ++i;
    }
    int mantissaDigits = 0;
    while (i < size && isDigit(at(i))) {
        number.append(char(at(i)));
        ++mantissaDigits;
        ++i;
    }
    if (i < size && at(i) == mark) {
        number.append('.');
        ++i;
        while (i < size && isDigit(at(i))) {
            number.append(char(at(i)));
            ++mantissaDigits;
            ++i;
        }
    }
    if (mantissaDigits == 0)
        return {};
    if (i < size && (at(i) == u'e' || at(i) == u'E')) {
        number.append('e');
        ++i;
        if (i < size && (at(i) == u'+' || at(i) == u'-')) {
            number.append(char(at(i)));
            ++i;
        }
        int exponentDigits = 0;
        while (i < size && isDigit(at(i))) {
            number.append(char(at(i)));
            ++exponentDigits;
            ++i;
        }
        if (exponentDigits == 0)
            return {};
    }
    if (i != size)
        return {};

    // Read at double precision, then narrow to float as the device files store it.
    double value = 0.0;
    const char *first = number.constData();
    const char *last = first + number.size();
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error != std::errc() || end != last)
        return {};
    if (std::fabs(value) > double(std::numeric_limits<float>::max()))
        return {};
    return {true, float(value)};
}

int COM_Mode_Code(const QString &rateText)
{
    const QString rate = trimText(rateText);
    if (rate == u"COM2"_s)
        return 2;
    if (rate == u"COM3"_s)
        return 3;
    return 1;
}

IpAddressParts Split_IP_Address(const QString &text)
{
    IpAddressParts result;
    const QString address = trimText(text);

    qsizetype dot = address.indexOf(u'.');
    if (dot < 0)
        return result;
    result.parts[0] = trimText(address.first(dot));
    const QString rest = trimText(address.sliced(dot + 1));

    dot = rest.indexOf(u'.');
    if (dot < 0)
        return result;
    result.parts[1] = trimText(rest.first(dot));
    const QString remains = trimText(rest.sliced(dot + 1));

    dot = remains.indexOf(u'.');
    if (dot < 0)
        return result;
    result.parts[2] = trimText(remains.first(dot));
    result.parts[3] = trimText(remains.sliced(dot + 1));

    result.valid = true;
    for (const QString &part : result.parts) {
        const int value = intFromText(part, 1000);
        if (value < 0 || value > 255)
            result.valid = false;
    }
    return result;
}

MinCycleTime minCycleTimeFromNanoseconds(qint64 nanoseconds)
{
    // IO-Link cycle time coding: bits 7-6 select the time base, bits 5-0 the multiplier.
    //   00: m x 0.1 ms (used from 0.4 ms), 01: 6.4 ms + m x 0.4 ms, 10: 32 ms + m x 1.6 ms.
    const qint64 t = nanoseconds;
    auto steps = [](qint64 span, qint64 step) { return int((span + step - 1) / step); };

    if (t <= 400'000)
        return {4, 400};
    if (t <= 6'300'000) {
        const int m = steps(t, 100'000);
        return {m, 100 * m};
    }
    if (t <= 6'400'000)
        return {0x40, 6'400};
    if (t <= 31'600'000) {
        const int m = steps(t - 6'400'000, 400'000);
        return {0x40 + m, 6'400 + 400 * m};
    }
    if (t <= 32'000'000)
        return {0x80, 32'000};
    if (t <= 132'800'000) {
        const int m = steps(t - 32'000'000, 1'600'000);
        return {0x80 + m, 32'000 + 1'600 * m};
    }
    return {0xBF, 132'800};
}

MinCycleTime IOLink_Min_Cycle_Time(const QString &rateText, int inputBits, int outputBits)
{
    const QString rate = trimText(rateText).toUpper();
    qint64 bitTimeNs = 208'330; // COM1, also for unknown rates
    if (rate == u"COM2"_s)
        bitTimeNs = 26'040;
    else if (rate == u"COM3"_s)
        bitTimeNs = 4'340;

    auto bytes = [](int bits) { return (qint64(bits < 0 ? 0 : bits) + 7) / 8; };
    const qint64 bitTimes = 12 * bytes(inputBits) + 14 * bytes(outputBits) + 61;
    return minCycleTimeFromNanoseconds(bitTimes * bitTimeNs);
}
