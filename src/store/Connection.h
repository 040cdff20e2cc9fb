#pragma once

#include <QByteArray>
#include <QString>
#include <map>
#include <memory>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// One open SQLite connection to the program's database file, with a small
// cache of prepared statements (the per-act queries repeat the same shape).
class Connection {
public:
    // Throws StoreError when the file cannot be opened as a database. With a
    // catalogue path, `path` holds the user's own tables and the catalogue is
    // attached for reading only (the installed form).
    explicit Connection(const QString& path, const QString& cataloguePath = QString());
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    sqlite3* handle() const { return m_db; }
    const QString& path() const { return m_path; }

    // What a write to a database that can only be read says.
    static constexpr const char* kReadOnlyMessage = "Baza de date poate fi doar citita; modificarea nu a fost salvata.";

    // True while the files on disk are still the ones this connection opened,
    // with the same write permissions (of file and folder) as then.
    bool stillValid() const;

    // Copies the journal into the file this connection has open and empties
    // it, so that nothing of it is ever read as part of another file put in
    // this one's place. The engine skips this on closing a removed file.
    void foldJournal();

    // The user's message for an engine failure on this file: for opening and
    // write failures it says which of file and folder is missing or read-only.
    QString describeFailure(int code, const QString& engineMessage) const;

    // A prepared statement for the text, from the cache when there is one idle.
    sqlite3_stmt* checkout(const QByteArray& sql);
    // Gives a statement back after use; it is reset and kept for reuse.
    void giveBack(sqlite3_stmt* stmt);

private:
    struct Finalize {
        void operator()(sqlite3_stmt* stmt) const;
    };
    using PreparedStatement = std::unique_ptr<sqlite3_stmt, Finalize>;

    QString identityOf() const;
    int permissionsNow() const;
    void attachCatalogue();

    QString m_path;
    QString m_catalogue;
    sqlite3* m_db = nullptr;
    QString m_identity;
    int m_permissions = 0;
    std::map<QByteArray, std::vector<PreparedStatement>> m_idle;
    size_t m_idleCount = 0;
};
