// SPDX-License-Identifier: MIT
// The converter's communication parameters and their project file ParGen.xml.
#pragma once

#include "common/file_io.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <array>
#include <optional>

// The parameter set as the form shows it and the file holds it: every value is a text.
// Flags are "1" or "0"; IOLink_Slave_Baudrate is "COM1", "COM2" or "COM3"; CANopen_BAUDRATE
// is the index "0" ("10K") to "8" ("1000K") of the bit-rate list. Members hold the defaults.
struct ParGenValues {
    QString Eth_Conn_Device_Name;
    QString Eth_Conn_DHCP_Cable = QStringLiteral("0");
    QString Eth_Conn_DHCP_WiFi = QStringLiteral("0");
    QString Eth_Conn_Enable_DNS = QStringLiteral("0");
    QString Eth_Conn_Primary_DNS1 = QStringLiteral("8");
    QString Eth_Conn_Primary_DNS2 = QStringLiteral("8");
    QString Eth_Conn_Primary_DNS3 = QStringLiteral("8");
    QString Eth_Conn_Primary_DNS4 = QStringLiteral("8");
    QString Eth_Conn_Secondary_DNS1 = QStringLiteral("8");
    QString Eth_Conn_Secondary_DNS2 = QStringLiteral("8");
    QString Eth_Conn_Secondary_DNS3 = QStringLiteral("4");
    QString Eth_Conn_Secondary_DNS4 = QStringLiteral("4");
    QString IOLink_Slave_Baudrate = QStringLiteral("COM1");
    QString CANopen_IDDev = QStringLiteral("1");
    QString CANopen_BAUDRATE = QStringLiteral("5");
    QString CANopen_Set_Operational = QStringLiteral("0");
    QString CANopen_Network_Start = QStringLiteral("0");
    QString CANopen_Delay = QStringLiteral("0");
    QString CANopen_SDO_TimeOut = QStringLiteral("10000");
    QString Ethernet_IP1 = QStringLiteral("192");
    QString Ethernet_IP2 = QStringLiteral("168");
    QString Ethernet_IP3 = QStringLiteral("0");
    QString Ethernet_IP4 = QStringLiteral("5");
    QString Ethernet_SM1 = QStringLiteral("255");
    QString Ethernet_SM2 = QStringLiteral("255");
    QString Ethernet_SM3 = QStringLiteral("255");
    QString Ethernet_SM4 = QStringLiteral("0");
    QString Ethernet_GAT1 = QStringLiteral("192");
    QString Ethernet_GAT2 = QStringLiteral("168");
    QString Ethernet_GAT3 = QStringLiteral("0");
    QString Ethernet_GAT4 = QStringLiteral("1");
    QString Ethernet_EN_GAT = QStringLiteral("0");

    // The text of the element called name, or nullptr for a name that is not one of the 32.
    [[nodiscard]] const QString *text(const QString &name) const;
    [[nodiscard]] QString *text(const QString &name);

    friend bool operator==(const ParGenValues &, const ParGenValues &) = default;
};

// How a flag text reads: checked only for exactly "1".
[[nodiscard]] inline bool parGenFlag(const QString &text) { return text == QLatin1String("1"); }
[[nodiscard]] inline QString parGenFlagText(bool checked)
{
    return checked ? QStringLiteral("1") : QStringLiteral("0");
}

// One element of ParGen.xml: its name and where ParGenValues holds its text.
struct ParGenElement {
    const char *name;
    QString ParGenValues::*member;
};
inline constexpr int ParGenElementCount = 32;
// The 32 elements in the order the file holds them.
[[nodiscard]] const std::array<ParGenElement, ParGenElementCount> &parGenElements();

// Item texts of the two fixed lists of the form.
[[nodiscard]] const std::array<QString, 3> &ioLinkRateItems();     // "COM1", "COM2", "COM3"
[[nodiscard]] const std::array<QString, 9> &canopenBaudrateItems(); // "10K" ... "1000K"

// List index of a stored IO-Link rate: the trimmed text "COM2" gives 1, "COM3" 2, anything else 0.
[[nodiscard]] int Get_IOLink_Slave_Baudrate(const QString &rateText);
// List index of a stored CANopen bit-rate text: a non-integer gives 5 ("250K"); an integer
// outside 0 to 8 gives 8 ("1000K"), the rate the image compiler uses for it.
[[nodiscard]] int canopenBaudrateIndex(const QString &indexText);

enum class ParGenFileStatus {
    Loaded,     // the file was read
    NotFound,   // no file: the defaults
    Malformed,  // not well-formed XML: the defaults
    Unreadable, // the file exists but could not be read: the defaults
};

struct ParGenReadResult {
    ParGenFileStatus status = ParGenFileStatus::NotFound;
    QString error;      // the parser's or the system's reason for Malformed and Unreadable
    ParGenValues values; // as the form loads them: defaults for missing elements, flags and lists normalised
    // The raw text of each of the 32 elements present under the root, by element name;
    // an element missing from the file has no entry. For readers with defaults of their own.
    QHash<QString, QString> elementTexts;

    [[nodiscard]] bool ok() const
    {
        return status == ParGenFileStatus::Loaded || status == ParGenFileStatus::NotFound;
    }
    // Why the file named file could not be used, in the configurator's words; empty when ok().
    [[nodiscard]] QString problem(const QString &file) const;
};

// Reads a ParGen.xml document: the root is the first top-level element, whatever its name;
// each element is found by name and read on its own, a missing one gives its default.
[[nodiscard]] ParGenReadResult readParGen(const QByteArray &bytes);
// Reads the file; a missing file gives the defaults with status NotFound.
[[nodiscard]] ParGenReadResult readParGenFile(const QString &path);

// The whole document: root Par_Gen, the comment "SW_VERSION = 1.003" after it, the 32 elements
// in order; UTF-8, no declaration, no indentation.
[[nodiscard]] QByteArray writeParGen(const ParGenValues &values);
// Replaces the file atomically; on failure the old file stays as it was.
[[nodiscard]] FileResult writeParGenFile(const QString &path, const ParGenValues &values);

// The first broken rule: its catalogue message and the element whose value breaks it.
struct ParGenCheckFailure {
    int message = 0;
    QString element;
    friend bool operator==(const ParGenCheckFailure &, const ParGenCheckFailure &) = default;
};
// The checks made before saving, in their fixed order; nothing when every rule holds.
[[nodiscard]] std::optional<ParGenCheckFailure> Controllo_Dati(const ParGenValues &values);
