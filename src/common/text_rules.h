// SPDX-License-Identifier: MIT
// The text rules every file and form of the configurator shares.
#pragma once

#include <QString>

#include <cstdint>

// Removes blanks and control characters (every character up to U+0020) from both ends.
[[nodiscard]] QString trimText(const QString &text);

// Reads an integer text: optional leading blanks, an optional sign, then decimal digits or a
// hexadecimal prefix ("$", "x", "X", "0x", "0X") and hexadecimal digits, nothing after them.
// An empty or malformed text, or a value outside the signed 32-bit range, gives fallback.
[[nodiscard]] int intFromText(const QString &text, int fallback);

// As intFromText, over the signed 64-bit range.
[[nodiscard]] std::int64_t int64FromText(const QString &text, std::int64_t fallback);
