#pragma once

#include <QStringList>
#include <QTemporaryDir>

#include <sys/types.h>
#include <vector>

namespace testsupport {

// A throwaway PostgreSQL server of the tests' own: initdb in a temporary
// folder, Unix socket only, run as an unprivileged user (the server refuses
// root), passwords required. It goes when the object goes, and with the test
// process if that dies first.
class PgCluster {
public:
    PgCluster();
    ~PgCluster();
    PgCluster(const PgCluster&) = delete;
    PgCluster& operator=(const PgCluster&) = delete;

    // Empty when the server runs; otherwise why it could not be started.
    const QString& failure() const { return m_failure; }
    QString conninfo(const QString& db, const QString& user = QString()) const;
    QString superConninfo(const QString& db) const;
    QString passFile() const;

    void stop();
    bool start();

    // Raw SQL as a login, through libpq; rows as "col|col", or the error in *error.
    std::vector<QString> query(const QString& conninfo, const QString& sql, QString* error = nullptr) const;

private:
    bool run(const QStringList& argv, bool wait);

    QTemporaryDir m_dir;
    QString m_bin;
    QString m_failure;
    pid_t m_server = -1;
    uid_t m_uid = 0;
    gid_t m_gid = 0;
};

} // namespace testsupport
