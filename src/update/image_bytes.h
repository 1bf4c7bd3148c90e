// SPDX-License-Identifier: MIT
// Little-endian stores into a memory image buffer.
#pragma once

#include <QByteArray>
#include <QtEndian>

#include <algorithm>
#include <cstdint>

namespace ImageBytes {

// Stores value little-endian at offset; the buffer must already hold those bytes.
template <typename T>
void put(QByteArray &image, qsizetype offset, T value)
{
    Q_ASSERT(offset >= 0 && offset + qsizetype(sizeof(T)) <= image.size());
    qToLittleEndian<T>(value, image.data() + offset);
}

// Copies at most maxBytes of text to offset; the rest of the field keeps its zeros.
inline void putText(QByteArray &image, qsizetype offset, const QByteArray &text, qsizetype maxBytes)
{
    const qsizetype size = qMin(text.size(), maxBytes);
    Q_ASSERT(offset >= 0 && offset + size <= image.size());
    std::copy_n(text.constData(), size, image.data() + offset);
}

} // namespace ImageBytes
