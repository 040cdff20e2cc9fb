// The store against the bare engine: single-row inserts with full sync, and a
// walk of every act of a large catalogue.
//   bench_store [--acts N] [--inserts N]
// The catalogue is generated once into /tmp and reused by later runs.

#include "BenchSupport.h"
#include "SyntheticCatalogue.h"

#include "store/modDB.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <QFile>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

void bareExec(sqlite3* db, const char* sql)
{
    char* err = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &err) != SQLITE_OK) {
        std::fprintf(stderr, "sqlite: %s\n", err ? err : "?");
        std::exit(1);
    }
}

// A fresh program folder with an empty database made from the schema.
QString freshProgram(QTemporaryDir& dir)
{
    QDir(dir.path()).mkpath(QStringLiteral("db"));
    const std::string path = QDir(dir.path()).filePath(QStringLiteral("db/database.sqlite")).toStdString();
    synthetic::Options none;
    none.acts = 0;
    none.news = 0;
    synthetic::makeCatalogue(path, TARVENOR_SCHEMA_PATH, none);
    return dir.path();
}

double storeInsertsMs(int inserts)
{
    QTemporaryDir dir;
    modDB db(freshProgram(dir));
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < inserts; ++i)
        db.RunSql(QStringLiteral("insert into legi_favorite (id_acte) values (") + QString::number(i + 1) +
                      QStringLiteral(")"),
                  false);
    return double(t.nsecsElapsed()) / 1e6;
}

double bareInsertsMs(int inserts)
{
    QTemporaryDir dir;
    const std::string path = QDir(freshProgram(dir)).filePath(QStringLiteral("db/database.sqlite")).toStdString();
    QElapsedTimer t;
    t.start();
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    bareExec(db, "PRAGMA synchronous=FULL");
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "insert into legi_favorite (id_acte) values (?)", -1, &stmt, nullptr);
    for (int i = 0; i < inserts; ++i) {
        sqlite3_bind_int(stmt, 1, i + 1);
        if (sqlite3_step(stmt) != SQLITE_DONE)
            std::exit(1);
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return double(t.nsecsElapsed()) / 1e6;
}

double storeWalkMs(const QString& programDir, long long& rows)
{
    QElapsedTimer t;
    t.start();
    modDB db(programDir);
    db.RunSql(QStringLiteral("Select ID, Titlu, TipAct from Acte"), true);
    std::vector<QString> cells;
    for (Recordset& rs = db.CurrentRs(); !rs.Eof(); rs.MoveNext()) {
        cells.push_back(rs.Text(QStringLiteral("ID")));
        cells.push_back(rs.Text(QStringLiteral("Titlu")));
        cells.push_back(rs.Text(QStringLiteral("TipAct")));
    }
    rows = static_cast<long long>(cells.size()) / 3;
    return double(t.nsecsElapsed()) / 1e6;
}

double best(int rounds, const std::function<double()>& f)
{
    double b = 1e300;
    for (int i = 0; i < rounds; ++i)
        b = std::min(b, f());
    return b;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int acts = bench::intOption(args, "--acts", 200000);
    const int inserts = bench::intOption(args, "--inserts", 1000);

    // Alternated and the best of three: the disk's flush time varies a lot.
    double storeIns = 1e300, bareIns = 1e300;
    for (int round = 0; round < 3; ++round) {
        storeIns = std::min(storeIns, storeInsertsMs(inserts));
        bareIns = std::min(bareIns, bareInsertsMs(inserts));
    }
    std::printf("%d single-row inserts, synchronous=FULL: store %.1f ms, bare %.1f ms, ratio %.2f\n", inserts, storeIns,
                bareIns, storeIns / bareIns);

    const QString programDir = QStringLiteral("/tmp/tarvenor-bench-store-%1").arg(acts);
    const std::string dbPath = QDir(programDir).filePath(QStringLiteral("db/database.sqlite")).toStdString();
    if (!QFile::exists(QString::fromStdString(dbPath))) {
        QDir().mkpath(programDir + QStringLiteral("/db"));
        synthetic::Options options;
        options.acts = acts;
        options.bodyScale = 0.02; // the walk reads titles only
        std::printf("generating %d acts into %s ...\n", acts, dbPath.c_str());
        synthetic::makeCatalogue(dbPath, TARVENOR_SCHEMA_PATH, options);
    }
    long long storeRows = 0, bareRows = 0;
    bench::bareActWalkMs(dbPath, bareRows); // warm the file cache
    const double storeWalk = best(3, [&] { return storeWalkMs(programDir, storeRows); });
    const double bareWalk = best(3, [&] { return bench::bareActWalkMs(dbPath, bareRows); });
    std::printf("walk of %lld rows (ID, Titlu, TipAct as text): store %.1f ms, bare %.1f ms, ratio %.2f\n", storeRows,
                storeWalk, bareWalk, storeWalk / bareWalk);
    return storeRows == bareRows ? 0 : 1;
}
