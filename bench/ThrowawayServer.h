#pragma once

// A throwaway PostgreSQL server for the office tests and the office bench:
// initdb in a temporary folder, Unix socket only, run as an unprivileged user
// (the server refuses root), passwords required. It stops with the object, or
// with the process that started it if that dies first.

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <fcntl.h>
#include <libpq-fe.h>
#include <pwd.h>
#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

class ThrowawayServer {
public:
    ThrowawayServer();
    ~ThrowawayServer() { stop(); }
    const QString& failure() const { return m_failure; } // empty while the server runs
    QString conninfo(const QString& db, const QString& user = QString()) const;
    QString superConninfo(const QString& db) const;
    QString passFile() const { return m_dir.filePath(QStringLiteral("pgpass")); }
    // Where the server's socket is (libpq's host=).
    QString socketDir() const { return m_dir.path(); }
    void stop();
    bool start();
    // Raw SQL through libpq: rows as "col|col", the error in *error.
    std::vector<QString> query(const QString& conninfo, const QString& sql, QString* error = nullptr) const;

private:
    static QString superUser() { return QStringLiteral("tarvenor_root"); }
    static QByteArray superPassword() { return QByteArrayLiteral("radacina-proba"); }
    bool run(const QStringList& argv, bool wait);

    QTemporaryDir m_dir;
    QString m_bin, m_failure;
    pid_t m_server = -1;
    uid_t m_uid = 0;
    gid_t m_gid = 0;
};

inline ThrowawayServer::ThrowawayServer()
{
    // Nothing of the developer's own libpq set-up may take part.
    for (const char* v : {"PGHOST", "PGPORT", "PGUSER", "PGPASSWORD", "PGDATABASE", "PGSERVICE", "PGSSLMODE"})
        qunsetenv(v);
    qputenv("PGPASSFILE", QFile::encodeName(passFile()));
    QProcess config;
    config.start(QStringLiteral("pg_config"), {QStringLiteral("--bindir")});
    config.waitForFinished();
    m_bin = QString::fromLocal8Bit(config.readAllStandardOutput()).trimmed();
    const QString pw = m_dir.filePath(QStringLiteral("pw"));
    QFile pwfile(pw);
    const passwd* nobody = ::geteuid() == 0 ? ::getpwnam("nobody") : nullptr;
    if (nobody) {
        m_uid = nobody->pw_uid;
        m_gid = nobody->pw_gid;
    }
    if (!QFile::exists(m_bin + QStringLiteral("/initdb")))
        m_failure = QStringLiteral("PostgreSQL server programs not installed");
    else if (::geteuid() == 0 && !nobody)
        m_failure = QStringLiteral("no unprivileged user to run the server as");
    else if (!pwfile.open(QIODevice::WriteOnly) || pwfile.write(superPassword()) < 0 || !pwfile.flush() ||
             (m_uid && (::chown(QFile::encodeName(m_dir.path()).constData(), m_uid, m_gid) != 0 ||
                        ::chown(QFile::encodeName(pw).constData(), m_uid, m_gid) != 0)))
        m_failure = QStringLiteral("cannot prepare the server's folder");
    else if (!run({m_bin + QStringLiteral("/initdb"), QStringLiteral("-D"), m_dir.filePath(QStringLiteral("data")),
                   QStringLiteral("-U"), superUser(), QStringLiteral("--pwfile=") + pw, QStringLiteral("-A"),
                   QStringLiteral("scram-sha-256"), QStringLiteral("-E"), QStringLiteral("UTF8"),
                   QStringLiteral("--locale=C.UTF-8"), QStringLiteral("--no-sync")},
                  true))
        m_failure = QStringLiteral("initdb failed");
    else if (!start())
        m_failure = QStringLiteral("the server did not start");
}

inline bool ThrowawayServer::run(const QStringList& argv, bool wait)
{
    // setpriv drops to the unprivileged user and ties the server's life to
    // ours: a test process that dies for any reason takes its server along.
    QStringList all{QStringLiteral("setpriv")};
    if (m_uid)
        all << QStringLiteral("--reuid=%1").arg(m_uid) << QStringLiteral("--regid=%1").arg(m_gid)
            << QStringLiteral("--clear-groups");
    all << QStringLiteral("--pdeathsig") << QStringLiteral("INT") << QStringLiteral("--") << argv;
    std::vector<QByteArray> bytes;
    std::vector<char*> args;
    for (const QString& a : all)
        bytes.push_back(QFile::encodeName(a));
    for (QByteArray& b : bytes)
        args.push_back(b.data());
    args.push_back(nullptr);
    const QByteArray dir = QFile::encodeName(m_dir.path()), log = dir + "/server.log";
    const pid_t pid = ::fork();
    if (pid == 0) {
        // The server's chatter goes to a log beside its data, not into the test's output.
        const int fd = ::open(log.constData(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (::chdir(dir.constData()) == 0 && fd >= 0 && ::dup2(fd, 1) >= 0 && ::dup2(fd, 2) >= 0)
            ::execvp(args[0], args.data());
        _exit(127);
    }
    int status = 0;
    if (pid > 0 && !wait)
        m_server = pid;
    else if (pid > 0)
        ::waitpid(pid, &status, 0);
    return pid > 0 && (!wait || (WIFEXITED(status) && WEXITSTATUS(status) == 0));
}

inline bool ThrowawayServer::start()
{
    if (m_server > 0)
        return true;
    run({m_bin + QStringLiteral("/postgres"), QStringLiteral("-D"), m_dir.filePath(QStringLiteral("data")),
         QStringLiteral("-k"), m_dir.path(), QStringLiteral("-c"), QStringLiteral("listen_addresses="),
         QStringLiteral("-c"), QStringLiteral("fsync=off"), QStringLiteral("-c"), QStringLiteral("max_connections=60")},
        false);
    const QByteArray info = superConninfo(QStringLiteral("postgres")).toUtf8();
    QElapsedTimer t;
    t.start();
    int status = 0;
    while (t.elapsed() < 60000 && ::waitpid(m_server, &status, WNOHANG) == 0) {
        if (PQping(info.constData()) == PQPING_OK)
            return true;
        QThread::msleep(50);
    }
    stop();
    return false;
}

inline void ThrowawayServer::stop()
{
    if (m_server <= 0)
        return;
    // Fast shutdown: clients are cut off, nothing committed is lost.
    ::kill(m_server, SIGINT);
    ::waitpid(m_server, nullptr, 0);
    m_server = -1;
}

inline QString ThrowawayServer::conninfo(const QString& db, const QString& user) const
{
    return QStringLiteral("host=%1 port=5432 dbname=%2").arg(m_dir.path(), db) +
           (user.isEmpty() ? QString() : QStringLiteral(" user=") + user);
}

inline QString ThrowawayServer::superConninfo(const QString& db) const
{
    return conninfo(db, superUser()) + QStringLiteral(" password=") + QString::fromLatin1(superPassword());
}

inline std::vector<QString> ThrowawayServer::query(const QString& conninfo, const QString& sql, QString* error) const
{
    std::vector<QString> rows;
    PGconn* c = PQconnectdb(conninfo.toUtf8().constData());
    PGresult* r = PQstatus(c) == CONNECTION_OK ? PQexec(c, sql.toUtf8().constData()) : nullptr;
    const ExecStatusType status = r ? PQresultStatus(r) : PGRES_FATAL_ERROR;
    for (int i = 0; status == PGRES_TUPLES_OK && i < PQntuples(r); ++i) {
        QStringList row;
        for (int j = 0; j < PQnfields(r); ++j)
            row << QString::fromUtf8(PQgetvalue(r, i, j));
        rows.push_back(row.join(QLatin1Char('|')));
    }
    if (error)
        *error =
            status == PGRES_TUPLES_OK || status == PGRES_COMMAND_OK ? QString() : QString::fromUtf8(PQerrorMessage(c));
    PQclear(r);
    PQfinish(c);
    return rows;
}
