// SPDX-License-Identifier: MIT
// Small stateless conversions shared by the forms, the device-file generators and the image compiler.
#pragma once

#include <QChar>
#include <QString>

#include <array>

// The user's decimal separator: "," or "." from the locale, "," for anything else.
[[nodiscard]] QChar Get_Decimal_Separator();
// The rule behind Get_Decimal_Separator, applied to the locale's setting text.
[[nodiscard]] QChar decimalSeparatorFrom(const QString &setting);

struct FloatReading {
    bool ok = false;
    float value = 1.0f; // 1.0 when the text cannot be read
};
// Reads a decimal number accepting either "," or "." as decimal mark: an optional sign,
// digits with at most one decimal mark, an optional exponent ("e" or "E", optional sign,
// digits). Blanks anywhere, thousands separators and values beyond the float range make
// the text unreadable. Independent of the process locale.
[[nodiscard]] FloatReading Text_To_Float(const QString &text, QChar separator);

// IO-Link transmission rate code: "COM2" gives 2, "COM3" gives 3, anything else 1.
[[nodiscard]] int COM_Mode_Code(const QString &rateText);

struct IpAddressParts {
    bool valid = false;
    std::array<QString, 4> parts; // as read, also when invalid
};
// Splits a dotted IPv4 address text into its four parts; valid when each is 0 to 255.
[[nodiscard]] IpAddressParts Split_IP_Address(const QString &text);

struct MinCycleTime {
    int code = 4;             // IO-Link cycle time coding (time base in bits 7-6, multiplier in 5-0)
    int microseconds = 400;   // always equals the coded time
};
// Shortest IO-Link cycle time for a rate text and the bit totals of the process data.
// The rate text is trimmed and upper-cased; unknown rates use the COM1 bit time. Negative
// bit totals count as no data.
[[nodiscard]] MinCycleTime IOLink_Min_Cycle_Time(const QString &rateText, int inputBits, int outputBits);
// The shortest codable cycle time not below a transfer duration in nanoseconds, clamped to
// 0.4 ms at the short end and 132.8 ms at the long end.
[[nodiscard]] MinCycleTime minCycleTimeFromNanoseconds(qint64 nanoseconds);
