#pragma once

#include "store/SqlDialect.h"

#include <QByteArray>
#include <memory>
#include <vector>

class Connection;
struct sqlite3_stmt;

// A prepared statement borrowed from its connection's cache. It goes back
// (reset, bindings cleared) when the lease ends, on every path, and the texts
// bound to it live exactly as long as the lease, so the engine never copies
// them: a long act body is converted once and bound where it lies.
class StatementLease {
public:
    // Throws StoreError when the text cannot be prepared.
    StatementLease(std::shared_ptr<Connection> connection, const QByteArray& sql);
    // Holds nothing (a cursor whose rows came from elsewhere).
    StatementLease() = default;
    ~StatementLease();
    StatementLease(StatementLease&& other) noexcept;
    StatementLease& operator=(StatementLease&&) = delete;
    StatementLease(const StatementLease&) = delete;
    StatementLease& operator=(const StatementLease&) = delete;

    sqlite3_stmt* get() const { return m_stmt; }
    // The connection the statement belongs to; kept alive by the lease.
    Connection& connection() const { return *m_connection; }

    // Binds the values in order; false when the statement takes another
    // number of values than given.
    bool bind(const std::vector<SqlDialect::Param>& params);
    // Gives the statement back now; the lease then holds nothing.
    void release();

private:
    std::shared_ptr<Connection> m_connection;
    sqlite3_stmt* m_stmt = nullptr;
    std::vector<QByteArray> m_texts; // destroyed after the statement is given back
};
