// SPDX-License-Identifier: MIT
// Bank 2 of the converter's configuration memory: the six CANopen rule tables followed by
// the IO-Link slave area. The device reads it at 0x80000 and finds each part through bank 1.
#pragma once

#include <QByteArray>
#include <QList>

#include <array>
#include <cstdint>

// Device address at which bank 2 is written.
inline constexpr std::uint32_t Bank2DeviceAddress = 0x80000;

// One CANopen rule as the device reads it: 32 bytes. A default-constructed rule is the
// pattern of an unused entry (all slots 0xFFFF, everything else 0).
struct TCANopen_Rule {
    std::uint32_t cob_id = 0;   // PDO rules only
    std::uint16_t index = 0;    // SDO rules only
    std::uint8_t subindex = 0;  // SDO rules only
    std::uint8_t device_id = 0; // SDO client rules only: node addressed
    std::uint32_t time = 0;     // ms: poll time, PDO time-out or PDO send time
    std::array<std::uint16_t, 8> address{0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF,
                                         0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF}; // positions in the data array
    std::uint8_t n_byte = 0;
    std::uint8_t mode = 0; // 0 read/receive, 1 write/transmit, 3 write/transmit also on change

    friend bool operator==(const TCANopen_Rule &, const TCANopen_Rule &) = default;
};
inline constexpr int CANopenRuleSize = 32;

// The six tables in the order bank 2 holds them.
enum class CANopenTable { SdoServerRead, SdoServerWrite, SdoClientRead, SdoClientWrite, PdoReceive, PdoTransmit };
inline constexpr int CANopenTableCount = 6;

struct CANopenTableLayout {
    std::uint32_t offset; // from the start of bank 2
    int capacity;         // entries, used and unused
};
// Where each table lies in bank 2 and how many entries it has, in table order.
inline constexpr std::array<CANopenTableLayout, CANopenTableCount> CANopenTableLayouts{{
    {0x0000, 512},
    {0x4000, 512},
    {0x8000, 256},
    {0xA000, 256},
    {0xC000, 128},
    {0xD000, 128},
}};
[[nodiscard]] constexpr CANopenTableLayout layoutOf(CANopenTable table)
{
    return CANopenTableLayouts[std::size_t(table)];
}

// Start of the IO-Link slave area in bank 2, right behind the last table.
inline constexpr std::uint32_t IOLinkAreaOffset = 0xE000;
inline constexpr std::uint32_t IOLinkAreaDeviceAddress = Bank2DeviceAddress + IOLinkAreaOffset;
inline constexpr int IOLinkHeaderSize = 28;
inline constexpr int IOLinkVariableSize = 20;

// One IO-Link variable (index-addressed parameter) as the device reads it: 20 bytes.
struct TIO_Link_Slave_Par {
    std::uint16_t index = 0;
    std::uint8_t subindex = 0;
    std::uint8_t access = 2; // 1 write only, 2 read only, 3 read and write
    std::uint8_t bit_address_write = 0;
    std::uint8_t bit_address_read = 0;
    std::uint16_t position_read = 0;  // byte in the read area
    std::uint16_t position_write = 0; // byte in the write area
    std::uint32_t bit_length = 0;
    std::uint32_t default_value = 0; // two's complement for a negative value

    friend bool operator==(const TIO_Link_Slave_Par &, const TIO_Link_Slave_Par &) = default;
};

// The IO-Link slave header (28 bytes) and its variable records. This converter raises no
// IO-Link events, so the header's event count and address stay 0.
struct TIO_Link_Slave_Dev {
    std::uint8_t com = 0;            // transmission rate code 1 to 3; 0 without ParGen.xml
    std::uint8_t min_cycle_time = 0; // IO-Link cycle time code; 0 without IOLink_Slave.xml
    std::uint32_t add_parameters = 0; // device address of the first variable record
    std::uint32_t pd_in_bit_length = 0;
    std::uint32_t pd_out_bit_length = 0;
    QList<TIO_Link_Slave_Par> parameter; // n_par is its size

    friend bool operator==(const TIO_Link_Slave_Dev &, const TIO_Link_Slave_Dev &) = default;
};

// Everything bank 2 holds: the used entries of each table (the rest is unused) and the IO-Link area.
struct Bank2Data {
    std::array<QList<TCANopen_Rule>, CANopenTableCount> tables;
    TIO_Link_Slave_Dev ioLink;

    [[nodiscard]] QList<TCANopen_Rule> &table(CANopenTable which) { return tables[std::size_t(which)]; }
    [[nodiscard]] const QList<TCANopen_Rule> &table(CANopenTable which) const
    {
        return tables[std::size_t(which)];
    }
};

// The 32 bytes of one rule, little-endian.
[[nodiscard]] QByteArray canopenRuleBytes(const TCANopen_Rule &rule);

// The whole bank: every table entry in order, then the header and the variable records;
// 0xE01C + 20 x n_par bytes. Entries beyond a table's capacity are not written: the caller
// refuses such tables before.
[[nodiscard]] QByteArray bank2Bytes(const Bank2Data &data);
