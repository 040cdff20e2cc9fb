#include "store/OfficeSession.h"

#include "store/PgDialect.h"
#include "store/Recordset.h"
#include "store/StoreError.h"
#include "store/TextEncoding.h"

#include <QFile>
#include <QRegularExpression>
#include <QThread>
#include <libpq-fe.h>

#include <cstdlib>
#include <memory>

namespace {

const QString kGone = QStringLiteral("Serverul bazei de date nu raspunde: ");

struct ClearResult {
    void operator()(PGresult* r) const { PQclear(r); }
};
using Result = std::unique_ptr<PGresult, ClearResult>;

QString lastError(const PGconn* c)
{
    return QString::fromUtf8(PQerrorMessage(c)).trimmed();
}

// Failures that mean the connection is gone rather than the statement wrong.
bool connectionLost(const PGconn* c, const char* sqlState)
{
    if (PQstatus(c) != CONNECTION_OK)
        return true;
    const QByteArray s(sqlState ? sqlState : "");
    return s.startsWith("08") || s == "57P01" || s == "57P02" || s == "57P03";
}

bool writesCatalogue(const QString& jetText)
{
    static const QRegularExpression write(
        QStringLiteral("^\\s*(insert\\s+into|delete\\s+(\\*\\s*)?from|update)\\s+(acte|noutati)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    return write.match(jetText).hasMatch();
}

// The server's answer as it came; a field becomes a Qt value when read.
class ServerRows final : public HeldRows {
public:
    explicit ServerRows(Result r) : m_r(std::move(r)) {}
    size_t rowCount() const override { return size_t(PQntuples(m_r.get())); }
    QVariant value(size_t row, int col) const override
    {
        const PGresult* r = m_r.get();
        if (PQgetisnull(r, int(row), col))
            return QVariant();
        switch (PQftype(r, col)) {
        case 20: // int8
        case 21: // int2
        case 23: // int4
            return QVariant(qlonglong(std::strtoll(PQgetvalue(r, int(row), col), nullptr, 10)));
        default: return QVariant(text(row, col));
        }
    }
    QString text(size_t row, int col) const override
    {
        // A null reads as an empty value here too.
        return TextEncoding::fromStoreUtf8(PQgetvalue(m_r.get(), int(row), col), PQgetlength(m_r.get(), int(row), col));
    }

private:
    Result m_r;
};

} // namespace

OfficeSession::OfficeSession(QString confPath) : m_confPath(std::move(confPath)) {}

OfficeSession::~OfficeSession()
{
    PQfinish(m_conn);
}

QString OfficeSession::readConnectionString(const QString& confPath)
{
    QFile f(confPath);
    if (!f.open(QIODevice::ReadOnly))
        throw StoreError(QStringLiteral("Fisierul %1 nu poate fi citit.").arg(confPath));
    // One line that matters; blank lines and # comments around it are allowed.
    for (const QByteArray& raw : f.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
            return line;
    }
    throw StoreError(QStringLiteral("Fisierul %1 nu contine adresa serverului bazei de date.").arg(confPath));
}

void OfficeSession::setLoginPrompt(std::function<bool(QString&, QString&)> ask,
                                   std::function<void(const QString&)> tell)
{
    m_ask = std::move(ask);
    m_tell = std::move(tell);
}

PGconn* OfficeSession::tryConnect(const QString& user, const QString& password)
{
    const QByteArray conninfo = readConnectionString(m_confPath).toUtf8();
    const QByteArray u = user.toUtf8(), p = password.toUtf8();
    // Defaults first, so that the office's line overrides them; the login
    // dialog's answer last, so that it overrides the line.
    // A statement that runs away (a pathological pattern) ends with a message
    // instead of freezing the window.
    std::vector<const char*> keys{"connect_timeout", "application_name", "options", "dbname", "client_encoding"};
    std::vector<const char*> values{"5", "tarvenor", "-c statement_timeout=60000", conninfo.constData(), "UTF8"};
    if (!user.isEmpty()) {
        keys.push_back("user");
        values.push_back(u.constData());
    }
    if (!password.isEmpty()) {
        keys.push_back("password");
        values.push_back(p.constData());
    }
    keys.push_back(nullptr);
    values.push_back(nullptr);
    return PQconnectdbParams(keys.data(), values.data(), 1);
}

void OfficeSession::dropIfClosed()
{
    if (!m_conn)
        return;
    // A server that restarted has closed our idle connection; reading what
    // it left notices that without sending anything.
    if (PQconsumeInput(m_conn) && PQstatus(m_conn) == CONNECTION_OK)
        return;
    PQfinish(m_conn);
    m_conn = nullptr;
    if (m_inTransaction)
        m_lostInTransaction = true;
}

PGconn* OfficeSession::connection()
{
    dropIfClosed();
    if (m_lostInTransaction)
        throw StoreError(kGone + QStringLiteral("legatura s-a pierdut; modificarea nu a fost salvata."));
    if (m_conn)
        return m_conn;
    PGconn* c = tryConnect(m_user, m_password);
    if (PQstatus(c) != CONNECTION_OK && PQconnectionNeedsPassword(c) && !m_asked && m_ask) {
        // Asked once per run; the answer stays in memory for reconnecting.
        m_asked = true;
        QString user = m_user.isEmpty() ? QString::fromUtf8(PQuser(c)) : m_user;
        QString password;
        if (m_ask(user, password)) {
            PQfinish(c);
            m_user = user;
            m_password = password;
            c = tryConnect(m_user, m_password);
        }
    }
    if (PQstatus(c) == CONNECTION_OK) {
        // The server's notices (a shutdown under way, ...) reach the user as
        // failures of the statements they concern, not on the terminal.
        PQsetNoticeProcessor(
            c, [](void*, const char*) {}, nullptr);
        m_conn = c;
        m_everConnected = true;
        return m_conn;
    }
    const QString why = lastError(c);
    const bool refused = PQconnectionNeedsPassword(c) || PQconnectionUsedPassword(c) ||
                         why.contains(QLatin1String("FATAL")) || why.contains(QLatin1String("authentication"));
    PQfinish(c);
    if (!refused) {
        // Start-up goes on quietly past failures; the user still hears once
        // why the lists are empty.
        if (m_tell && !m_everConnected && !m_refusalTold) {
            m_refusalTold = true;
            m_tell(kGone + why);
        }
        throw StoreError(kGone + why);
    }
    const QString message = QStringLiteral("Serverul bazei de date a refuzat autentificarea: ") + why;
    if (m_tell && !m_refusalTold) {
        m_refusalTold = true;
        m_tell(message);
    }
    throw StoreError(message);
}

void OfficeSession::failed(const QString& jetText, const char* sqlState, const QString& serverMessage)
{
    const QByteArray state(sqlState ? sqlState : "");
    if (state == "42501") {
        if (writesCatalogue(jetText))
            throw StoreError(QStringLiteral("Doar administratorul catalogului poate actualiza catalogul."));
        throw StoreError(QStringLiteral("Accesul la baza de date nu este permis. (") + serverMessage +
                         QLatin1Char(')'));
    }
    if (state.startsWith("40"))
        throw StoreError(
            QStringLiteral("Baza de date este ocupata de alt utilizator; modificarea nu a fost salvata. (") +
            serverMessage + QLatin1Char(')'));
    throw StoreError(QStringLiteral("Eroare la baza de date. (") + serverMessage + QLatin1Char(')'));
}

OfficeSession::Rows OfficeSession::run(const QString& jetText, bool isQuery)
{
    if (!isQuery && !m_inTransaction) {
        // A write of its own runs in a numbered transaction, so that a
        // connection broken during its COMMIT still gets a true answer.
        begin();
        try {
            run(jetText, false);
            commit();
        } catch (const StoreError&) {
            rollback();
            throw;
        }
        return {};
    }
    const SqlDialect::Statement st = PgDialect::translate(jetText);
    if (isQuery && !st.sql.trimmed().toLower().startsWith("select"))
        throw StoreError(QStringLiteral("Instructiunea nu este o interogare."));
    std::vector<QByteArray> texts;
    std::vector<const char*> values;
    texts.reserve(st.params.size());
    for (const auto& p : st.params) {
        texts.push_back(TextEncoding::toStoreUtf8(std::get<QString>(p)));
        values.push_back(texts.back().constData());
    }
    // A query may be sent again on a fresh connection: it changes nothing. A
    // write is not, since it may have landed before the connection broke.
    for (int attempt = 0;; ++attempt) {
        PGconn* c = connection();
        Result r(PQexecParams(c, st.sql.constData(), int(values.size()), nullptr, values.data(), nullptr, nullptr, 0));
        const ExecStatusType status = r ? PQresultStatus(r.get()) : PGRES_FATAL_ERROR;
        if (status == PGRES_TUPLES_OK || status == PGRES_COMMAND_OK) {
            Rows rows;
            if (!isQuery)
                return rows;
            const int n = PQnfields(r.get());
            for (int i = 0; i < n; ++i)
                rows.names.push_back(QString::fromUtf8(PQfname(r.get(), i)));
            rows.values = std::make_unique<ServerRows>(std::move(r));
            return rows;
        }
        const char* state = r ? PQresultErrorField(r.get(), PG_DIAG_SQLSTATE) : nullptr;
        const char* primary = r ? PQresultErrorField(r.get(), PG_DIAG_MESSAGE_PRIMARY) : nullptr;
        const QString message = primary ? QString::fromUtf8(primary) : lastError(c);
        if (!connectionLost(c, state))
            failed(jetText, state, message);
        dropConnection();
        if (!m_inTransaction && isQuery && attempt == 0)
            continue;
        throw StoreError(kGone + message);
    }
}

void OfficeSession::dropConnection()
{
    PQfinish(m_conn);
    m_conn = nullptr;
    if (m_inTransaction)
        m_lostInTransaction = true;
}

void OfficeSession::begin()
{
    PGconn* c = connection();
    // The transaction's number comes with BEGIN, in the same round trip.
    Result r(PQexec(c, "BEGIN; SELECT pg_current_xact_id()"));
    if (r && PQresultStatus(r.get()) == PGRES_TUPLES_OK && PQntuples(r.get()) == 1) {
        m_xid = QByteArray(PQgetvalue(r.get(), 0, 0));
        m_inTransaction = true;
        return;
    }
    const char* state = r ? PQresultErrorField(r.get(), PG_DIAG_SQLSTATE) : nullptr;
    const QString message = lastError(c);
    if (connectionLost(c, state)) {
        dropConnection();
        throw StoreError(kGone + message);
    }
    PQclear(PQexec(c, "ROLLBACK"));
    failed(QString(), state, message);
}

void OfficeSession::commit()
{
    if (m_lostInTransaction)
        throw StoreError(kGone + QStringLiteral("legatura s-a pierdut; modificarea nu a fost salvata."));
    PGconn* c = connection();
    Result r(PQexec(c, "COMMIT"));
    const ExecStatusType status = r ? PQresultStatus(r.get()) : PGRES_FATAL_ERROR;
    m_inTransaction = false;
    if (status == PGRES_COMMAND_OK) {
        // A transaction that a failed statement spoiled ends in ROLLBACK,
        // which the server reports as a success of COMMIT.
        if (qstrcmp(PQcmdStatus(r.get()), "COMMIT") == 0)
            return;
        throw StoreError(QStringLiteral("Eroare la baza de date; modificarea nu a fost salvata."));
    }
    const char* state = r ? PQresultErrorField(r.get(), PG_DIAG_SQLSTATE) : nullptr;
    const QString message = lastError(c);
    if (!connectionLost(c, state))
        failed(QString(), state, message);
    dropConnection();
    confirmCommitted(message);
}

void OfficeSession::confirmCommitted(const QString& why)
{
    // COMMIT went out but its answer was lost: the server, asked on a new
    // connection, knows whether the transaction landed. Its own ending may
    // still be under way for a moment.
    for (int attempt = 0; attempt < 40; ++attempt) {
        Result r;
        try {
            const char* xid[] = {m_xid.constData()};
            r.reset(
                PQexecParams(connection(), "select pg_xact_status($1::xid8)", 1, nullptr, xid, nullptr, nullptr, 0));
        } catch (const StoreError&) {
            break;
        }
        if (!r || PQresultStatus(r.get()) != PGRES_TUPLES_OK || PQntuples(r.get()) != 1) {
            dropIfClosed();
            break;
        }
        const QByteArray outcome(PQgetvalue(r.get(), 0, 0));
        if (outcome == "committed")
            return;
        if (outcome != "in progress")
            throw StoreError(kGone + why + QStringLiteral("; modificarea nu a fost salvata."));
        QThread::msleep(50);
    }
    throw StoreError(kGone + why + QStringLiteral("; nu se poate sti daca ultima modificare a fost salvata."));
}

void OfficeSession::rollback()
{
    const bool open = m_inTransaction;
    m_inTransaction = false;
    m_lostInTransaction = false;
    if (!m_conn || !open)
        return;
    Result r(PQexec(m_conn, "ROLLBACK"));
    if (PQstatus(m_conn) != CONNECTION_OK) {
        PQfinish(m_conn);
        m_conn = nullptr;
    }
}

bool OfficeSession::mayUpdateCatalogue()
{
    PGconn* c = connection();
    // Listed together, privileges would be or-ed; each is asked on its own.
    Result r(PQexec(c, "select has_table_privilege('acte', 'INSERT') and has_table_privilege('acte', 'DELETE') and "
                       "has_table_privilege('noutati', 'INSERT') and has_table_privilege('noutati', 'DELETE')"));
    if (r && PQresultStatus(r.get()) == PGRES_TUPLES_OK && PQntuples(r.get()) == 1)
        return PQgetvalue(r.get(), 0, 0)[0] == 't';
    const QString message = lastError(c);
    if (connectionLost(c, r ? PQresultErrorField(r.get(), PG_DIAG_SQLSTATE) : nullptr)) {
        dropConnection();
        throw StoreError(kGone + message);
    }
    return false;
}
