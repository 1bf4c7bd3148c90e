// SPDX-License-Identifier: MIT
// What the four access-table files share: read status and result, the row/attribute tables,
// the used part of a grid and the check-box rule.
// A read gives TableReadResult<Data>: status (Loaded, NotFound, Unreadable, Malformed,
// ListMissing, TooManyRows), error (file, element and row named) and data (rows as text, file order).
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <cstddef>

enum class TableFileStatus {
    Loaded,      // the document was read; data holds every list
    NotFound,    // no file: data is empty, as a freshly opened table
    Unreadable,  // the file exists but could not be read: data is empty
    Malformed,   // not well-formed XML (or no root element): data is empty
    ListMissing, // a list element the format requires is missing: data holds the lists found
    TooManyRows, // a list holds more row elements than its grid takes: data holds them all,
                 // for the image compiler, whose device tables are larger
};

template <typename Data>
struct TableReadResult {
    TableFileStatus status = TableFileStatus::NotFound;
    // Empty when Loaded; otherwise says what is wrong, naming the file (its path for a
    // file read, its usual name for bytes), the element and the row count. For Malformed it
    // holds the parser's description and the byte offset.
    QString error;
    Data data;

    // True when data can be used as the file's content: Loaded, or NotFound (empty tables).
    [[nodiscard]] bool ok() const
    {
        return status == TableFileStatus::Loaded || status == TableFileStatus::NotFound;
    }
};

// One attribute of a row element: its name in the file and the row member holding its text.
// In every table, attribute i of the row is grid column i + 1 (column 0 is the row number).
template <typename Row>
struct TableAttribute {
    const char *name;
    QString Row::*cell;
};

// The text written after the root element of every table file, as a comment.
inline constexpr char TableFileVersionComment[] = "SW_VERSION = 1.003";

// True for a cell that is empty after trimming blanks and control characters.
[[nodiscard]] bool isBlankCell(const QString &text);

// A check-box cell as the grids read it: trimmed, upper-cased, checked only for "Y".
[[nodiscard]] bool checkBoxChecked(const QString &text);

// The texts a check-box cell stores.
inline constexpr QStringView CheckedText = u"Y";
inline constexpr QStringView UncheckedText = u"N";

// Every row struct has:
//   static const std::array<TableAttribute<Row>, N> &attributes();  // in file order
//   static constexpr int keyAttribute;   // index in attributes() of the grid's key column
//   static constexpr int rowCapacity;    // rows of the grid, the most a list may hold
//   QStringList missingAttributes;       // names the row element lacked when read (file order);
//                                        // such a cell holds its default text
// Rows are compared with ==, missingAttributes included.

// True when the row element carried the attribute (always true for rows not read from a file).
template <typename Row>
[[nodiscard]] bool attributePresent(const Row &row, QStringView name)
{
    return !row.missingAttributes.contains(name);
}

// The row's cells in attribute (grid column 1 to last) order.
template <typename Row>
[[nodiscard]] QStringList rowCells(const Row &row)
{
    QStringList cells;
    cells.reserve(qsizetype(Row::attributes().size()));
    for (const TableAttribute<Row> &attribute : Row::attributes())
        cells.append(row.*attribute.cell);
    return cells;
}

// A row from cells in attribute order; missing trailing cells keep the row's default text,
// extra cells are ignored.
template <typename Row>
[[nodiscard]] Row rowFromCells(const QStringList &cells)
{
    Row row;
    const auto &attributes = Row::attributes();
    for (std::size_t i = 0; i < attributes.size() && qsizetype(i) < cells.size(); ++i)
        row.*attributes[i].cell = cells.at(qsizetype(i));
    return row;
}

// The grid's used part: the rows before the first whose key cell is empty after trimming
// blanks (all rows when there is none). Files hold only the used part.
template <typename Row>
[[nodiscard]] qsizetype usedRowCount(const QList<Row> &rows)
{
    const QString Row::*key = Row::attributes()[Row::keyAttribute].cell;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (isBlankCell(rows.at(i).*key))
            return i;
    }
    return rows.size();
}

template <typename Row>
[[nodiscard]] QList<Row> usedPart(const QList<Row> &rows)
{
    return rows.first(usedRowCount(rows));
}
