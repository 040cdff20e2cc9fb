#pragma once

#include "store/DataLocation.h"
#include "store/Recordset.h"
#include "store/StoreError.h"

#include <QString>
#include <functional>
#include <memory>

struct sqlite3;
class Connection;
class OfficeSession;

// The only way into the database. Each window owns one: it knows the program
// folder, the connection of the last call (CurrentDb) and the cursor of the
// last successful query (CurrentRs).
class modDB {
public:
    explicit modDB(const QString& programDir);
    // The given files, whatever form the program folder has: the
    // administrator's command opens the catalogue itself this way.
    explicit modDB(const DataLocation::Files& files);
    ~modDB();
    modDB(const modDB&) = delete;
    modDB& operator=(const modDB&) = delete;

    // Runs one statement text. A query replaces CurrentRs; a statement leaves it
    // alone. Throws StoreError with a message for the user; on failure the
    // shared objects keep what they held and nothing is half-written.
    void RunSql(const QString& statement, bool isQuery);

    // The cursor of the last successful query; throws StoreError before any.
    Recordset& CurrentRs();
    bool hasCurrentRs() const { return m_rs != nullptr; }
    sqlite3* CurrentDb() const;

    // The catalogue (the whole database in the portable form), and each
    // user's own database in the installed form (empty otherwise).
    QString databasePath() const { return m_path; }
    QString userDatabasePath() const { return m_userPath; }

    // Groups statements so that they land all together or not at all.
    class Transaction {
    public:
        explicit Transaction(modDB& db);
        ~Transaction();
        void commit();
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;

    private:
        modDB& m_db;
        bool m_open = false;
    };

    // Whether a table of that plain name is reachable, on either engine (and
    // through an attached catalogue). Replaces CurrentRs.
    bool hasTable(const QString& name);

    // Number of RunSql calls so far (benchmarks and tests count queries).
    long long callCount() const { return m_calls; }

    // Office mode: db/office.conf beside the program names a PostgreSQL
    // server; the statements and the cursor stay the same.
    bool isOffice() const { return m_office != nullptr; }
    // How a server that wants a password gets one: asked once, kept in
    // memory only. `tell` hears a refused login once.
    struct LoginPrompt {
        std::function<bool(QString& user, QString& password)> ask;
        std::function<void(const QString& message)> tell;
    };
    void setLoginPrompt(LoginPrompt prompt);
    // False for a login that may only read the catalogue.
    bool mayUpdateCatalogue();

private:
    std::shared_ptr<Connection> connection();
    void dropConnectionAfter(int code);

    QString m_schema;
    QString m_path;
    QString m_userPath;
    std::shared_ptr<Connection> m_db;
    std::unique_ptr<Recordset> m_rs;
    long long m_calls = 0;
    std::unique_ptr<OfficeSession> m_office;
};
