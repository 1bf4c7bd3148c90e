// SPDX-License-Identifier: MIT
#include "devicefiles/iodd_project.h"

#include "common/text_rules.h"
#include "params/par_gen.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

bool isEnabledRow(const auto &row)
{
    // A row element without Enable is shown enabled by the table but is not described.
    return attributePresent(row, u"Enable") && checkBoxChecked(row.Enable);
}

int clampedToInt(qint64 value)
{
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

QList<TProcessData> processDataFrom(const QList<IOLinkProcessDataRow> &rows, QChar separator, int &bits)
{
    QList<TProcessData> items;
    qint64 total = 0;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const IOLinkProcessDataRow &row = rows.at(i);
        if (!isEnabledRow(row))
            continue;
        TProcessData item;
        item.Name = row.Name;
        item.Description = row.Description;
        item.Length = intFromText(row.Length, 0);
        item.Gradient = Text_To_Float(row.Gradient, separator).value;
        item.Offset = intFromText(row.Offset, 0);
        item.UnitCode = intFromText(row.UnitCode, 0);
        item.row = int(i + 1);
        total += item.Length;
        items.append(item);
    }
    bits = clampedToInt(total);
    return items;
}

// The menus show a gradient only for integer values, as a plain decimal of limited length.
bool gradientWritable(int lengthBits, float gradient)
{
    return ioddValueType(lengthBits) != IoddValueType::UInteger || std::fabs(double(gradient)) < IoddGradientLimit;
}

QString gradientRefusal(const QString &table, int row, float gradient)
{
    return u"%1 row %2: a Gradient of %3 cannot be written in an IODD (its size must stay below 1e24)"_s
        .arg(table)
        .arg(row)
        .arg(double(gradient));
}

QString tableLabel(bool input)
{
    return input ? u"[Process Data Input]"_s : u"[Process Data Output]"_s;
}

std::optional<QString> checkProcessData(const QList<TProcessData> &items, bool input)
{
    qint64 total = 0;
    for (qsizetype k = 0; k < items.size(); ++k) {
        const TProcessData &item = items.at(k);
        if (ioddValueType(item.Length) == IoddValueType::Unusable) {
            return u"%1 row %2: a Length of %3 bits cannot be described in an IODD "
                   u"(1 to 64 bits, or whole bytes above 64 bits)"_s
                .arg(tableLabel(input))
                .arg(item.row)
                .arg(item.Length);
        }
        if (!gradientWritable(item.Length, item.Gradient))
            return gradientRefusal(tableLabel(input), item.row, item.Gradient);
        if (k + 1 > IoddMaxProcessDataItems) {
            return u"%1 row %2: more than %3 items of process data, the most an IODD can describe"_s
                .arg(tableLabel(input))
                .arg(item.row)
                .arg(IoddMaxProcessDataItems);
        }
        total += item.Length;
        if (total > IoddMaxProcessDataBits) {
            return u"%1 row %2: the process data reach %3 bits here, more than the %4 an IODD can describe"_s
                .arg(tableLabel(input))
                .arg(item.row)
                .arg(total)
                .arg(IoddMaxProcessDataBits);
        }
    }
    return std::nullopt;
}

} // namespace

QString Access_To_IODD(const QString &access)
{
    if (access == u"Write Only"_s)
        return u"wo"_s;
    if (access == u"Read Write"_s)
        return u"rw"_s;
    return u"ro"_s; // "Read Only", and what the image compiler makes of any other text
}

IoddValueType ioddValueType(int lengthBits)
{
    if (lengthBits == 1)
        return IoddValueType::Boolean;
    if (lengthBits >= 2 && lengthBits <= 64)
        return IoddValueType::UInteger;
    if (lengthBits > 64 && lengthBits % 8 == 0 && lengthBits / 8 <= IoddMaxOctetStringBytes)
        return IoddValueType::OctetString;
    return IoddValueType::Unusable;
}

IoddProject ioddProjectFrom(const IOLinkSlaveData &tables, const QString &rateText, QChar separator)
{
    IoddProject project;
    project.IODD_Rate_Text = rateText;
    for (qsizetype i = 0; i < tables.Variables.size(); ++i) {
        const IOLinkVariableRow &row = tables.Variables.at(i);
        if (!isEnabledRow(row))
            continue;
        TVariable variable;
        variable.Index = intFromText(row.Index, 60);
        variable.Name = row.Name;
        variable.Description = row.Description;
        variable.Access = Access_To_IODD(row.Access);
        variable.Length = intFromText(row.Length, 0);
        variable.Gradient = Text_To_Float(row.Gradient, separator).value;
        variable.Offset = intFromText(row.Offset, 0);
        variable.UnitCode = intFromText(row.UnitCode, 0);
        variable.DefaultValue = intFromText(row.DefaultValue, 0);
        variable.row = int(i + 1);
        project.variables.append(variable);
    }
    project.inputs = processDataFrom(tables.Process_Data_Input, separator, project.bitsIn);
    project.outputs = processDataFrom(tables.Process_Data_Output, separator, project.bitsOut);
    project.cycleTime = IOLink_Min_Cycle_Time(project.IODD_Rate_Text, project.bitsIn, project.bitsOut);
    return project;
}

IoddProjectReading Read_IODD_Project(const ProjectFiles &files, QChar separator)
{
    IoddProjectReading reading;

    // The stored rate comes normalised to "COM1", "COM2" or "COM3", "COM1" when missing.
    const ParGenReadResult parGen = readParGenFile(files.File_ParGen);
    if (!parGen.ok()) {
        reading.ok = false;
        reading.error = parGen.problem(files.File_ParGen);
        return reading;
    }

    const IOLinkSlaveReadResult tables = readIOLinkSlaveFile(files.File_IOLink_Slave);
    if (!tables.ok()) {
        reading.ok = false;
        reading.error = tables.error;
        return reading;
    }
    reading.project = ioddProjectFrom(tables.data, parGen.values.IOLink_Slave_Baudrate, separator);
    return reading;
}

std::optional<QString> checkIoddProject(const IoddProject &project)
{
    if (auto refused = checkProcessData(project.inputs, true))
        return refused;
    if (auto refused = checkProcessData(project.outputs, false))
        return refused;

    QHash<int, int> rowOfIndex;
    for (const TVariable &variable : project.variables) {
        if (variable.Index < 0 || variable.Index > 65535) {
            return u"[Variables] row %1: Index %2 lies outside 0 to 65535, the indexes an IODD can describe"_s
                .arg(variable.row)
                .arg(variable.Index);
        }
        if (ioddValueType(variable.Length) == IoddValueType::Unusable) {
            return u"[Variables] row %1: a Length of %2 bits cannot be described in an IODD "
                   u"(1 to 64 bits, or whole bytes up to %3 bits)"_s
                .arg(variable.row)
                .arg(variable.Length)
                .arg(IoddMaxOctetStringBytes * 8);
        }
        if (!gradientWritable(variable.Length, variable.Gradient))
            return gradientRefusal(u"[Variables]"_s, variable.row, variable.Gradient);
        const auto used = rowOfIndex.constFind(variable.Index);
        if (used != rowOfIndex.cend()) {
            return u"[Variables] row %1: Index %2 is already used by row %3"_s
                .arg(variable.row)
                .arg(variable.Index)
                .arg(used.value());
        }
        rowOfIndex.insert(variable.Index, variable.row);
    }
    return std::nullopt;
}
