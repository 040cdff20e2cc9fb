#include "store/StatementLease.h"

#include "store/Connection.h"
#include "store/TextEncoding.h"

#include <sqlite3.h>

StatementLease::StatementLease(std::shared_ptr<Connection> connection, const QByteArray& sql)
    : m_connection(std::move(connection))
{
    m_stmt = m_connection->checkout(sql);
}

StatementLease::~StatementLease()
{
    release();
}

StatementLease::StatementLease(StatementLease&& other) noexcept
    : m_connection(std::move(other.m_connection)), m_stmt(other.m_stmt), m_texts(std::move(other.m_texts))
{
    // Moving the vector keeps every text's bytes where the engine was told they are.
    other.m_stmt = nullptr;
}

bool StatementLease::bind(const std::vector<SqlDialect::Param>& params)
{
    if (sqlite3_bind_parameter_count(m_stmt) != int(params.size()))
        return false;
    int i = 1;
    m_texts.reserve(params.size());
    for (const auto& p : params) {
        if (const auto* s = std::get_if<QString>(&p)) {
            // UTF-8 of our own making: the engine's UTF-16 reader would join a
            // lone surrogate with the next character and drop a leading U+FEFF.
            m_texts.push_back(TextEncoding::toStoreUtf8(*s));
            const QByteArray& bytes = m_texts.back();
            sqlite3_bind_text(m_stmt, i, bytes.constData(), int(bytes.size()), SQLITE_STATIC);
        } else
            sqlite3_bind_int64(m_stmt, i, std::get<qint64>(p));
        ++i;
    }
    return true;
}

void StatementLease::release()
{
    if (m_stmt)
        m_connection->giveBack(m_stmt);
    m_stmt = nullptr;
    m_texts.clear();
    m_connection.reset();
}
