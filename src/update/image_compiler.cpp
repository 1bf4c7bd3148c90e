// SPDX-License-Identifier: MIT
#include "update/image_compiler.h"

#include "app/build_constants.h"
#include "common/conversions.h"
#include "common/text_rules.h"
#include "params/par_gen.h"
#include "tables/iolink_slave_file.h"
#include "tables/pdo_file.h"
#include "tables/sdo_client_file.h"
#include "tables/sdo_server_file.h"
#include "update/bank1_image.h"
#include "update/bank2_image.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

// The readers refuse a list longer than its dialog's table, and no dialog holds more rows
// than the device's table takes: every list compiled fits its table.
static_assert(SdoServerRowCapacity <= layoutOf(CANopenTable::SdoServerRead).capacity);
static_assert(SdoServerRowCapacity <= layoutOf(CANopenTable::SdoServerWrite).capacity);
static_assert(SdoClientRowCapacity <= layoutOf(CANopenTable::SdoClientRead).capacity);
static_assert(SdoClientRowCapacity <= layoutOf(CANopenTable::SdoClientWrite).capacity);
static_assert(PdoRowCapacity <= layoutOf(CANopenTable::PdoReceive).capacity);
static_assert(PdoRowCapacity <= layoutOf(CANopenTable::PdoTransmit).capacity);

namespace {

const QString ErrorLead = u"The configuration images were not compiled: "_s;

// A read result together with the name its error texts use for the file.
template <typename Result>
struct Source {
    Result read;
    QString label;
};

// An integer text by the configurator's rule, or nothing when it does not read as one.
std::optional<std::int64_t> integerValue(const QString &text, bool wide)
{
    // The rule gives the fallback for any unreadable text: two fallbacks tell it apart.
    if (wide) {
        const std::int64_t value = int64FromText(text, 0);
        return value == int64FromText(text, 1) ? std::optional(value) : std::nullopt;
    }
    const int value = intFromText(text, 0);
    return value == intFromText(text, 1) ? std::optional<std::int64_t>(value) : std::nullopt;
}

// Reads the numbers of one CANopen row element; the first attribute that is missing or not a
// number is kept as the error and every later read gives 0.
template <typename Row>
class RowNumbers {
public:
    RowNumbers(const Row &row, const QString &label, const char *list, qsizetype rowNumber)
        : m_row(row),
          m_where(u"%1: row %2 of %3: "_s.arg(label, QString::number(rowNumber), QLatin1String(list)))
    {
    }

    // The attribute's value as a 32-bit integer, or as a 64-bit one when wide.
    std::int64_t get(QLatin1StringView name, bool wide = false)
    {
        if (failed())
            return 0;
        if (!attributePresent(m_row, QString(name))) {
            m_error = m_where % u"the attribute "_s % name % u" is missing"_s;
            return 0;
        }
        const QString &text = textOf(m_row, name);
        const std::optional<std::int64_t> value = integerValue(text, wide);
        if (!value) {
            m_error = m_where % u"the attribute "_s % name % u" holds \""_s % text
                % u"\", which is not a valid integer"_s;
            return 0;
        }
        return *value;
    }

    [[nodiscard]] bool failed() const { return !m_error.isEmpty(); }
    [[nodiscard]] const QString &error() const { return m_error; }

    // The text of the attribute called name (its file name), empty when the row has none.
    static const QString &textOf(const Row &row, QLatin1StringView name)
    {
        static const QString none;
        for (const TableAttribute<Row> &attribute : Row::attributes()) {
            if (name == QLatin1StringView(attribute.name))
                return row.*attribute.cell;
        }
        return none;
    }

private:
    const Row &m_row;
    QString m_where;
    QString m_error;
};

// A check-box attribute of the CANopen files as the device reads it: set only for exactly "Y".
template <typename Row>
bool onChange(const Row &row)
{
    return RowNumbers<Row>::textOf(row, "On_Change"_L1) == u"Y"_s;
}

// How an SDO rule is filled for each of the four SDO tables.
struct SdoTableKind {
    bool client;   // device_id and time come from Device_ID and Poll_Time
    bool writable; // mode 1, or 3 when On_Change is set; read tables have mode 0
};

// One SDO rule. Positions go into slots 5 to 8; slots 1 to 4 stay 0.
template <typename Row>
TCANopen_Rule sdoRule(const Row &row, SdoTableKind kind, RowNumbers<Row> &numbers)
{
    TCANopen_Rule rule;
    rule.cob_id = 0;
    rule.index = std::uint16_t(numbers.get("Index"_L1));
    rule.subindex = std::uint8_t(numbers.get("SubIndex"_L1));
    rule.device_id = kind.client ? std::uint8_t(numbers.get("Device_ID"_L1)) : 0;
    rule.time = kind.client ? std::uint32_t(numbers.get("Poll_Time"_L1, true)) : 0;
    rule.n_byte = std::uint8_t(numbers.get("NByte"_L1));
    rule.address.fill(0);
    rule.address[4] = std::uint16_t(numbers.get("Address_B1"_L1));
    if (rule.n_byte >= 2)
        rule.address[5] = std::uint16_t(numbers.get("Address_B2"_L1));
    if (rule.n_byte >= 4) {
        rule.address[6] = std::uint16_t(numbers.get("Address_B3"_L1));
        rule.address[7] = std::uint16_t(numbers.get("Address_B4"_L1));
    }
    if (kind.writable)
        rule.mode = (kind.client && onChange(row)) ? 3 : 1;
    return rule;
}

// One PDO rule: the first Dimension positions in slots 1 to 8 (slot 1 always), the rest 0.
template <typename Row>
TCANopen_Rule pdoRule(const Row &row, bool transmit, RowNumbers<Row> &numbers)
{
    TCANopen_Rule rule;
    rule.cob_id = std::uint32_t(numbers.get("COB-ID"_L1, true));
    rule.time = std::uint32_t(numbers.get(transmit ? "Send_Time"_L1 : "TimeOut"_L1, true));
    rule.n_byte = std::uint8_t(numbers.get("Dimension"_L1));
    for (int slot = 1; slot <= 8; ++slot) {
        const QByteArray name = "Address_B" + QByteArray::number(slot);
        rule.address[std::size_t(slot - 1)] =
            (slot == 1 || rule.n_byte >= slot) ? std::uint16_t(numbers.get(QLatin1StringView(name))) : 0;
    }
    if (transmit)
        rule.mode = onChange(row) ? 3 : 1;
    return rule;
}

// Compiles every row of one list into rules; false with error set at the first bad value or
// when the list holds more rows than its table in bank 2 has entries.
template <typename Row, typename Fill>
bool compileList(const QList<Row> &rows, const QString &label, const char *list, CANopenTable table,
                 Bank2Data &bank2, QString &error, Fill fill)
{
    const int capacity = layoutOf(table).capacity;
    if (rows.size() > capacity) {
        error = u"%1: the element %2 holds %3 rows, more than the %4 entries of its table in the device"_s.arg(
                    label, QString::fromLatin1(list))
                    .arg(rows.size())
                    .arg(capacity);
        return false;
    }
    QList<TCANopen_Rule> &rules = bank2.table(table);
    rules.clear();
    rules.reserve(rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        RowNumbers<Row> numbers(rows[i], label, list, i + 1);
        const TCANopen_Rule rule = fill(rows[i], numbers);
        if (numbers.failed()) {
            error = numbers.error();
            return false;
        }
        rules.append(rule);
    }
    return true;
}

// A list longer than its dialog's grid is still compiled: the device tables are larger, and
// compileList refuses only what they cannot hold.
template <typename Data>
bool readable(const Source<TableReadResult<Data>> &source, QString &error)
{
    if (source.read.ok() || source.read.status == TableFileStatus::TooManyRows)
        return true;
    error = source.read.error;
    return false;
}

// The three CANopen files into the six tables; a missing file leaves its two tables empty.
bool Read_CANopen_Tables(const Source<SdoServerReadResult> &server, const Source<SdoClientReadResult> &client,
                         const Source<PdoReadResult> &pdo, Bank2Data &bank2, QString &error)
{
    if (!readable(server, error) || !readable(client, error) || !readable(pdo, error))
        return false;

    auto sdo = [](SdoTableKind kind) {
        return [kind](const auto &row, auto &numbers) { return sdoRule(row, kind, numbers); };
    };
    auto pdoOf = [](bool transmit) {
        return [transmit](const auto &row, auto &numbers) { return pdoRule(row, transmit, numbers); };
    };
    using T = CANopenTable;
    return compileList(server.read.data.SDO_Read, server.label, "SDO_Read", T::SdoServerRead, bank2, error,
                       sdo({false, false}))
        && compileList(server.read.data.SDO_Write, server.label, "SDO_Write", T::SdoServerWrite, bank2,
                       error, sdo({false, true}))
        && compileList(client.read.data.SDO_Read, client.label, "SDO_Read", T::SdoClientRead, bank2, error,
                       sdo({true, false}))
        && compileList(client.read.data.SDO_Write, client.label, "SDO_Write", T::SdoClientWrite, bank2,
                       error, sdo({true, true}))
        && compileList(pdo.read.data.Receive_PDO, pdo.label, "Receive_PDO", T::PdoReceive, bank2, error,
                       pdoOf(false))
        && compileList(pdo.read.data.Transmit_PDO, pdo.label, "Transmit_PDO", T::PdoTransmit, bank2, error,
                       pdoOf(true));
}

// An IO-Link row counts only when its Enable attribute, upper-cased but not trimmed, is "Y".
template <typename Row>
bool ioLinkEnabled(const Row &row)
{
    return attributePresent(row, u"Enable") && row.Enable.toUpper() == u"Y"_s;
}

// Sum of the Length bits of the enabled process data rows.
std::int64_t enabledBits(const QList<IOLinkProcessDataRow> &rows)
{
    std::int64_t bits = 0;
    for (const IOLinkProcessDataRow &row : rows) {
        if (ioLinkEnabled(row))
            bits += intFromText(row.Length, 0);
    }
    return bits;
}

int clampedToInt(std::int64_t value)
{
    return int(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

std::uint8_t accessCode(const QString &access)
{
    if (access == u"Write Only"_s)
        return 1;
    if (access == u"Read Write"_s)
        return 3;
    return 2; // "Read Only" and any other text
}

// IOLink_Slave.xml into the IO-Link area; com is already set from ParGen.xml.
bool Read_IOLink_Slave(const Source<IOLinkSlaveReadResult> &source, std::uint32_t addIOLink,
                       TIO_Link_Slave_Dev &device, QString &error)
{
    device.add_parameters = addIOLink + IOLinkHeaderSize;
    if (source.read.status == TableFileStatus::NotFound)
        return true;
    if (!readable(source, error))
        return false;

    const IOLinkSlaveData &data = source.read.data;
    const std::int64_t bitsIn = enabledBits(data.Process_Data_Input);
    const std::int64_t bitsOut = enabledBits(data.Process_Data_Output);
    device.pd_in_bit_length = std::uint32_t(bitsIn);
    device.pd_out_bit_length = std::uint32_t(bitsOut);
    const QString rate = device.com == 2 ? u"COM2"_s : device.com == 3 ? u"COM3"_s : u"COM1"_s;
    device.min_cycle_time =
        std::uint8_t(IOLink_Min_Cycle_Time(rate, clampedToInt(bitsIn), clampedToInt(bitsOut)).code);

    for (const IOLinkVariableRow &row : data.Variables) {
        if (!ioLinkEnabled(row))
            continue;
        TIO_Link_Slave_Par variable;
        variable.index = std::uint16_t(intFromText(row.Index, 0));
        variable.subindex = 0;
        variable.access = accessCode(row.Access);
        variable.bit_address_write = std::uint8_t(intFromText(row.StartBitWrite, 0));
        variable.bit_address_read = std::uint8_t(intFromText(row.StartBitRead, 0));
        variable.position_read = std::uint16_t(intFromText(row.PositionRead, 0));
        variable.position_write = std::uint16_t(intFromText(row.PositionWrite, 0));
        variable.bit_length = std::uint32_t(intFromText(row.Length, 0));
        variable.default_value = std::uint32_t(intFromText(row.DefaultValue, 0));
        device.parameter.append(variable);
    }
    return true;
}

// CANopen bit rate in bit/s by the index of the form's list; any other index is 1000 kbit/s.
std::uint32_t canBaudrate(int index)
{
    static constexpr std::array<std::uint32_t, 8> Rates{10000, 20000, 50000, 100000, 125000, 250000, 500000, 800000};
    return (index >= 0 && index < int(Rates.size())) ? Rates[std::size_t(index)] : 1000000;
}

// ParGen.xml into bank 1 and the IO-Link rate code. A missing element gives the device's own
// default for its field, which differs from the form's default in places.
bool readParGenInto(const Source<ParGenReadResult> &source, TBank1_Par &bank1, std::uint8_t &com, QString &error)
{
    const ParGenReadResult &read = source.read;
    if (read.status == ParGenFileStatus::NotFound)
        return true; // the compile defaults, no version text, com 0
    if (!read.ok()) {
        error = read.problem(source.label);
        return false;
    }

    const QHash<QString, QString> &texts = read.elementTexts;
    auto text = [&texts](const char *name) { return texts.value(QLatin1String(name)); };
    auto number = [&text](const char *name, int fallback) { return intFromText(text(name), fallback); };
    auto flag = [&text](const char *name) { return text(name) == u"1"_s; };
    auto octets = [&number](const char *prefix, Octets defaults) {
        Octets result;
        for (int i = 0; i < 4; ++i) {
            const QByteArray name = prefix + QByteArray::number(i + 1);
            result[std::size_t(i)] = std::uint8_t(number(name.constData(), defaults[std::size_t(i)]));
        }
        return result;
    };

    bank1.sw_version = Build::SW_Version.toLatin1();
    com = std::uint8_t(COM_Mode_Code(text("IOLink_Slave_Baudrate")));

    // One byte per character: the low 8 bits of each UTF-16 code.
    const QString name = text("Eth_Conn_Device_Name").left(31);
    bank1.device_name.clear();
    for (const QChar c : name)
        bank1.device_name.append(char(c.unicode() & 0xFF));

    if (flag("Eth_Conn_DHCP_Cable"))
        bank1.network_flags |= 0x0001;
    if (flag("Eth_Conn_Enable_DNS")) {
        bank1.primary_dns = octets("Eth_Conn_Primary_DNS", {8, 8, 8, 8});
        bank1.secondary_dns = octets("Eth_Conn_Secondary_DNS", {8, 8, 4, 4});
    }
    bank1.ip_address = octets("Ethernet_IP", {192, 168, 0, 10});
    bank1.subnet_mask = octets("Ethernet_SM", {255, 255, 255, 0});
    bank1.gateway = octets("Ethernet_GAT", {192, 168, 0, 1});
    if (!flag("Ethernet_EN_GAT"))
        bank1.gateway = {255, 255, 255, 255};

    bank1.canopen_node_id = std::uint32_t(number("CANopen_IDDev", 1));
    bank1.can_baudrate = canBaudrate(number("CANopen_BAUDRATE", 8));
    bank1.canopen_flags = 0;
    if (flag("CANopen_Set_Operational"))
        bank1.canopen_flags |= 0x1;
    if (flag("CANopen_Network_Start"))
        bank1.canopen_flags |= 0x2;
    // Seconds to milliseconds; the field keeps the low 32 bits.
    bank1.canopen_start_delay = std::uint32_t(std::int64_t(number("CANopen_Delay", 10)) * 1000);
    bank1.sdo_timeout = std::uint32_t(number("CANopen_SDO_TimeOut", 10000));
    return true;
}

struct ProjectReads {
    Source<ParGenReadResult> parGen;
    Source<IOLinkSlaveReadResult> ioLink;
    Source<SdoServerReadResult> sdoServer;
    Source<SdoClientReadResult> sdoClient;
    Source<PdoReadResult> pdo;
};

CompileResult compile(const ProjectReads &reads)
{
    TBank1_Par bank1;
    Bank2Data bank2;
    QString error;

    const bool compiled = readParGenInto(reads.parGen, bank1, bank2.ioLink.com, error)
        && Read_CANopen_Tables(reads.sdoServer, reads.sdoClient, reads.pdo, bank2, error)
        && Read_IOLink_Slave(reads.ioLink, IOLinkAreaDeviceAddress, bank2.ioLink, error);
    if (!compiled)
        return {{}, ErrorLead + error};

    using T = CANopenTable;
    bank1.n_sdo_server_read = std::uint32_t(bank2.table(T::SdoServerRead).size());
    bank1.n_sdo_server_write = std::uint32_t(bank2.table(T::SdoServerWrite).size());
    bank1.n_sdo_client_read = std::uint32_t(bank2.table(T::SdoClientRead).size());
    bank1.n_sdo_client_write = std::uint32_t(bank2.table(T::SdoClientWrite).size());
    bank1.n_pdo_receive = std::uint32_t(bank2.table(T::PdoReceive).size());
    bank1.n_pdo_transmit = std::uint32_t(bank2.table(T::PdoTransmit).size());
    return {{bank1Bytes(bank1), bank2Bytes(bank2)}, {}};
}

// Reads bytes that may be absent with a table reader; absent bytes read as a missing file.
template <typename Result>
Source<Result> fromBytes(const std::optional<QByteArray> &bytes, Result (*read)(const QByteArray &),
                         const QString &label)
{
    Source<Result> source{{}, label}; // a default result stands for a missing file
    if (bytes)
        source.read = read(*bytes);
    return source;
}

} // namespace

CompileResult Compile_Images(const ProjectFiles &files)
{
    return compile({
        {readParGenFile(files.File_ParGen), files.File_ParGen},
        {readIOLinkSlaveFile(files.File_IOLink_Slave), files.File_IOLink_Slave},
        {readSdoServerFile(files.File_SDO_Server), files.File_SDO_Server},
        {readSdoClientFile(files.File_SDO_Client), files.File_SDO_Client},
        {readPdoFile(files.File_PDO), files.File_PDO},
    });
}

CompileResult Compile_Images(const ProjectSources &sources)
{
    return compile({
        fromBytes(sources.parGen, readParGen, u"ParGen.xml"_s),
        fromBytes(sources.ioLinkSlave, readIOLinkSlave, u"IOLink_Slave.xml"_s),
        fromBytes(sources.sdoServer, readSdoServer, u"SDO_Server_CANopen.xml"_s),
        fromBytes(sources.sdoClient, readSdoClient, u"SDO_Client_CANopen.xml"_s),
        fromBytes(sources.pdo, readPdo, u"PDO_CANopen.xml"_s),
    });
}

namespace {

FileResult writeFailure(const QString &path, const QString &reason)
{
    return {false, u"%1: the image cannot be written: %2"_s.arg(path, reason)};
}

// Opens the save file and writes the whole image to its temporary file.
bool stage(QSaveFile &file, const QByteArray &image)
{
    return file.open(QIODevice::WriteOnly) && file.write(image) == image.size();
}

} // namespace

FileResult Write_Images(const QString &projectDir, const CompiledImages &images)
{
    if (images.bank1.size() != Bank1Size || images.bank2.size() < qsizetype(IOLinkAreaOffset + IOLinkHeaderSize))
        return {false, u"No compiled images to write: nothing was written."_s};

    const QString binDir = joinPath(projectDir, u"bin"_s);
    if (!QDir().mkpath(binDir))
        return {false, u"%1: the folder for the images cannot be created."_s.arg(binDir)};
    return writeImageFiles(joinPath(binDir, u"bank1.bin"_s), joinPath(binDir, u"bank2.bin"_s), images);
}

FileResult writeImageFiles(const QString &bank1Path, const QString &bank2Path, const CompiledImages &images,
                           const std::function<void()> &afterStaging)
{
    // Both images go to temporary files first; only when both are complete are they put in
    // place, so a full disk never leaves one new and one old bank behind.
    QSaveFile bank1(bank1Path);
    QSaveFile bank2(bank2Path);
    if (!stage(bank1, images.bank1))
        return writeFailure(bank1Path, bank1.errorString());
    if (!stage(bank2, images.bank2))
        return writeFailure(bank2Path, bank2.errorString());

    // The old bank 1, to put back should bank 2 fail at the last step.
    const bool hadBank1 = QFileInfo::exists(bank1Path);
    std::optional<QByteArray> oldBank1;
    if (QByteArray bytes; hadBank1 && readWholeFile(bank1Path, bytes).ok)
        oldBank1 = std::move(bytes);

    if (afterStaging)
        afterStaging();
    if (!bank1.commit())
        return writeFailure(bank1Path, bank1.errorString());
    if (!bank2.commit()) {
        FileResult failed = writeFailure(bank2Path, bank2.errorString());
        const bool restored = oldBank1   ? writeFileAtomically(bank1Path, *oldBank1).ok
                              : !hadBank1 ? QFile::remove(bank1Path)
                                          : false;
        if (!restored)
            failed.error += u" %1 is new and does not match the old bank 2."_s.arg(bank1Path);
        return failed;
    }
    return {};
}
