#pragma once

#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <vector>

class HeldRows;

struct pg_conn;

// The office's PostgreSQL server behind RunSql. One connection, made on first
// use and made again on the first call after the server came back. Each write
// outside an open transaction runs in one of its own, whose number is kept:
// when the connection breaks during COMMIT, the server is asked whether it
// landed, so a write is acknowledged exactly when it was kept.
class OfficeSession {
public:
    // `confPath` holds one libpq connection string; it is read on connecting.
    explicit OfficeSession(QString confPath);
    ~OfficeSession();
    OfficeSession(const OfficeSession&) = delete;
    OfficeSession& operator=(const OfficeSession&) = delete;

    struct Rows {
        std::vector<QString> names;
        std::unique_ptr<const HeldRows> values;
    };
    // Runs one statement text of the program's dialect; throws StoreError.
    Rows run(const QString& jetText, bool isQuery);

    void begin();
    void commit();
    // Never throws: a lost connection has rolled back by itself.
    void rollback();

    void setLoginPrompt(std::function<bool(QString&, QString&)> ask, std::function<void(const QString&)> tell);
    bool mayUpdateCatalogue();

    // The connection string as read from the file (tests and tools).
    static QString readConnectionString(const QString& confPath);

private:
    pg_conn* connection();
    pg_conn* tryConnect(const QString& user, const QString& password);
    // Drops a connection that the server has closed while we were idle.
    void dropIfClosed();
    [[noreturn]] void failed(const QString& jetText, const char* sqlState, const QString& serverMessage);
    // Forgets a broken connection; an open transaction is lost with it.
    void dropConnection();
    // After a COMMIT whose answer never came: returns if it landed, else throws.
    void confirmCommitted(const QString& why);

    QString m_confPath;
    pg_conn* m_conn = nullptr;
    std::function<bool(QString&, QString&)> m_ask;
    std::function<void(const QString&)> m_tell;
    bool m_asked = false;
    bool m_refusalTold = false; // a refusal or an absent server, said once at start
    bool m_everConnected = false;
    QString m_user, m_password; // from the login dialog; memory only
    bool m_inTransaction = false;
    bool m_lostInTransaction = false;
    QByteArray m_xid; // the open transaction's number
};
