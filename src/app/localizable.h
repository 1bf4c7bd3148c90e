// SPDX-License-Identifier: MIT
// A window that takes its texts from the message catalogue.
#pragma once

class Localizable
{
public:
    virtual ~Localizable() = default;
    // Puts the catalogue texts on captions, labels, buttons and hints.
    virtual void Set_Lang() = 0;
};
