// SPDX-License-Identifier: MIT
// The IO-Link process data and variables tables and their project file IOLink_Slave.xml.
// readIOLinkSlave*() gives IOLinkSlaveReadResult: status, error text and data.Variables /
// data.Process_Data_Input / data.Process_Data_Output, one row per row element in file order,
// cells as text; a row without Enable holds "Y" and lists "Enable" in missingAttributes.
#pragma once

#include "common/file_io.h"
#include "tables/table_file.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>

// Rows of each of the three tables.
inline constexpr int IOLinkRowCapacity = 512;

// The cell a new table row and a missing Enable attribute give: enabled.
inline constexpr QStringView IOLinkEnableDefault = u"Y";
// What an empty cell of a process data row gets when its Length is typed.
inline constexpr QStringView IOLinkProcessDataDefaultGradient = u"1";
inline constexpr QStringView IOLinkProcessDataDefaultOffset = u"0";
inline constexpr QStringView IOLinkProcessDataDefaultUnitCode = u"1000";

// One process data item (input or output): Length in bits, display scaling, the informative
// Position (byte) and StartBit the table computed from the enabled Lengths. Texts as stored;
// a missing attribute gives the member's default ("Y" for Enable, empty otherwise).
struct IOLinkProcessDataRow {
    QString Enable = IOLinkEnableDefault.toString();
    QString Name;
    QString Length;
    QString Gradient;
    QString Offset;
    QString UnitCode;
    QString Position;
    QString StartBit;
    QString Description;
    QString Mnemonic;
    QStringList missingAttributes;

    // Enable, Name, Length, Gradient, Offset, UnitCode, Position, StartBit, Description, Mnemonic.
    [[nodiscard]] static const std::array<TableAttribute<IOLinkProcessDataRow>, 10> &attributes();
    static constexpr int keyAttribute = 2; // Length
    static constexpr int rowCapacity = IOLinkRowCapacity;

    friend bool operator==(const IOLinkProcessDataRow &, const IOLinkProcessDataRow &) = default;
};

// One variable: IO-Link index, access text, length in bits, scaling, default value and its
// places in the read and write areas (byte position, start bit). Texts as stored, Access too
// (the dialog filters it with Get_Var_Access); a missing attribute gives the member's default.
struct IOLinkVariableRow {
    QString Enable = IOLinkEnableDefault.toString();
    QString Index;
    QString Name;
    QString Access;
    QString Length;
    QString Gradient;
    QString Offset;
    QString UnitCode;
    QString DefaultValue;
    QString PositionRead;
    QString StartBitRead;
    QString PositionWrite;
    QString StartBitWrite;
    QString Description;
    QString Mnemonic;
    QStringList missingAttributes;

    // Enable, Index, Name, Access, Length, Gradient, Offset, UnitCode, DefaultValue,
    // PositionRead, StartBitRead, PositionWrite, StartBitWrite, Description, Mnemonic.
    [[nodiscard]] static const std::array<TableAttribute<IOLinkVariableRow>, 15> &attributes();
    static constexpr int keyAttribute = 1; // Index
    static constexpr int rowCapacity = IOLinkRowCapacity;

    friend bool operator==(const IOLinkVariableRow &, const IOLinkVariableRow &) = default;
};

// The document. The file holds no other values: the device identity is fixed elsewhere.
struct IOLinkSlaveData {
    QList<IOLinkVariableRow> Variables;
    QList<IOLinkProcessDataRow> Process_Data_Input;
    QList<IOLinkProcessDataRow> Process_Data_Output;

    friend bool operator==(const IOLinkSlaveData &, const IOLinkSlaveData &) = default;
};

using IOLinkSlaveReadResult = TableReadResult<IOLinkSlaveData>;

// The three texts the Access drop-down offers: "Read Only", "Write Only", "Read Write".
[[nodiscard]] const std::array<QString, 3> &ioLinkAccessItems();
// The Access filter the table applies to a stored text: one of the three items exactly (same
// case, no blanks) is kept, any other text gives an empty cell.
[[nodiscard]] QString Get_Var_Access(const QString &access);

// Reads a document: root = first element whatever its name; Variables and Process_Data (with
// Process_Data_Input and Process_Data_Output) are found by name, and a missing one leaves its
// tables empty (still Loaded). Every child element of a list is a row, whatever its name.
// More than 512 rows in a list: TooManyRows.
[[nodiscard]] IOLinkSlaveReadResult readIOLinkSlave(const QByteArray &bytes);
// Reads the file; a missing file gives NotFound with empty lists.
[[nodiscard]] IOLinkSlaveReadResult readIOLinkSlaveFile(const QString &path);

// Root IOLinkSlave, the comment "SW_VERSION = 1.003" after it, then Variables and Process_Data
// (Process_Data_Input, Process_Data_Output), each list with one row element per given row (every
// attribute written, in order, text unchanged). Writes the rows as given: pass the used part.
[[nodiscard]] QByteArray writeIOLinkSlave(const IOLinkSlaveData &data);
// Replaces the file atomically; on failure the old file stays as it was.
[[nodiscard]] FileResult writeIOLinkSlaveFile(const QString &path, const IOLinkSlaveData &data);
