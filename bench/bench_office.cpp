// Office mode under load: N workstation processes against one PostgreSQL
// server for S seconds, each searching, opening acts, adding favourites and
// events through RunSql; then start-up and keyword search against the
// embedded store on the same catalogue.
//   bench_office --embedded PROGRAM_DIR [--office "CONNINFO"] [--workers 20] [--seconds 60]
// The embedded program folder holds db/database.sqlite. CONNINFO is a lawyer's
// libpq connection string (as in db/office.conf) to an office holding the same
// catalogue; without it the bench starts a throwaway server of its own and
// loads that catalogue into it.
#include "BenchSupport.h"
#include "ThrowawayServer.h"

#include "catalogue/SearchIndex.h"
#include "store/OfficeSetup.h"
#include "store/SqlLiteral.h"
#include "store/modDB.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <array>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::array<const char*, 4> kActions{"cautare", "deschidere", "favorit", "eveniment"};

struct Sample {
    qint32 action;
    qint32 micros; // negative: the action failed
};

QString walkAll(modDB& db, const char* field)
{
    QString last;
    for (Recordset& rs = db.CurrentRs(); !rs.Eof(); rs.MoveNext())
        last = rs.Text(QLatin1String(field));
    return last;
}

// One workstation: actions in turn until the time is up; every acknowledged
// write is counted, so the parent can check that none was lost.
[[noreturn]] void workstation(const QString& dir, int worker, int seconds, const QString& tag, int fd)
{
    modDB db(dir);
    QRandomGenerator rng(quint32(worker) * 7919U + 1U);
    QElapsedTimer total, one;
    total.start();
    qint64 maxId = 1;
    try {
        db.RunSql(QStringLiteral("select max(ID) as m from Acte"), true);
        maxId = qMax<qint64>(1, db.CurrentRs().Text(QStringLiteral("m")).toLongLong());
    } catch (const StoreError&) {
    }
    for (long long n = 0; total.elapsed() < seconds * 1000LL; ++n) {
        const int action = int(n % 4);
        const QString id = QString::number(1 + qint64(rng.bounded(quint32(maxId))));
        one.start();
        bool ok = true;
        try {
            switch (action) {
            case 0:
                // An act number: a few dozen acts, as a lawyer's search gives.
                db.RunSql(QStringLiteral("select * from Acte where Titlu like '*nr. %1/*' ").arg(rng.bounded(1, 1500)),
                          true);
                walkAll(db, "Titlu");
                break;
            case 1:
                db.RunSql(QStringLiteral("Select Continut from Acte where id = ") + id, true);
                walkAll(db, "Continut");
                db.RunSql(QStringLiteral("insert into ultimele_legi (id_acte) values (") + id + QLatin1Char(')'),
                          false);
                break;
            case 2:
                db.RunSql(QStringLiteral("insert into legi_favorite (id_acte) values (") + id + QLatin1Char(')'),
                          false);
                db.RunSql(QStringLiteral("Select * from legi_favorite"), true);
                walkAll(db, "id_acte");
                break;
            default:
                db.RunSql(QStringLiteral("insert into agenda (data, ora, coment,tipeveniment) values ('01.01.2030', "
                                         "'10:00', '%1 %2 %3',1)")
                              .arg(SqlLiteral::text(tag))
                              .arg(worker)
                              .arg(n),
                          false);
                db.RunSql(QStringLiteral("Select a.id, a.ora, a.coment, b.tipeveniment from agenda a, tip_eveniment b "
                                         "where a.tipeveniment = b.id and a.data = '01.01.2030'"),
                          true);
                walkAll(db, "coment");
            }
        } catch (const StoreError& e) {
            ok = false;
            std::fprintf(stderr, "statia %d: %s\n", worker, qPrintable(e.message()));
        }
        const qint64 us = one.nsecsElapsed() / 1000;
        const Sample s{qint32(action), ok ? qint32(qMin<qint64>(us, INT32_MAX)) : -1};
        if (::write(fd, &s, sizeof s) != qint64(sizeof s))
            _exit(3);
    }
    _exit(0);
}

QString scalar(modDB& db, const QString& sql)
{
    db.RunSql(sql, true);
    return db.CurrentRs().Text(QStringLiteral("n"));
}

// Median time of opening a store and listing every act and the news, then
// of a keyword search, on a fresh store each time.
std::pair<double, double> startAndSearchMs(const QString& dir)
{
    std::vector<double> start, search;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer t;
        t.start();
        modDB db(dir);
        db.RunSql(QStringLiteral("Select ID, Titlu, TipAct from Acte"), true);
        walkAll(db, "Titlu");
        db.RunSql(QStringLiteral("Select titlu, link from noutati order by id desc"), true);
        walkAll(db, "link");
        start.push_back(double(t.nsecsElapsed()) / 1e6);
        t.restart();
        db.RunSql(QStringLiteral("select * from Acte where Titlu like '*munc*' "), true);
        walkAll(db, "Titlu");
        search.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    return {bench::median(start), bench::median(search)};
}

// Median time of the search screen's keyword search, by each engine's own
// statement (the embedded one on its index), listing every act found.
double keywordMs(modDB& db, const QString& keyword, bool inText)
{
    static const QString all = QStringLiteral("select * from Acte ");
    const QString sql = db.isOffice() ? SearchIndex::serverStatement(all, keyword, inText)
                                      : SearchIndex::statement(all, keyword, inText, SearchIndex::present(db));
    std::vector<double> times;
    for (int i = 0; i < 7; ++i) {
        QElapsedTimer t;
        t.start();
        db.RunSql(sql, true);
        walkAll(db, "ID");
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    return bench::median(times);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString embedded = bench::option(args, "--embedded");
    QString conninfo = bench::option(args, "--office");
    std::unique_ptr<ThrowawayServer> server;
    if (conninfo.isEmpty() && !embedded.isEmpty()) {
        server = std::make_unique<ThrowawayServer>();
        QFile schema(QStringLiteral(TARVENOR_SOURCE_DIR "/db/office-schema.sql")), pass(server->passFile());
        try {
            if (!server->failure().isEmpty() || !schema.open(QIODevice::ReadOnly) || !pass.open(QIODevice::WriteOnly) ||
                !pass.setPermissions(QFile::ReadOwner | QFile::WriteOwner) ||
                pass.write("*:*:*:avocat:parola-bench\n") < 0)
                throw StoreError(QStringLiteral("serverul de proba nu porneste: ") + server->failure());
            pass.close();
            const QString db = server->superConninfo(QStringLiteral("tarvenor"));
            OfficeSetup::createDatabase(server->superConninfo(QStringLiteral("postgres")), QStringLiteral("tarvenor"));
            OfficeSetup::applySchema(db, QString::fromUtf8(schema.readAll()));
            OfficeSetup::loadCatalogue(db, QDir(embedded).filePath(QStringLiteral("db/database.sqlite")));
            OfficeSetup::addUser(db, QStringLiteral("avocat"), false, QStringLiteral("parola-bench"));
        } catch (const StoreError& e) {
            std::fprintf(stderr, "%s\n", qPrintable(e.message()));
            return 1;
        }
        conninfo = server->conninfo(QStringLiteral("tarvenor"), QStringLiteral("avocat"));
    }
    const int workers = bench::intOption(args, "--workers", 20), seconds = bench::intOption(args, "--seconds", 60);
    QTemporaryDir office;
    QDir(office.path()).mkpath(QStringLiteral("db"));
    QFile conf(office.filePath(QStringLiteral("db/office.conf")));
    if (conninfo.isEmpty() || embedded.isEmpty() || !conf.open(QIODevice::WriteOnly) ||
        conf.write(conninfo.toUtf8() + '\n') < 0) {
        std::fprintf(stderr, "folosire: bench_office --embedded DIR [--office CONNINFO] [--workers N] [--seconds S]\n");
        return 2;
    }
    conf.close();

    const QString tag = QStringLiteral("bench-%1-%2").arg(::getpid()).arg(QDateTime::currentMSecsSinceEpoch());
    modDB check(office.path());
    qint64 favBefore = 0;
    try {
        favBefore = scalar(check, QStringLiteral("select count(*) as n from legi_favorite")).toLongLong();
    } catch (const StoreError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }

    int fds[2];
    if (::pipe(fds) != 0)
        return 1;
    std::vector<pid_t> children;
    for (int w = 0; w < workers; ++w) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(fds[0]);
            workstation(office.path(), w, seconds, tag, fds[1]);
        }
        children.push_back(pid);
    }
    ::close(fds[1]);
    std::array<std::vector<double>, 4> times;
    std::array<long long, 4> acknowledged{};
    long long errors = 0;
    Sample s{};
    while (::read(fds[0], &s, sizeof s) == qint64(sizeof s)) {
        if (s.micros < 0) {
            ++errors;
            continue;
        }
        times[size_t(s.action)].push_back(s.micros / 1000.0);
        ++acknowledged[size_t(s.action)];
    }
    int crashed = 0;
    for (pid_t pid : children) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        crashed += !(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    long long actions = 0;
    std::printf("%d statii, %d s\n", workers, seconds);
    for (size_t a = 0; a < kActions.size(); ++a) {
        std::vector<double>& v = times[a];
        std::sort(v.begin(), v.end());
        actions += qint64(v.size());
        if (!v.empty())
            std::printf("  %-10s %7zu actiuni  p50 %7.2f ms  p95 %7.2f ms\n", kActions[a], v.size(), v[v.size() / 2],
                        v[size_t(double(v.size()) * 0.95)]);
    }
    const qint64 favs =
        scalar(check, QStringLiteral("select count(*) as n from legi_favorite")).toLongLong() - favBefore;
    const qint64 events =
        scalar(check,
               QStringLiteral("select count(*) as n from agenda where coment like '%1 *'").arg(SqlLiteral::text(tag)))
            .toLongLong();
    std::printf("  debit %.1f actiuni/s, erori %lld, procese oprite anormal %d\n", double(actions) / seconds, errors,
                crashed);
    std::printf("  favorite confirmate %lld, gasite %lld; evenimente confirmate %lld, gasite %lld\n", acknowledged[2],
                favs, acknowledged[3], events);

    const auto [liteStart, liteSearch] = startAndSearchMs(embedded);
    const auto [pgStart, pgSearch] = startAndSearchMs(office.path());
    std::printf("pornire: local %.1f ms, server %.1f ms (%.2fx); cautare: local %.1f ms, server %.1f ms (%.2fx)\n",
                liteStart, pgStart, pgStart / liteStart, liteSearch, pgSearch, pgSearch / liteSearch);
    modDB lite(embedded), pg(office.path());
    // As the program does at start: the index built, or brought up to date.
    if (SearchIndex::present(lite) ? !SearchIndex::catchUp(lite) : !SearchIndex::build(lite))
        return 1;
    const std::pair<const char*, bool> searches[] = {
        {"sanatate", false}, {"privind sanatate", false}, {"sanatate", true}, {"contractelor concesiune", true}};
    for (const auto& [keyword, inText] : searches) {
        const double local = keywordMs(lite, QString::fromUtf8(keyword), inText);
        const double remote = keywordMs(pg, QString::fromUtf8(keyword), inText);
        std::printf("cuvant cheie \"%s\"%s: local %.1f ms, server %.1f ms (%.2fx)\n", keyword,
                    inText ? " si in texte" : "", local, remote, remote / local);
    }
    const bool lost = favs != acknowledged[2] || events != acknowledged[3];
    return errors || crashed || lost ? 1 : 0;
}
