#include "store/Recordset.h"

#include "store/Connection.h"
#include "store/StoreError.h"
#include "store/TextEncoding.h"

#include <sqlite3.h>

Recordset::Recordset(StatementLease statement, bool atEnd) : m_lease(std::move(statement)), m_atEnd(atEnd)
{
    const int n = sqlite3_column_count(m_lease.get());
    m_names.reserve(size_t(n));
    for (int i = 0; i < n; ++i)
        m_names.push_back(QString::fromUtf8(sqlite3_column_name(m_lease.get(), i)).toCaseFolded());
}

Recordset::Recordset(std::vector<QString> names, std::unique_ptr<const HeldRows> rows)
    : m_atEnd(!rows || rows->rowCount() == 0 || names.empty()),
      m_names(std::move(names)),
      m_buffered(true),
      m_held(std::move(rows))
{
    for (QString& n : m_names)
        n = n.toCaseFolded();
}

namespace {

QVariant columnValue(sqlite3_stmt* stmt, int c)
{
    switch (sqlite3_column_type(stmt, c)) {
    case SQLITE_NULL: return QVariant();
    case SQLITE_INTEGER: return QVariant(qlonglong(sqlite3_column_int64(stmt, c)));
    case SQLITE_FLOAT: return QVariant(sqlite3_column_double(stmt, c));
    default: {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt, c));
        return QVariant(TextEncoding::fromStoreUtf8(p, sqlite3_column_bytes(stmt, c)));
    }
    }
}

} // namespace

void Recordset::buffer()
{
    if (m_buffered)
        return;
    const int n = columnCount();
    int rc = m_atEnd ? SQLITE_DONE : SQLITE_ROW;
    while (rc == SQLITE_ROW) {
        for (int c = 0; c < n; ++c)
            m_rows.push_back(columnValue(m_lease.get(), c));
        rc = sqlite3_step(m_lease.get());
    }
    // A read failure here ends the rows early, as the walk itself would have.
    // The rows are ours now; the connection may close whenever modDB lets go.
    m_lease.release();
    m_buffered = true;
    m_cursor = 0;
    m_atEnd = m_rows.empty() || n == 0;
}

QVariant Recordset::bufferedValue(int c) const
{
    if (m_held)
        return m_held->value(m_heldRow, c);
    return m_rows[m_cursor + size_t(c)];
}

int Recordset::column(const QString& name) const
{
    // Compared in place: folding the name into a new string for every field
    // of every row costs more than reading the field.
    for (size_t i = 0; i < m_names.size(); ++i)
        if (m_names[i].compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    throw StoreError(QStringLiteral("Campul \"%1\" nu exista in rezultat.").arg(name));
}

QVariant Recordset::Fields(const QString& name) const
{
    const int c = column(name);
    if (m_atEnd)
        throw StoreError(QStringLiteral("Nu exista inregistrarea ceruta."));
    return m_buffered ? bufferedValue(c) : columnValue(m_lease.get(), c);
}

QString Recordset::Text(const QString& name) const
{
    const int c = column(name);
    if (m_atEnd)
        throw StoreError(QStringLiteral("Nu exista inregistrarea ceruta."));
    if (m_held)
        return m_held->text(m_heldRow, c);
    if (m_buffered)
        return bufferedValue(c).toString();
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(m_lease.get(), c));
    return TextEncoding::fromStoreUtf8(p, sqlite3_column_bytes(m_lease.get(), c));
}

void Recordset::MoveNext()
{
    if (m_atEnd)
        throw StoreError(QStringLiteral("Nu exista inregistrarea ceruta."));
    if (m_held) {
        m_atEnd = ++m_heldRow >= m_held->rowCount();
        return;
    }
    if (m_buffered) {
        m_cursor += size_t(columnCount());
        m_atEnd = m_cursor >= m_rows.size();
        return;
    }
    const int rc = sqlite3_step(m_lease.get());
    if (rc == SQLITE_ROW)
        return;
    m_atEnd = true;
    if (rc == SQLITE_DONE)
        sqlite3_reset(m_lease.get()); // lets go of the read snapshot at once
    else
        throw StoreError(describeStoreFailure(rc, QString::fromUtf8(sqlite3_errmsg(m_lease.connection().handle()))),
                         rc);
}
