// SPDX-License-Identifier: MIT
#include "update/bank1_image.h"

#include "update/bank2_image.h"
#include "update/image_bytes.h"

using ImageBytes::put;
using ImageBytes::putText;

namespace {

// Byte offsets of the fields in the block.
enum Offset : qsizetype {
    CanBaudrate = 0x000,
    FixedBaudrate = 0x004,    // always 250000
    FixedSerialRate = 0x00C,  // always 9600
    IpAddress = 0x028,
    SubnetMask = 0x02C,
    Gateway = 0x030,
    FixedPorts = 0x034,       // always 10000, 10001, 10001 (three 16-bit values)
    CanopenNodeId = 0x09C,
    CanopenFlags = 0x0A0,
    CanopenStartDelay = 0x0A4,
    SdoTimeout = 0x0A8,
    TableCounts = 0x0AC,      // six 32-bit counts in table order
    TableAddresses = 0x0E0,   // six 32-bit device addresses in table order
    FixedEights = 0x1B4,      // always eight bytes of value 8
    NetworkFlags = 0x4E8,
    DeviceName = 0x514,
    SecondaryDns = 0x53C,
    PrimaryDns = 0x58C,
    AddIOLink = 0x660,
    SwVersion = 0x66C,
    Checksum = 0x7FC,
};

constexpr qsizetype DeviceNameField = 32; // the last byte always stays 0
constexpr qsizetype SwVersionField = 8;

void putOctets(QByteArray &image, qsizetype at, const Octets &octets)
{
    for (std::size_t i = 0; i < octets.size(); ++i)
        put<std::uint8_t>(image, at + qsizetype(i), octets[i]);
}

} // namespace

std::uint32_t bank1Checksum(const QByteArray &image)
{
    std::uint32_t sum = 0;
    const qsizetype end = qMin<qsizetype>(image.size(), Checksum);
    for (qsizetype i = 0; i < end; ++i)
        sum += std::uint8_t(image[i]);
    return sum;
}

QByteArray bank1Bytes(const TBank1_Par &p)
{
    QByteArray image(Bank1Size, '\0');

    put<std::uint32_t>(image, CanBaudrate, p.can_baudrate);
    put<std::uint32_t>(image, FixedBaudrate, 250000);
    put<std::uint32_t>(image, FixedSerialRate, 9600);
    putOctets(image, IpAddress, p.ip_address);
    putOctets(image, SubnetMask, p.subnet_mask);
    putOctets(image, Gateway, p.gateway);
    put<std::uint16_t>(image, FixedPorts + 0, 10000);
    put<std::uint16_t>(image, FixedPorts + 2, 10001);
    put<std::uint16_t>(image, FixedPorts + 4, 10001);

    put<std::uint32_t>(image, CanopenNodeId, p.canopen_node_id);
    put<std::uint32_t>(image, CanopenFlags, p.canopen_flags);
    put<std::uint32_t>(image, CanopenStartDelay, p.canopen_start_delay);
    put<std::uint32_t>(image, SdoTimeout, p.sdo_timeout);

    const std::array<std::uint32_t, CANopenTableCount> counts{
        p.n_sdo_server_read, p.n_sdo_server_write, p.n_sdo_client_read,
        p.n_sdo_client_write, p.n_pdo_receive, p.n_pdo_transmit};
    for (int t = 0; t < CANopenTableCount; ++t) {
        put<std::uint32_t>(image, TableCounts + 4 * t, counts[std::size_t(t)]);
        put<std::uint32_t>(image, TableAddresses + 4 * t,
                           Bank2DeviceAddress + CANopenTableLayouts[std::size_t(t)].offset);
    }

    for (qsizetype i = 0; i < 8; ++i)
        put<std::uint8_t>(image, FixedEights + i, 8);

    put<std::uint16_t>(image, NetworkFlags, p.network_flags);
    putText(image, DeviceName, p.device_name, DeviceNameField - 1);
    putOctets(image, SecondaryDns, p.secondary_dns);
    putOctets(image, PrimaryDns, p.primary_dns);
    put<std::uint32_t>(image, AddIOLink, IOLinkAreaDeviceAddress);
    putText(image, SwVersion, p.sw_version, SwVersionField);

    put<std::uint32_t>(image, Checksum, bank1Checksum(image));
    return image;
}
