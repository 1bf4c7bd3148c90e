// SPDX-License-Identifier: MIT
// Small helpers for the image tests: little-endian reads and byte-literal project files.
#pragma once

#include "update/image_compiler.h"

#include <QByteArray>
#include <QMetaType>
#include <QtEndian>

#include <cstdint>

Q_DECLARE_METATYPE(ProjectSources)

namespace ImageTest {

inline std::uint32_t u32(const QByteArray &image, qsizetype at)
{
    return qFromLittleEndian<std::uint32_t>(image.constData() + at);
}

inline std::uint16_t u16(const QByteArray &image, qsizetype at)
{
    return qFromLittleEndian<std::uint16_t>(image.constData() + at);
}

// Bytes written as hexadecimal pairs; blanks between them are for reading only.
inline QByteArray hex(const char *pairs)
{
    return QByteArray::fromHex(pairs);
}

// The pattern of every unused table entry: zeros, eight 0xFFFF slots, zeros.
inline QByteArray unusedEntry()
{
    return hex("00000000 0000 00 00 00000000 FFFF FFFF FFFF FFFF FFFF FFFF FFFF FFFF 00 00 0000");
}

// Sum of the bytes 0x000 to 0x7FB, each as an unsigned byte.
inline std::uint32_t byteSum(const QByteArray &bank1)
{
    std::uint32_t sum = 0;
    for (qsizetype i = 0; i < 0x7FC; ++i)
        sum += std::uint8_t(bank1.at(i));
    return sum;
}

inline QByteArray parGen(const QByteArray &elements)
{
    return "<Par_Gen>" + elements + "</Par_Gen><!--SW_VERSION = 1.003-->";
}

inline QByteArray sdoServer(const QByteArray &readRows, const QByteArray &writeRows = {})
{
    return "<SDO_Server_CANopen><SDO_Read>" + readRows + "</SDO_Read><SDO_Write>" + writeRows
        + "</SDO_Write></SDO_Server_CANopen>";
}

inline QByteArray sdoClient(const QByteArray &readRows, const QByteArray &writeRows = {})
{
    return "<SDO_Client_CANopen><SDO_Read>" + readRows + "</SDO_Read><SDO_Write>" + writeRows
        + "</SDO_Write></SDO_Client_CANopen>";
}

inline QByteArray pdo(const QByteArray &receiveRows, const QByteArray &transmitRows = {})
{
    return "<PDO_CANopen><Receive_PDO>" + receiveRows + "</Receive_PDO><Transmit_PDO>" + transmitRows
        + "</Transmit_PDO></PDO_CANopen>";
}

inline QByteArray ioLinkSlave(const QByteArray &variables, const QByteArray &input = {},
                              const QByteArray &output = {})
{
    return "<IOLinkSlave><Variables>" + variables + "</Variables><Process_Data><Process_Data_Input>" + input
        + "</Process_Data_Input><Process_Data_Output>" + output
        + "</Process_Data_Output></Process_Data></IOLinkSlave>";
}

// count copies of row.
inline QByteArray repeated(const QByteArray &row, int count)
{
    QByteArray rows;
    for (int i = 0; i < count; ++i)
        rows += row;
    return rows;
}

} // namespace ImageTest
