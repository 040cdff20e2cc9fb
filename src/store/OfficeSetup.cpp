#include "store/OfficeSetup.h"

#include "store/StoreError.h"

#include <libpq-fe.h>
#include <sqlite3.h>

#include <cstring>
#include <memory>

namespace OfficeSetup {
namespace {

struct Finish {
    void operator()(PGconn* c) const { PQfinish(c); }
};
using Conn = std::unique_ptr<PGconn, Finish>;

Conn open(const QString& conninfo)
{
    const QByteArray info = conninfo.toUtf8();
    const char* keys[] = {"dbname", "client_encoding", nullptr};
    const char* values[] = {info.constData(), "UTF8", nullptr};
    Conn c(PQconnectdbParams(keys, values, 1));
    if (PQstatus(c.get()) != CONNECTION_OK)
        throw StoreError(QStringLiteral("Conectarea la server a esuat: ") +
                         QString::fromUtf8(PQerrorMessage(c.get())).trimmed());
    return c;
}

void exec(PGconn* c, const QByteArray& sql)
{
    PGresult* r = PQexec(c, sql.constData());
    const ExecStatusType status = PQresultStatus(r);
    PQclear(r);
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
        throw StoreError(QStringLiteral("Comanda a esuat: ") + QString::fromUtf8(PQerrorMessage(c)).trimmed());
}

QByteArray identifier(PGconn* c, const QString& name)
{
    const QByteArray raw = name.toUtf8();
    char* quoted = PQescapeIdentifier(c, raw.constData(), size_t(raw.size()));
    if (!quoted)
        throw StoreError(QStringLiteral("Nume invalid: ") + name);
    QByteArray out(quoted);
    PQfreemem(quoted);
    return out;
}

// One field of COPY's text format.
void appendCopyField(QByteArray& out, const unsigned char* text, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        const char ch = char(text[i]);
        switch (ch) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\0': out += "\xEF\xBF\xBD"; break; // the server's text cannot hold a NUL
        default: out += ch;
        }
    }
}

long long copyTable(PGconn* pg, sqlite3* lite, const char* select, const char* copy)
{
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(lite, select, -1, &st, nullptr) != SQLITE_OK)
        throw StoreError(QStringLiteral("Catalogul nu poate fi citit: ") + QString::fromUtf8(sqlite3_errmsg(lite)));
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> guard(st, sqlite3_finalize);
    PGresult* r = PQexec(pg, copy);
    const bool ready = PQresultStatus(r) == PGRES_COPY_IN;
    PQclear(r);
    if (!ready)
        throw StoreError(QStringLiteral("Comanda a esuat: ") + QString::fromUtf8(PQerrorMessage(pg)).trimmed());
    long long rows = 0;
    QByteArray line;
    const int n = sqlite3_column_count(st);
    int rc = SQLITE_OK;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        line.clear();
        for (int i = 0; i < n; ++i) {
            if (i)
                line += '\t';
            if (sqlite3_column_type(st, i) == SQLITE_NULL)
                line += "\\N";
            else
                appendCopyField(line, sqlite3_column_text(st, i), sqlite3_column_bytes(st, i));
        }
        line += '\n';
        if (PQputCopyData(pg, line.constData(), int(line.size())) != 1)
            break;
        ++rows;
    }
    const bool readAll = rc == SQLITE_DONE;
    PQputCopyEnd(pg, readAll ? nullptr : "catalogul nu a putut fi citit pana la capat");
    r = PQgetResult(pg);
    const bool ok = PQresultStatus(r) == PGRES_COMMAND_OK;
    PQclear(r);
    while ((r = PQgetResult(pg)))
        PQclear(r);
    if (!ok || !readAll)
        throw StoreError(QStringLiteral("Copierea catalogului a esuat: ") +
                         QString::fromUtf8(readAll ? PQerrorMessage(pg) : sqlite3_errmsg(lite)).trimmed());
    return rows;
}

} // namespace

void createDatabase(const QString& serverConninfo, const QString& name)
{
    Conn c = open(serverConninfo);
    exec(c.get(), "CREATE DATABASE " + identifier(c.get(), name) +
                      " TEMPLATE template0 ENCODING 'UTF8' LC_COLLATE 'C.UTF-8' LC_CTYPE 'C.UTF-8'");
}

void applySchema(const QString& conninfo, const QString& schemaSql)
{
    Conn c = open(conninfo);
    exec(c.get(), "BEGIN");
    exec(c.get(), schemaSql.toUtf8());
    exec(c.get(), "COMMIT");
}

long long loadCatalogue(const QString& conninfo, const QString& sqlitePath)
{
    sqlite3* lite = nullptr;
    if (sqlite3_open_v2(sqlitePath.toUtf8().constData(), &lite, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        const QString why = QString::fromUtf8(sqlite3_errmsg(lite));
        sqlite3_close(lite);
        throw StoreError(QStringLiteral("Catalogul %1 nu poate fi deschis: %2").arg(sqlitePath, why));
    }
    std::unique_ptr<sqlite3, int (*)(sqlite3*)> guard(lite, sqlite3_close);
    Conn c = open(conninfo);
    exec(c.get(), "BEGIN");
    exec(c.get(), "DELETE FROM noutati; DELETE FROM acte");
    const long long acts = copyTable(
        c.get(), lite,
        "select ID, Titlu, An, DataAparitie, Monitoruloficial, Emitent, Tipact, Continut, nract from Acte",
        "COPY acte (id, titlu, an, dataaparitie, monitoruloficial, emitent, tipact, continut, nract) FROM STDIN");
    copyTable(c.get(), lite, "select id, titlu, link from noutati", "COPY noutati (id, titlu, link) FROM STDIN");
    // Event types only into an office that has none yet: they are shared.
    PGresult* r = PQexec(c.get(), "select count(*) from tip_eveniment");
    const bool noTypes = PQresultStatus(r) == PGRES_TUPLES_OK && QByteArray(PQgetvalue(r, 0, 0)) == "0";
    PQclear(r);
    if (noTypes)
        copyTable(c.get(), lite, "select tipeveniment from tip_eveniment order by id",
                  "COPY tip_eveniment (tipeveniment) FROM STDIN");
    exec(c.get(), "ANALYZE acte");
    exec(c.get(), "COMMIT");
    return acts;
}

void addUser(const QString& conninfo, const QString& name, bool admin, const QString& password)
{
    Conn c = open(conninfo);
    const QByteArray role = identifier(c.get(), name);
    const QByteArray user = name.toUtf8();
    const char* values[] = {user.constData()};
    PGresult* r =
        PQexecParams(c.get(), "select 1 from pg_roles where rolname = $1", 1, nullptr, values, nullptr, nullptr, 0);
    const bool exists = PQresultStatus(r) == PGRES_TUPLES_OK && PQntuples(r) == 1;
    PQclear(r);
    if (!exists)
        exec(c.get(), "CREATE ROLE " + role + " LOGIN");
    exec(c.get(), "GRANT " + QByteArray(admin ? "tarvenor_admin" : "tarvenor_user") + " TO " + role);
    if (password.isEmpty())
        return;
    // Only the hash travels and is kept.
    const QByteArray secret = password.toUtf8();
    char* hashed = PQencryptPasswordConn(c.get(), secret.constData(), user.constData(), nullptr);
    if (!hashed)
        throw StoreError(QStringLiteral("Parola nu poate fi pregatita: ") +
                         QString::fromUtf8(PQerrorMessage(c.get())).trimmed());
    char* literal = PQescapeLiteral(c.get(), hashed, std::strlen(hashed));
    PQfreemem(hashed);
    const QByteArray sql = "ALTER ROLE " + role + " PASSWORD " + QByteArray(literal ? literal : "NULL");
    PQfreemem(literal);
    exec(c.get(), sql);
}

} // namespace OfficeSetup
