#include "store/Recordset.h"

#include "store/Connection.h"
#include "store/modDB.h"

#include <sqlite3.h>

Recordset::Recordset(std::shared_ptr<Connection> connection, sqlite3_stmt* stmt, bool atEnd)
    : m_connection(std::move(connection)), m_stmt(stmt), m_atEnd(atEnd)
{
    const int n = sqlite3_column_count(m_stmt);
    m_names.reserve(size_t(n));
    for (int i = 0; i < n; ++i)
        m_names.push_back(QString::fromUtf8(sqlite3_column_name(m_stmt, i)).toCaseFolded());
}

Recordset::~Recordset()
{
    m_connection->giveBack(m_stmt);
}

int Recordset::column(const QString& name) const
{
    const QString key = name.toCaseFolded();
    for (size_t i = 0; i < m_names.size(); ++i)
        if (m_names[i] == key)
            return int(i);
    throw StoreError(QStringLiteral("Campul \"%1\" nu exista in rezultat.").arg(name));
}

QVariant Recordset::Fields(const QString& name) const
{
    const int c = column(name);
    if (m_atEnd)
        throw StoreError(QStringLiteral("Nu exista inregistrarea ceruta."));
    switch (sqlite3_column_type(m_stmt, c)) {
    case SQLITE_NULL:
        return QVariant();
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(m_stmt, c)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_stmt, c));
    default: {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, c));
        return QVariant(QString::fromUtf8(p, sqlite3_column_bytes(m_stmt, c)));
    }
    }
}

QString Recordset::Text(const QString& name) const
{
    const int c = column(name);
    if (m_atEnd)
        throw StoreError(QStringLiteral("Nu exista inregistrarea ceruta."));
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, c));
    return p ? QString::fromUtf8(p, sqlite3_column_bytes(m_stmt, c)) : QString();
}

void Recordset::MoveNext()
{
    if (m_atEnd)
        throw StoreError(QStringLiteral("Nu exista inregistrarea ceruta."));
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return;
    m_atEnd = true;
    if (rc == SQLITE_DONE)
        sqlite3_reset(m_stmt); // lets go of the read snapshot at once
    else
        throw StoreError(describeStoreFailure(rc, QString::fromUtf8(sqlite3_errmsg(m_connection->handle()))), rc);
}
