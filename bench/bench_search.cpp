// The catalogue's handlers on a large synthetic catalogue, each against the
// bare engine doing the same observable work:
//   (a) a keyword search through "CAUTA!" matching about 1 % of titles, against
//       a scan with SQLite's own LIKE;
//   (b) a search listing every act, against the bare walk of all acts;
//   (c) opening a 5 MB act in the viewer, against QTextEdit::setPlainText;
//   (d) the favourites list with 1,000 favourites and (e) the recent list,
//       each against one join query returning the same rows.
//   bench_search [--acts N] [--rounds R]
// The catalogue is generated once into /tmp and reused by later runs; the
// user tables are refilled on every run.

#include "BenchSupport.h"
#include "SyntheticCatalogue.h"

#include "store/modDB.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTextEdit>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

void report(const char* what, double mine, double bare, double target)
{
    std::printf("%-34s %9.2f ms   bare %9.2f ms   ratio %5.2f (target <= %.1f)\n", what, mine, bare, mine / bare,
                target);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int acts = bench::intOption(args, "--acts", 200000);
    const int rounds = bench::intOption(args, "--rounds", 5);

    const QString programDir = QDir::tempPath() + QStringLiteral("/tarvenor_bench_search_%1").arg(acts);
    const std::string dbPath = QString(programDir + QStringLiteral("/db/database.sqlite")).toStdString();
    const int bigActId = acts + 1;
    if (!QFile::exists(QString::fromStdString(dbPath))) {
        QDir().mkpath(programDir + QStringLiteral("/db"));
        std::printf("generating %d acts into %s ...\n", acts, dbPath.c_str());
        std::fflush(stdout);
        synthetic::Options options;
        options.acts = acts;
        synthetic::makeCatalogue(dbPath, TARVENOR_SCHEMA_PATH, options);
    }

    sqlite3* db = nullptr;
    sqlite3_open_v2(dbPath.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    // One act of 5 MB for the viewer, and fresh user tables.
    synthetic::exec(db, "DELETE FROM Acte WHERE ID = " + std::to_string(bigActId));
    const std::string big = synthetic::addBigAct(db, bigActId, "Codul de test, republicat");
    synthetic::exec(db, "DELETE FROM legi_favorite; DELETE FROM ultimele_legi; BEGIN");
    synthetic::Rng rng(7);
    for (int i = 0; i < 1000; ++i)
        synthetic::exec(db, "INSERT INTO legi_favorite (id_acte) VALUES (" + std::to_string(1 + rng.below(acts)) + ")");
    for (int i = 0; i < 5000; ++i)
        synthetic::exec(db, "INSERT INTO ultimele_legi (id_acte) VALUES (" + std::to_string(1 + rng.below(acts)) + ")");
    synthetic::exec(db, "COMMIT");

    const char* keyword = "ordinul nr. 3";
    const std::string likeSql = std::string("select ID, Titlu, TipAct from Acte where Titlu like '%") + keyword + "%'";
    bench::bareRows(db, "select ID, Titlu, TipAct from Acte"); // warm the page cache for both contenders

    bench::QuietDialogs dialogs;
    Form1 form(programDir, nullptr, &dialogs);
    Controls& u = form.controls();
    std::printf("acts listed at start: %d\n", u.List1->Count());

    // (a) keyword search.
    long long matches = 0;
    const double bareLike = bench::medianMs(rounds, [&] { matches = bench::bareRows(db, likeSql.c_str()); });
    u.cuvcheie->setText(QString::fromUtf8(keyword));
    const double searchKeyword = bench::medianMs(rounds, [&] { form.Label1_Click(); });
    std::printf("keyword \"%s\": %d rows (%.2f %% of titles), bare %lld\n", keyword, u.List1->Count(),
                100.0 * u.List1->Count() / (acts + 1), matches);
    report("(a) keyword search, Label1_Click", searchKeyword, bareLike, 2.0);

    // (b) every act.
    long long all = 0;
    const double bareAll =
        bench::medianMs(rounds, [&] { all = bench::bareRows(db, "select ID, Titlu, TipAct from Acte"); });
    u.cuvcheie->clear();
    const double searchAll = bench::medianMs(rounds, [&] { form.Label1_Click(); });
    std::printf("all acts: %d rows, bare %lld\n", u.List1->Count(), all);
    {
        // Where the time of (b) goes: emptying the list, and the store's own walk.
        const double clear = bench::timeMs([&] { u.List1->Clear(); });
        const double storeWalk = bench::medianMs(rounds, [&] {
            form.db().RunSql(QStringLiteral("select * from Acte "), true);
            Recordset& rs = form.db().CurrentRs();
            std::vector<QString> cells;
            cells.reserve(size_t(acts) * 3 + 3);
            const QString id = QStringLiteral("id"), title = QStringLiteral("titlu"), type = QStringLiteral("tipact");
            while (!rs.Eof()) {
                cells.push_back(rs.Text(id));
                cells.push_back(rs.Text(title));
                cells.push_back(rs.Text(type));
                rs.MoveNext();
            }
        });
        std::printf("    of which: emptying 200,000 rows %.1f ms; store walk of select * %.1f ms\n", clear, storeWalk);
    }
    report("(b) search listing every act", searchAll, bareAll, 2.0);

    // (c) the 5 MB act in the viewer.
    u.cuvcheie->setText(QStringLiteral("zzunic"));
    form.Label1_Click();
    u.List1->selectRow(0);
    const QString bigText = QString::fromStdString(big);
    QTextEdit bare;
    bare.resize(u.textlege->size());
    const double bareView = bench::medianMs(rounds, [&] {
        bare.clear();
        bare.setPlainText(bigText);
    });
    const double openView = bench::medianMs(rounds, [&] {
        form.Inapoi_Click();
        u.textlege->clear();
        form.List1_DblClick();
    });
    std::printf("viewer text: %lld characters\n", static_cast<long long>(u.textlege->toPlainText().size()));
    report("(c) open a 5 MB act, List1_DblClick", openView, bareView, 1.5);

    // (d) 1,000 favourites.
    const int small = std::max(rounds, 21);
    long long favRows = 0;
    const double bareFav = bench::medianMs(small, [&] {
        favRows = bench::bareRows(db, "select f.id, a.ID, a.Titlu, a.TipAct from legi_favorite f join Acte a on a.ID = "
                                      "f.id_acte order by f.id");
    });
    form.LegiFav_Click();
    const long long callsBefore = form.db().callCount();
    const double fav = bench::medianMs(small, [&] { form.LoadFavourites(); });
    std::printf("favourites: %d rows, bare %lld, %lld queries per listing\n", u.List1->Count(), favRows,
                (form.db().callCount() - callsBefore) / small);
    report("(d) LoadFavourites, 1,000 favourites", fav, bareFav, 5.0);

    // (e) the ten most recent of 5,000 openings.
    long long recentRows = 0;
    const double bareRecent = bench::medianMs(small, [&] {
        recentRows =
            bench::bareRows(db, "select a.ID, a.Titlu, a.TipAct from (select id, id_acte from ultimele_legi order "
                                "by id desc limit 10) u join Acte a on a.ID = u.id_acte order by u.id desc");
    });
    form.LegiCons_Click();
    const double recent = bench::medianMs(small, [&] { form.LoadRecentActs(); });
    std::printf("recent: %d rows, bare %lld\n", u.List1->Count(), recentRows);
    report("(e) LoadRecentActs, 5,000 openings", recent, bareRecent, 5.0);

    sqlite3_close(db);
    std::printf("messages shown: %d\n", dialogs.messages);
    return 0;
}
