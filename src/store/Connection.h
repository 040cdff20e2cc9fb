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
    // Throws StoreError when the file cannot be opened as a database.
    explicit Connection(const QString& path);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    sqlite3* handle() const { return m_db; }
    const QString& path() const { return m_path; }

    // True while the file on disk is still the one this connection opened,
    // with the same write permission as then.
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

    QString m_path;
    sqlite3* m_db = nullptr;
    unsigned long long m_device = 0;
    unsigned long long m_inode = 0;
    bool m_writable = false;
    std::map<QByteArray, std::vector<PreparedStatement>> m_idle;
    size_t m_idleCount = 0;
};
