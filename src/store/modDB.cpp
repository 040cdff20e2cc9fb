#include "store/modDB.h"

#include "store/Connection.h"
#include "store/SqlDialect.h"
#include "store/TextEncoding.h"

#include <QDir>
#include <sqlite3.h>

modDB::modDB(const QString& programDir) : m_path(QDir(programDir).filePath(QStringLiteral("db/database.sqlite"))) {}

modDB::~modDB()
{
    m_rs.reset();
}

std::shared_ptr<Connection> modDB::connection()
{
    // The file is looked at on every call: a replaced, restored or removed
    // database is noticed at once, as if it were opened afresh each time.
    if (m_db && (!sqlite3_get_autocommit(m_db->handle()) || m_db->stillValid()))
        return m_db;
    // The file was replaced, removed or changed its permissions. The old
    // connection goes first, its journal folded into the file it had open:
    // left beside the path, that journal would be read as part of whatever
    // file lies there now.
    if (m_db) {
        m_db->foldJournal();
        m_db.reset();
    }
    auto fresh = std::make_shared<Connection>(m_path); // throws; m_db is kept then
    m_db = fresh;
    return m_db;
}

void modDB::dropConnectionAfter(int code)
{
    switch (code & 0xff) {
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN:
    case SQLITE_READONLY:
        // Reopen next time, so that a repaired file works without a restart.
        if (m_db && sqlite3_get_autocommit(m_db->handle()))
            m_db.reset();
        break;
    default: break;
    }
}

namespace {

// `kept` holds the texts until the statement is given back. A query's cursor
// outlives them, so a query's texts are copied by the engine; a statement's
// are not, which spares a copy of every long body an update brings.
void bindAll(sqlite3_stmt* stmt, const std::vector<SqlDialect::Param>& params, std::vector<QByteArray>& kept,
             bool isQuery)
{
    int i = 1;
    kept.reserve(params.size());
    for (const auto& p : params) {
        if (const auto* s = std::get_if<QString>(&p)) {
            // UTF-8 of our own making: the engine's UTF-16 reader would join a
            // lone surrogate with the next character and drop a leading U+FEFF.
            kept.push_back(TextEncoding::toStoreUtf8(*s));
            const QByteArray& bytes = kept.back();
            sqlite3_bind_text(stmt, i, bytes.constData(), int(bytes.size()),
                              isQuery ? SQLITE_TRANSIENT : SQLITE_STATIC);
        } else
            sqlite3_bind_int64(stmt, i, std::get<qint64>(p));
        ++i;
    }
}

} // namespace

void modDB::RunSql(const QString& statement, bool isQuery)
{
    ++m_calls;
    const SqlDialect::Statement st = SqlDialect::translate(statement);
    if (m_rs)
        m_rs->buffer();
    std::shared_ptr<Connection> conn = connection();
    sqlite3_stmt* stmt = nullptr;
    try {
        stmt = conn->checkout(st.sql);
    } catch (const StoreError& e) {
        dropConnectionAfter(e.engineCode());
        throw;
    }
    if (sqlite3_bind_parameter_count(stmt) != int(st.params.size())) {
        conn->giveBack(stmt);
        throw StoreError(QStringLiteral("Instructiune invalida."));
    }
    std::vector<QByteArray> kept; // declared after stmt's checkout, destroyed after its give-back
    bindAll(stmt, st.params, kept, isQuery);
    if (isQuery && sqlite3_stmt_readonly(stmt) == 0) {
        conn->giveBack(stmt);
        throw StoreError(QStringLiteral("Instructiunea nu este o interogare."));
    }
    const int rc = sqlite3_step(stmt);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
        const QString msg = QString::fromUtf8(sqlite3_errmsg(conn->handle()));
        conn->giveBack(stmt);
        const QString text = conn->describeFailure(rc, msg);
        dropConnectionAfter(rc);
        throw StoreError(text, rc);
    }
    if (!isQuery) {
        conn->giveBack(stmt);
        return;
    }
    // Replace the cursor only now that the query has run.
    auto rs = std::make_unique<Recordset>(conn, stmt, rc == SQLITE_DONE);
    m_rs = std::move(rs);
}

Recordset& modDB::CurrentRs()
{
    if (!m_rs)
        throw StoreError(QStringLiteral("Nu exista niciun rezultat."));
    return *m_rs;
}

sqlite3* modDB::CurrentDb() const
{
    return m_db ? m_db->handle() : nullptr;
}

modDB::Transaction::Transaction(modDB& db) : m_db(db)
{
    m_db.RunSql(QStringLiteral("BEGIN IMMEDIATE"), false);
    m_open = true;
}

modDB::Transaction::~Transaction()
{
    if (!m_open)
        return;
    try {
        m_db.RunSql(QStringLiteral("ROLLBACK"), false);
    } catch (const StoreError&) {
        // The engine rolls back by itself when the connection goes.
        m_db.m_db.reset();
    }
}

void modDB::Transaction::commit()
{
    m_db.RunSql(QStringLiteral("COMMIT"), false);
    m_open = false;
}
