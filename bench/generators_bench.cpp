// SPDX-License-Identifier: MIT
// tessaro-generators-bench: times the image compiler and the device description generators on a
// project whose tables are full. A programme to run by hand, not a test.
#include "app/project.h"
#include "common/file_io.h"
#include "devicefiles/eds_project.h"
#include "devicefiles/iodd_generator.h"
#include "devicefiles/iodd_pictures.h"
#include "params/par_gen.h"
#include "tables/iolink_slave_file.h"
#include "tables/pdo_file.h"
#include "tables/sdo_client_file.h"
#include "tables/sdo_server_file.h"
#include "update/image_compiler.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

QString hex(int value)
{
    return u"0x"_s + QString::number(value, 16).toUpper();
}

SdoServerData fullSdoServer()
{
    SdoServerData data;
    for (int i = 0; i < SdoServerRowCapacity; ++i) {
        SdoServerRow row;
        row.Index = hex(0x2000 + i / 8);
        row.SubIndex = QString::number(i % 8 + 1);
        row.NByte = u"4"_s;
        row.Address_B1 = QString::number((i * 4) % 1496);
        row.Address_B2 = QString::number((i * 4) % 1496 + 1);
        row.Address_B3 = QString::number((i * 4) % 1496 + 2);
        row.Address_B4 = QString::number((i * 4) % 1496 + 3);
        data.SDO_Read.append(row);
        row.Index = hex(0x3000 + i / 8);
        data.SDO_Write.append(row);
    }
    return data;
}

SdoClientData fullSdoClient()
{
    SdoClientData data;
    for (int i = 0; i < SdoClientRowCapacity; ++i) {
        SdoClientReadRow read;
        read.Device_ID = QString::number(i % 127 + 1);
        read.Index = hex(0x2000 + i);
        read.SubIndex = u"1"_s;
        read.NByte = u"2"_s;
        read.Poll_Time = u"100"_s;
        read.Address_B1 = QString::number(i * 2);
        read.Address_B2 = QString::number(i * 2 + 1);
        data.SDO_Read.append(read);
        SdoClientWriteRow write;
        write.Device_ID = read.Device_ID;
        write.Index = read.Index;
        write.SubIndex = read.SubIndex;
        write.NByte = read.NByte;
        write.Poll_Time = read.Poll_Time;
        write.On_Change = u"Y"_s;
        write.Address_B1 = read.Address_B1;
        write.Address_B2 = read.Address_B2;
        data.SDO_Write.append(write);
    }
    return data;
}

PdoData fullPdo()
{
    PdoData data;
    for (int i = 0; i < PdoRowCapacity; ++i) {
        PdoReceiveRow receive;
        receive.COB_ID = hex(0x200 + i + 1);
        receive.Dimension = u"8"_s;
        receive.Address_B1 = QString::number(i * 8);
        receive.Address_B2 = QString::number(i * 8 + 1);
        receive.Address_B3 = QString::number(i * 8 + 2);
        receive.Address_B4 = QString::number(i * 8 + 3);
        receive.Address_B5 = QString::number(i * 8 + 4);
        receive.Address_B6 = QString::number(i * 8 + 5);
        receive.Address_B7 = QString::number(i * 8 + 6);
        receive.Address_B8 = QString::number(i * 8 + 7);
        receive.TimeOut = u"0"_s;
        data.Receive_PDO.append(receive);
        PdoTransmitRow transmit;
        transmit.COB_ID = hex(0x180 + i + 1);
        transmit.Dimension = u"8"_s;
        transmit.Address_B1 = receive.Address_B1;
        transmit.Address_B2 = receive.Address_B2;
        transmit.Address_B3 = receive.Address_B3;
        transmit.Address_B4 = receive.Address_B4;
        transmit.Address_B5 = receive.Address_B5;
        transmit.Address_B6 = receive.Address_B6;
        transmit.Address_B7 = receive.Address_B7;
        transmit.Address_B8 = receive.Address_B8;
        transmit.Send_Time = u"100"_s;
        transmit.On_Change = u"Y"_s;
        data.Transmit_PDO.append(transmit);
    }
    return data;
}

// 512 variables and 256 bits of process data each way in 128 two-bit items.
IOLinkSlaveData fullIOLink()
{
    IOLinkSlaveData data;
    for (int i = 0; i < IOLinkRowCapacity; ++i) {
        IOLinkVariableRow variable;
        variable.Index = QString::number(64 + i);
        variable.Name = u"Variable %1"_s.arg(i);
        variable.Access = u"Read Write"_s;
        variable.Length = u"16"_s;
        variable.Gradient = u"0.5"_s;
        variable.Offset = u"0"_s;
        variable.UnitCode = u"1000"_s;
        variable.DefaultValue = u"0"_s;
        variable.PositionRead = QString::number(i * 2);
        variable.StartBitRead = u"0"_s;
        variable.PositionWrite = QString::number(i * 2);
        variable.StartBitWrite = u"0"_s;
        variable.Description = u"Value %1 & more"_s.arg(i);
        data.Variables.append(variable);
    }
    for (int i = 0; i < 128; ++i) {
        IOLinkProcessDataRow item;
        item.Name = u"Item %1"_s.arg(i);
        item.Length = u"2"_s;
        item.Gradient = u"1"_s;
        item.Offset = u"0"_s;
        item.UnitCode = u"1000"_s;
        item.Position = QString::number(i / 4);
        item.StartBit = QString::number((i % 4) * 2);
        data.Process_Data_Input.append(item);
        data.Process_Data_Output.append(item);
    }
    return data;
}

bool writeMaximalProject(const ProjectFiles &files)
{
    ParGenValues parameters;
    parameters.IOLink_Slave_Baudrate = u"COM3"_s;
    return writeFileAtomically(files.File_ParGen, writeParGen(parameters)).ok
        && writeSdoServerFile(files.File_SDO_Server, fullSdoServer()).ok
        && writeSdoClientFile(files.File_SDO_Client, fullSdoClient()).ok
        && writePdoFile(files.File_PDO, fullPdo()).ok
        && writeIOLinkSlaveFile(files.File_IOLink_Slave, fullIOLink()).ok;
}

struct Timing {
    double median;
    double min;
    double max;
};

// Runs work once to warm up, then repetitions times; false from work stops the run.
bool measure(int repetitions, const std::function<bool()> &work, Timing &timing)
{
    if (!work())
        return false;
    std::vector<double> ms;
    for (int i = 0; i < repetitions; ++i) {
        QElapsedTimer clock;
        clock.start();
        if (!work())
            return false;
        ms.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    timing = {ms[ms.size() / 2], ms.front(), ms.back()};
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const int repetitions = 30;
    QTemporaryDir workspace;
    ProjectState project;
    project.Project_Dir = workspace.filePath(u"PROJECTS/Maximal"_s);
    QDir().mkpath(project.Project_Dir);
    project.Set_Files();
    if (!writeMaximalProject(project.files)) {
        std::fprintf(stderr, "could not write the maximal project\n");
        return 1;
    }

    const QString ioddDir = workspace.filePath(u"IODD"_s);
    if (!ensureIoddPictures(ioddDir).ok) {
        std::fprintf(stderr, "could not put the IODD pictures in place\n");
        return 1;
    }
    QString archivePath;

    struct Case {
        const char *name;
        std::function<bool()> work;
    };
    QString error;
    const Case cases[] = {
        {"compile: Compile_Images (both banks)",
         [&] {
             const CompileResult result = Compile_Images(project.files);
             error = result.error;
             return result.ok();
         }},
        {"compile: Compile_Images + Write_Images",
         [&] {
             const CompileResult result = Compile_Images(project.files);
             error = result.error;
             return result.ok() && Write_Images(project.Project_Dir, result.images).ok;
         }},
        {"eds: Make_EDS + write",
         [&] {
             const EdsResult result = Make_EDS(project.files, QDateTime::currentDateTime());
             error = result.error;
             return result.ok() && writeEdsFile(project.Project_Dir + u"/bench.eds"_s, result.bytes).isEmpty();
         }},
        {"iodd: IODD file + archive",
         [&] {
             const IoddGeneration result =
                 generateIodd(project.files, ioddDir, project.Project_Dir, QDateTime::currentDateTime());
             error = result.error;
             archivePath = result.archivePath;
             return result.ok;
         }},
    };

    std::printf("%-44s %6s %10s %10s %10s\n", "measurement", "runs", "median ms", "min ms", "max ms");
    for (const Case &c : cases) {
        Timing timing{};
        if (!measure(repetitions, c.work, timing)) {
            std::fprintf(stderr, "%s failed: %s\n", c.name, qPrintable(error));
            return 1;
        }
        std::printf("%-44s %6d %10.3f %10.3f %10.3f\n", c.name, repetitions, timing.median, timing.min, timing.max);
    }
    for (const char *file : {"ParGen.xml", "IOLink_Slave.xml", "SDO_Server_CANopen.xml", "SDO_Client_CANopen.xml",
                             "PDO_CANopen.xml", "bin/bank1.bin", "bin/bank2.bin", "bench.eds"}) {
        std::printf("%-28s %8lld bytes\n", file,
                    QFileInfo(project.Project_Dir + u'/' + QString::fromLatin1(file)).size());
    }
    std::printf("%-28s %8lld bytes\n", "IODD archive", QFileInfo(archivePath).size());
    QFile status(u"/proc/self/status"_s);
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM"))
                std::printf("peak RSS %s\n", line.mid(6).trimmed().constData());
        }
    }
    return 0;
}
