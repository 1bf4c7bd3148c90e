// SPDX-License-Identifier: MIT
// Bank 1 of the converter's configuration memory: the 2048-byte parameter block that the
// device reads at 0x07000. It carries the communication parameters, where bank 2's tables
// and IO-Link area lie and how many entries each table holds, and a byte-sum checksum.
#pragma once

#include <QByteArray>

#include <array>
#include <cstdint>

inline constexpr int Bank1Size = 2048;

using Octets = std::array<std::uint8_t, 4>; // an IPv4 address, first octet first

// The variable part of bank 1. The members hold the compile defaults, which the device keeps
// when the project has no ParGen.xml; fixed fields and bank 2's addresses are not members,
// the encoder always writes them.
struct TBank1_Par {
    std::uint32_t can_baudrate = 250000; // bit/s
    Octets ip_address{192, 168, 2, 205};
    Octets subnet_mask{255, 255, 255, 0};
    Octets gateway{255, 255, 255, 255}; // all 255: no gateway
    std::uint32_t canopen_node_id = 0;
    std::uint32_t canopen_flags = 0;       // bit 0 operational at start-up, bit 1 network start
    std::uint32_t canopen_start_delay = 0; // ms
    std::uint32_t sdo_timeout = 0;         // units of 0.1 ms
    std::uint32_t n_sdo_server_read = 0;   // used entries of bank 2's tables 1 to 6
    std::uint32_t n_sdo_server_write = 0;
    std::uint32_t n_sdo_client_read = 0;
    std::uint32_t n_sdo_client_write = 0;
    std::uint32_t n_pdo_receive = 0;
    std::uint32_t n_pdo_transmit = 0;
    std::uint16_t network_flags = 0; // bit 0 DHCP on the cable connection
    QByteArray device_name;          // one byte per character; at most 31 are stored
    Octets secondary_dns{};          // all 0: DNS disabled
    Octets primary_dns{};
    QByteArray sw_version; // configurator version text, at most 8 bytes; empty without ParGen.xml

    friend bool operator==(const TBank1_Par &, const TBank1_Par &) = default;
};

// The 2048 bytes of the block, little-endian, with the checksum in its last four bytes.
[[nodiscard]] QByteArray bank1Bytes(const TBank1_Par &parameters);

// Sum of the bytes 0x000 to 0x7FB, each unsigned, in a 32-bit total: what the device
// expects at 0x7FC.
[[nodiscard]] std::uint32_t bank1Checksum(const QByteArray &image);
