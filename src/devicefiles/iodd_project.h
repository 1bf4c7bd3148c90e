// SPDX-License-Identifier: MIT
// What the IODD describes of a project: the enabled IO-Link variables and process data of
// IOLink_Slave.xml and the IO-Link rate of ParGen.xml, and the limits the IODD types set.
#pragma once

#include "app/project.h"
#include "common/conversions.h"
#include "tables/iolink_slave_file.h"

#include <QChar>
#include <QList>
#include <QString>

#include <optional>

// One enabled variable. row is its row number in the Variables table (1 for the first row).
struct TVariable {
    int Index = 60;
    QString Name;
    QString Description;
    QString Access;      // IODD access right: "ro", "wo" or "rw"
    int Length = 0;      // bits
    float Gradient = 1.0f;
    int Offset = 0;
    int UnitCode = 0;
    int DefaultValue = 0;
    int row = 0;

    friend bool operator==(const TVariable &, const TVariable &) = default;
};

// One enabled process data item, input or output. row is its row number in its table.
struct TProcessData {
    QString Name;
    QString Description;
    int Length = 0;      // bits
    float Gradient = 1.0f;
    int Offset = 0;
    int UnitCode = 0;
    int row = 0;

    friend bool operator==(const TProcessData &, const TProcessData &) = default;
};

// Everything the IODD holds that comes from the project.
struct IoddProject {
    QList<TVariable> variables;
    QList<TProcessData> inputs;
    QList<TProcessData> outputs;
    int bitsIn = 0;  // sum of the input Lengths
    int bitsOut = 0; // sum of the output Lengths
    QString IODD_Rate_Text = QStringLiteral("COM1");
    MinCycleTime cycleTime; // for IODD_Rate_Text, bitsIn and bitsOut

    friend bool operator==(const IoddProject &, const IoddProject &) = default;
};

// IODD access right of an Access cell: "Read Only" gives "ro", "Write Only" "wo", "Read Write"
// "rw" (exact texts); any other text gives "ro", the access the image compiler gives the device.
[[nodiscard]] QString Access_To_IODD(const QString &access);

// The records of the enabled rows (Enable trimmed and upper-cased is "Y"; a row without an
// Enable attribute is left out), in table order, with the bit totals and the cycle time.
// Cells that are not numbers take the defaults: Index 60, Gradient 1, every other number 0.
// rateText is the stored IO-Link rate ("COM1", "COM2" or "COM3").
[[nodiscard]] IoddProject ioddProjectFrom(const IOLinkSlaveData &tables, const QString &rateText,
                                          QChar separator);

struct IoddProjectReading {
    bool ok = true;
    QString error; // which file could not be used and why, when !ok
    IoddProject project;
};

// Reads ParGen.xml and IOLink_Slave.xml of a project. A missing file gives its defaults
// (rate "COM1", no variables and no process data); a file that cannot be read, is not
// well-formed or holds more rows than its table takes is refused with the reason.
[[nodiscard]] IoddProjectReading Read_IODD_Project(const ProjectFiles &files,
                                                   QChar separator = Get_Decimal_Separator());

// Why a project cannot be described by an IODD 1.1 file, naming the table and row, or
// nothing when it can. Refused: a variable index outside 0 to 65535 or used twice; a Length
// the IODD types cannot hold (1 bit, 2 to 64 bits, or whole bytes up to 232 bytes for a
// variable); process data above 256 bits or above 255 items in one direction; a gradient
// the menus would show (2 to 64 bits) of 10^24 or more in size.
[[nodiscard]] std::optional<QString> checkIoddProject(const IoddProject &project);

// Largest process data in one direction, in bits, and most items in one record.
inline constexpr int IoddMaxProcessDataBits = 256;
inline constexpr int IoddMaxProcessDataItems = 255;
// Longest value an IODD octet string holds, in bytes.
inline constexpr int IoddMaxOctetStringBytes = 232;
// Gradients are written as plain decimals (xsd:decimal); common schema validators take at
// most 24 digits for one, so a gradient's whole part must stay below 10^24.
inline constexpr int IoddMaxDecimalDigits = 24;
inline constexpr double IoddGradientLimit = 1e24;

// How a value of a given Length is typed in the IODD.
enum class IoddValueType {
    Boolean,     // 1 bit
    UInteger,    // 2 to 64 bits
    OctetString, // whole bytes above 64 bits
    Unusable,    // anything else
};
[[nodiscard]] IoddValueType ioddValueType(int lengthBits);
