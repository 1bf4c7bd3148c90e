// SPDX-License-Identifier: MIT
// The configurator's built-in English texts, by message number.
#pragma once

#include <span>

struct DefaultText {
    int number;
    const char16_t *text;
};

// Every message number with a built-in text, in ascending order; numbers not listed hold " ".
[[nodiscard]] std::span<const DefaultText> defaultTexts();
