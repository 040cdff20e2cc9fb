#include "support/PgCluster.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <fcntl.h>
#include <libpq-fe.h>
#include <pwd.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {
namespace {
const char* const kSuper = "tarvenor_root";
const char* const kSuperPassword = "radacina-proba";
} // namespace

PgCluster::PgCluster()
{
    // Nothing of the developer's own libpq set-up may take part.
    for (const char* v : {"PGHOST", "PGPORT", "PGUSER", "PGPASSWORD", "PGDATABASE", "PGSERVICE", "PGSERVICEFILE",
                          "PGSSLMODE", "PGOPTIONS", "PGAPPNAME"})
        qunsetenv(v);
    qputenv("PGPASSFILE", QFile::encodeName(passFile()));
    QProcess config;
    config.start(QStringLiteral("pg_config"), {QStringLiteral("--bindir")});
    config.waitForFinished();
    m_bin = QString::fromLocal8Bit(config.readAllStandardOutput()).trimmed();
    if (!QFile::exists(m_bin + QStringLiteral("/initdb"))) {
        const QStringList found = QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs, QDir::Name);
        m_bin = found.isEmpty() ? QString() : QStringLiteral("/usr/lib/postgresql/%1/bin").arg(found.last());
    }
    if (!QFile::exists(m_bin + QStringLiteral("/initdb"))) {
        m_failure = QStringLiteral("PostgreSQL server programs not installed");
        return;
    }
    if (::geteuid() == 0) {
        const passwd* pw = ::getpwnam("nobody");
        if (!pw) {
            m_failure = QStringLiteral("no unprivileged user to run the server as");
            return;
        }
        m_uid = pw->pw_uid;
        m_gid = pw->pw_gid;
        if (::chown(QFile::encodeName(m_dir.path()).constData(), m_uid, m_gid) != 0) {
            m_failure = QStringLiteral("cannot hand the folder to the server's user");
            return;
        }
    }
    QFile pwfile(m_dir.filePath(QStringLiteral("pw")));
    if (!pwfile.open(QIODevice::WriteOnly) || pwfile.write(kSuperPassword) < 0) {
        m_failure = QStringLiteral("cannot write the password file");
        return;
    }
    pwfile.close();
    if (m_uid && ::chown(QFile::encodeName(pwfile.fileName()).constData(), m_uid, m_gid) != 0) {
        m_failure = QStringLiteral("cannot hand the password file to the server's user");
        return;
    }
    if (!run({m_bin + QStringLiteral("/initdb"), QStringLiteral("-D"), m_dir.filePath(QStringLiteral("data")),
              QStringLiteral("-U"), QLatin1String(kSuper), QStringLiteral("--pwfile=") + pwfile.fileName(),
              QStringLiteral("-A"), QStringLiteral("scram-sha-256"), QStringLiteral("-E"), QStringLiteral("UTF8"),
              QStringLiteral("--locale=C.UTF-8"), QStringLiteral("--no-sync")},
             true)) {
        m_failure = QStringLiteral("initdb failed");
        return;
    }
    if (!start())
        m_failure = QStringLiteral("the server did not start");
}

PgCluster::~PgCluster()
{
    stop();
}

bool PgCluster::run(const QStringList& argv, bool wait)
{
    // setpriv drops to the unprivileged user and ties the server's life to
    // ours: a test process that dies for any reason takes its server along.
    QStringList all{QStringLiteral("setpriv")};
    if (m_uid)
        all << QStringLiteral("--reuid=%1").arg(m_uid) << QStringLiteral("--regid=%1").arg(m_gid)
            << QStringLiteral("--clear-groups");
    all << QStringLiteral("--pdeathsig") << QStringLiteral("INT") << QStringLiteral("--") << argv;
    std::vector<QByteArray> bytes;
    for (const QString& a : all)
        bytes.push_back(QFile::encodeName(a));
    std::vector<char*> args;
    for (QByteArray& b : bytes)
        args.push_back(b.data());
    args.push_back(nullptr);
    const QByteArray dir = QFile::encodeName(m_dir.path());
    const pid_t pid = ::fork();
    if (pid == 0) {
        // The server's chatter goes to a log beside its data, not into the test's output.
        const int log = ::open(QByteArray(dir + "/server.log").constData(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (::chdir(dir.constData()) != 0 || log < 0 || ::dup2(log, 1) < 0 || ::dup2(log, 2) < 0)
            _exit(126);
        ::execvp(args[0], args.data());
        _exit(127);
    }
    if (pid < 0)
        return false;
    if (!wait) {
        m_server = pid;
        return true;
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool PgCluster::start()
{
    if (m_server > 0)
        return true;
    run({m_bin + QStringLiteral("/postgres"), QStringLiteral("-D"), m_dir.filePath(QStringLiteral("data")),
         QStringLiteral("-k"), m_dir.path(), QStringLiteral("-c"), QStringLiteral("listen_addresses="),
         QStringLiteral("-c"), QStringLiteral("fsync=off"), QStringLiteral("-c"), QStringLiteral("max_connections=60")},
        false);
    QElapsedTimer t;
    t.start();
    const QByteArray info = superConninfo(QStringLiteral("postgres")).toUtf8();
    while (t.elapsed() < 60000) {
        if (PQping(info.constData()) == PQPING_OK)
            return true;
        int status = 0;
        if (::waitpid(m_server, &status, WNOHANG) == m_server)
            break;
        QThread::msleep(50);
    }
    stop();
    return false;
}

void PgCluster::stop()
{
    if (m_server <= 0)
        return;
    // Fast shutdown: clients are cut off, nothing committed is lost.
    ::kill(m_server, SIGINT);
    int status = 0;
    ::waitpid(m_server, &status, 0);
    m_server = -1;
}

QString PgCluster::passFile() const
{
    return m_dir.filePath(QStringLiteral("pgpass"));
}

QString PgCluster::conninfo(const QString& db, const QString& user) const
{
    QString s = QStringLiteral("host=%1 port=5432 dbname=%2").arg(m_dir.path(), db);
    if (!user.isEmpty())
        s += QStringLiteral(" user=") + user;
    return s;
}

QString PgCluster::superConninfo(const QString& db) const
{
    return conninfo(db, QLatin1String(kSuper)) + QStringLiteral(" password=") + QLatin1String(kSuperPassword);
}

std::vector<QString> PgCluster::query(const QString& conninfo, const QString& sql, QString* error) const
{
    std::vector<QString> rows;
    PGconn* c = PQconnectdb(conninfo.toUtf8().constData());
    PGresult* r = PQstatus(c) == CONNECTION_OK ? PQexec(c, sql.toUtf8().constData()) : nullptr;
    const ExecStatusType status = r ? PQresultStatus(r) : PGRES_FATAL_ERROR;
    if (status == PGRES_TUPLES_OK) {
        for (int i = 0; i < PQntuples(r); ++i) {
            QStringList row;
            for (int j = 0; j < PQnfields(r); ++j)
                row << QString::fromUtf8(PQgetvalue(r, i, j));
            rows.push_back(row.join(QLatin1Char('|')));
        }
    }
    if (error)
        *error = status == PGRES_TUPLES_OK || status == PGRES_COMMAND_OK
                     ? QString()
                     : QString::fromUtf8(PQerrorMessage(c)).trimmed();
    PQclear(r);
    PQfinish(c);
    return rows;
}

} // namespace testsupport
