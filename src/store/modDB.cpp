#include "store/modDB.h"

#include "store/Connection.h"
#include "store/DataLocation.h"
#include "store/OfficeSession.h"
#include "store/SqlDialect.h"
#include "store/StatementLease.h"
#include "store/UserDatabase.h"

#include <QDir>
#include <QFileInfo>
#include <sqlite3.h>

#include <optional>

modDB::modDB(const QString& programDir) : m_schema(QDir(programDir).filePath(QStringLiteral("db/schema.sql")))
{
    const DataLocation::Files files = DataLocation::locate(programDir);
    m_path = files.database;
    m_userPath = files.userDatabase;
    // An office's server replaces the files entirely.
    const QString office = DataLocation::configFile(programDir, QStringLiteral("office.conf"));
    if (QFileInfo::exists(office))
        m_office = std::make_unique<OfficeSession>(office);
}

modDB::modDB(const DataLocation::Files& files) : m_path(files.database), m_userPath(files.userDatabase) {}

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
    std::shared_ptr<Connection> fresh; // throws; m_db is kept then
    if (m_userPath.isEmpty()) {
        fresh = std::make_shared<Connection>(m_path);
    } else {
        UserDatabase::ensure(m_userPath, m_schema, m_path);
        fresh = std::make_shared<Connection>(m_userPath, m_path);
    }
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

void modDB::RunSql(const QString& statement, bool isQuery)
{
    ++m_calls;
    if (m_office) {
        OfficeSession::Rows rows = m_office->run(statement, isQuery);
        if (isQuery)
            m_rs = std::make_unique<Recordset>(std::move(rows.names), std::move(rows.values));
        return;
    }
    const SqlDialect::Statement st = SqlDialect::translate(statement);
    if (m_rs)
        m_rs->buffer();
    std::shared_ptr<Connection> conn = connection();
    std::optional<StatementLease> lease;
    try {
        lease.emplace(conn, st.sql);
    } catch (const StoreError& e) {
        dropConnectionAfter(e.engineCode());
        throw;
    }
    if (!lease->bind(st.params))
        throw StoreError(QStringLiteral("Instructiune invalida."));
    sqlite3_stmt* stmt = lease->get();
    if (isQuery && sqlite3_stmt_readonly(stmt) == 0)
        throw StoreError(QStringLiteral("Instructiunea nu este o interogare."));
    const int rc = sqlite3_step(stmt);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
        const QString text = conn->describeFailure(rc, QString::fromUtf8(sqlite3_errmsg(conn->handle())));
        lease.reset(); // the statement goes back before the connection may be dropped
        dropConnectionAfter(rc);
        throw StoreError(text, rc);
    }
    // Replace the cursor only now that the query has run.
    if (isQuery)
        m_rs = std::make_unique<Recordset>(std::move(*lease), rc == SQLITE_DONE);
}

bool modDB::hasTable(const QString& name)
{
    for (QChar c : name)
        if (!(c.isLetterOrNumber() || c == QLatin1Char('_')) || c.unicode() > 127)
            return false;
    try {
        RunSql(QStringLiteral("select * from ") + name + QStringLiteral(" where 1 = 0"), true);
        m_rs->buffer(); // no read of the schema stays open while a table may be added
        return true;
    } catch (const StoreError&) {
        return false;
    }
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

void modDB::setLoginPrompt(LoginPrompt prompt)
{
    if (m_office)
        m_office->setLoginPrompt(std::move(prompt.ask), std::move(prompt.tell));
}

bool modDB::mayUpdateCatalogue()
{
    return !m_office || m_office->mayUpdateCatalogue();
}

modDB::Transaction::Transaction(modDB& db) : m_db(db)
{
    if (m_db.m_office)
        m_db.m_office->begin();
    else
        m_db.RunSql(QStringLiteral("BEGIN IMMEDIATE"), false);
    m_open = true;
}

modDB::Transaction::~Transaction()
{
    if (!m_open)
        return;
    if (m_db.m_office) {
        m_db.m_office->rollback();
        return;
    }
    try {
        m_db.RunSql(QStringLiteral("ROLLBACK"), false);
    } catch (const StoreError&) {
        // The engine rolls back by itself when the connection goes.
        m_db.m_db.reset();
    }
}

void modDB::Transaction::commit()
{
    if (m_db.m_office)
        m_db.m_office->commit();
    else
        m_db.RunSql(QStringLiteral("COMMIT"), false);
    m_open = false;
}
