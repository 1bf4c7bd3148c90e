// SPDX-License-Identifier: MIT
// The converter's CANopen electronic data sheet (EDS 4.0): its data and its text.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QTime>

#include <QtGlobal>

// The most PDOs of one direction: the PDO table has 30 rows per page.
inline constexpr int EdsMaxPdos = 30;

// One PDO of the PDO table as the data sheet describes it.
struct EdsPdo {
    quint32 cobId = 0;  // written as the default of sub-index 1 of its communication object
    int dimension = 8;  // data bytes of the frame, 1 to 8
    friend bool operator==(const EdsPdo &, const EdsPdo &) = default;
};

// One sub-index of an SDO server object.
struct SDO_Sub_Type {
    quint8 Sub = 0;
    int Quantity = 4;     // NByte: 1 gives UNSIGNED8, 2 UNSIGNED16, anything else UNSIGNED32
    bool Readonly = true; // false when the master may also write it
    friend bool operator==(const SDO_Sub_Type &, const SDO_Sub_Type &) = default;
};

// One index of the SDO server table with its distinct sub-indices.
struct SDO_Index {
    quint16 Index = 0;
    QList<SDO_Sub_Type> Sub_Indexs; // never empty
    friend bool operator==(const SDO_Index &, const SDO_Index &) = default;
};

// Everything the data sheet takes from a project.
struct EdsData {
    QList<EdsPdo> receivePdos;       // at most EdsMaxPdos; Dimension 1 to 8 each
    QList<EdsPdo> transmitPdos;      // the same
    QList<SDO_Index> SDO_Index_List; // indices 0x2000 to 0x5FFF, in order of first occurrence
};

// Position of the record with this index in the list, or -1.
[[nodiscard]] qsizetype Find_SDO_Index(const QList<SDO_Index> &list, quint16 Index);

// Adds one row of the SDO server table. A new index is appended to the list; a new sub-index is
// appended to its record. A sub-index already listed keeps its first Quantity and stays read-only
// only while every row naming it is read-only, so each object appears once in the data sheet.
void Add_SDO_Sub(QList<SDO_Index> &list, int Quantity, quint16 Index, quint8 Sub, bool Readonly);

// Sorts every record's sub-indices, ascending.
void Sort_SDO_Subs(QList<SDO_Index> &list);

// "MM-DD-YYYY", as the data sheet's creation and modification dates.
[[nodiscard]] QByteArray edsDateText(const QDate &date);

// Twelve-hour "hh:mmAM" / "hh:mmPM": 00:05 is 12:05AM, 12:30 is 12:30PM, 17:45 is 05:45PM.
[[nodiscard]] QByteArray edsTimeText(const QTime &time);

// The whole data sheet: ASCII lines, each ended by CR LF, stamped with now's date and time.
// PDOs past EdsMaxPdos of a direction are left out (the readers refuse such lists).
[[nodiscard]] QByteArray edsBytes(const EdsData &data, const QDateTime &now);
