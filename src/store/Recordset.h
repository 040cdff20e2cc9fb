#pragma once

#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

struct sqlite3_stmt;
class Connection;

// The forward-only cursor of one query: Eof, Fields(name) and MoveNext. Field
// names are matched without regard to case, as the statements expect.
class Recordset {
public:
    // Takes a statement already stepped onto its first row (or its end).
    Recordset(std::shared_ptr<Connection> connection, sqlite3_stmt* stmt, bool atEnd);
    ~Recordset();
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

private:
    int column(const QString& name) const;

    std::shared_ptr<Connection> m_connection;
    sqlite3_stmt* m_stmt;
    bool m_atEnd;
    std::vector<QString> m_names; // case-folded column names
};
