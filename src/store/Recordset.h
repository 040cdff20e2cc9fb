#pragma once

#include "store/StatementLease.h"

#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

// Rows a server has already sent, whole, read field by field only when asked:
// a list of 200,000 acts converts the three fields it shows, not every column.
class HeldRows {
public:
    virtual ~HeldRows() = default;
    virtual size_t rowCount() const = 0;
    virtual QVariant value(size_t row, int column) const = 0;
    virtual QString text(size_t row, int column) const = 0;
};

// The forward-only cursor of one query: Eof, Fields(name) and MoveNext. Field
// names are matched without regard to case, as the statements expect.
class Recordset {
public:
    // Takes a statement already stepped onto its first row (or its end).
    Recordset(StatementLease statement, bool atEnd);
    // Rows already read from a server.
    Recordset(std::vector<QString> names, std::unique_ptr<const HeldRows> rows);
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    bool Eof() const { return m_atEnd; }
    // The value of the named column in the current row; throws StoreError at
    // the end of the rows or for an unknown name. A null gives an invalid QVariant.
    QVariant Fields(const QString& name) const;
    // The same value as text (a null gives the empty text).
    QString Text(const QString& name) const;
    void MoveNext();

    int columnCount() const { return int(m_names.size()); }

    // Reads the rows not yet walked into memory and lets go of the engine's
    // statement. A cursor left half-walked would otherwise pin an old snapshot
    // of the file: later queries would not see other programs' writes, and
    // writes would fail as busy.
    void buffer();

private:
    int column(const QString& name) const;
    QVariant bufferedValue(int column) const;

    StatementLease m_lease; // empty once the rows are buffered
    bool m_atEnd;
    std::vector<QString> m_names; // case-folded column names
    bool m_buffered = false;
    std::vector<QVariant> m_rows; // buffered rows, row after row
    size_t m_cursor = 0;          // first value of the current buffered row
    std::unique_ptr<const HeldRows> m_held;
    size_t m_heldRow = 0;
};
