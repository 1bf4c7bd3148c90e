// SPDX-License-Identifier: MIT
#include "update/bank2_image.h"

#include "update/image_bytes.h"

using ImageBytes::put;

namespace {

void putRule(QByteArray &image, qsizetype at, const TCANopen_Rule &rule)
{
    put<std::uint32_t>(image, at + 0, rule.cob_id);
    put<std::uint16_t>(image, at + 4, rule.index);
    put<std::uint8_t>(image, at + 6, rule.subindex);
    put<std::uint8_t>(image, at + 7, rule.device_id);
    put<std::uint32_t>(image, at + 8, rule.time);
    for (std::size_t slot = 0; slot < rule.address.size(); ++slot)
        put<std::uint16_t>(image, at + 12 + 2 * qsizetype(slot), rule.address[slot]);
    put<std::uint8_t>(image, at + 28, rule.n_byte);
    put<std::uint8_t>(image, at + 29, rule.mode);
    // bytes 30 and 31 stay 0
}

void putVariable(QByteArray &image, qsizetype at, const TIO_Link_Slave_Par &variable)
{
    put<std::uint16_t>(image, at + 0, variable.index);
    put<std::uint8_t>(image, at + 2, variable.subindex);
    put<std::uint8_t>(image, at + 3, variable.access);
    put<std::uint8_t>(image, at + 4, variable.bit_address_write);
    put<std::uint8_t>(image, at + 5, variable.bit_address_read);
    // bytes 6 and 7 spare
    put<std::uint16_t>(image, at + 8, variable.position_read);
    put<std::uint16_t>(image, at + 10, variable.position_write);
    put<std::uint32_t>(image, at + 12, variable.bit_length);
    put<std::uint32_t>(image, at + 16, variable.default_value);
}

void putIOLinkHeader(QByteArray &image, qsizetype at, const TIO_Link_Slave_Dev &device)
{
    put<std::uint8_t>(image, at + 0, device.com);
    put<std::uint8_t>(image, at + 1, device.min_cycle_time);
    // bytes 2 and 3 spare
    put<std::uint32_t>(image, at + 4, std::uint32_t(device.parameter.size())); // n_par
    // n_events (8) and add_event (16) stay 0: no events
    put<std::uint32_t>(image, at + 12, device.add_parameters);
    put<std::uint32_t>(image, at + 20, device.pd_in_bit_length);
    put<std::uint32_t>(image, at + 24, device.pd_out_bit_length);
}

} // namespace

QByteArray canopenRuleBytes(const TCANopen_Rule &rule)
{
    QByteArray bytes(CANopenRuleSize, '\0');
    putRule(bytes, 0, rule);
    return bytes;
}

QByteArray bank2Bytes(const Bank2Data &data)
{
    const TIO_Link_Slave_Dev &device = data.ioLink;
    const qsizetype variablesAt = IOLinkAreaOffset + IOLinkHeaderSize;
    QByteArray image(variablesAt + IOLinkVariableSize * device.parameter.size(), '\0');

    const TCANopen_Rule unused;
    for (int t = 0; t < CANopenTableCount; ++t) {
        const CANopenTableLayout layout = CANopenTableLayouts[std::size_t(t)];
        const QList<TCANopen_Rule> &rules = data.tables[std::size_t(t)];
        for (int entry = 0; entry < layout.capacity; ++entry) {
            const TCANopen_Rule &rule = entry < rules.size() ? rules[entry] : unused;
            putRule(image, layout.offset + qsizetype(entry) * CANopenRuleSize, rule);
        }
    }

    putIOLinkHeader(image, IOLinkAreaOffset, device);
    for (qsizetype i = 0; i < device.parameter.size(); ++i)
        putVariable(image, variablesAt + i * IOLinkVariableSize, device.parameter[i]);
    return image;
}
