// RefreshDayViews over a large agenda against the three bare engine queries of
// the same statement texts, rows copied out.
//   bench_day_views [--events N] [--years Y] [--rounds R]

#include "BenchSupport.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const QString kFormat = QStringLiteral("dd.MM.yyyy");
const QDate kFirstDay(2000, 1, 1);

QString dayQuery(const QString& day)
{
    return QStringLiteral("Select a.id, a.ora, a.coment, b.tipeveniment from agenda a, tip_eveniment b "
                          "where a.tipeveniment = b.id and a.data = '") +
           day + QLatin1Char('\'');
}

// Events spread evenly (by a fixed stride) over the days, a few types.
void makeAgenda(const QString& dbPath, int events, int days)
{
    QFile schema(QStringLiteral(TARVENOR_SCHEMA_PATH));
    schema.open(QIODevice::ReadOnly);
    sqlite3* db = nullptr;
    sqlite3_open(dbPath.toUtf8().constData(), &db);
    bench::execOrDie(db, schema.readAll().toStdString());
    bench::execOrDie(db, "insert into tip_eveniment (tipeveniment) values ('Termen instanta'), ('Intalnire client'), "
                         "('Consultatie'), ('Redactare acte'), ('Mediere')");
    bench::execOrDie(db, "begin");
    sqlite3_stmt* ins = nullptr;
    sqlite3_prepare_v2(db, "insert into agenda (data, ora, coment, tipeveniment) values (?, ?, ?, ?)", -1, &ins,
                       nullptr);
    for (int i = 0; i < events; ++i) {
        const QByteArray day = kFirstDay.addDays((i * 7919LL) % days).toString(kFormat).toUtf8();
        const QByteArray hour = QStringLiteral("%1:%2")
                                    .arg(8 + i % 10, 2, 10, QLatin1Char('0'))
                                    .arg((i % 4) * 15, 2, 10, QLatin1Char('0'))
                                    .toUtf8();
        const QByteArray comment =
            QStringLiteral("Dosar %1/%2, termen de judecata, sala %3").arg(i).arg(2000 + i % 10).arg(i % 12).toUtf8();
        sqlite3_bind_text(ins, 1, day.constData(), int(day.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(ins, 2, hour.constData(), int(hour.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(ins, 3, comment.constData(), int(comment.size()), SQLITE_TRANSIENT);
        sqlite3_bind_int(ins, 4, 1 + i % 5);
        sqlite3_step(ins);
        sqlite3_reset(ins);
    }
    sqlite3_finalize(ins);
    bench::execOrDie(db, "commit");
    sqlite3_close(db);
}

// The baseline: the same three texts, prepared and walked by the engine, the
// four values of every row copied out.
double bareMs(sqlite3* db, const std::vector<QDate>& firsts, long long& rows)
{
    QElapsedTimer timer;
    timer.start();
    std::vector<std::string> cells;
    for (const QDate& first : firsts) {
        cells.clear();
        for (int d = 0; d < 3; ++d) {
            const QByteArray sql = dayQuery(first.addDays(d).toString(kFormat)).toUtf8();
            sqlite3_stmt* stmt = nullptr;
            sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &stmt, nullptr);
            while (sqlite3_step(stmt) == SQLITE_ROW) {
                for (int c = 0; c < 4; ++c) {
                    const char* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, c));
                    cells.emplace_back(text ? text : "", size_t(sqlite3_column_bytes(stmt, c)));
                }
            }
            sqlite3_finalize(stmt);
        }
        rows += static_cast<long long>(cells.size()) / 4;
    }
    return double(timer.nsecsElapsed()) / 1e6;
}

double refreshMs(Form1& form, const std::vector<QDate>& firsts, long long& rows)
{
    Controls& u = form.controls();
    QElapsedTimer timer;
    timer.start();
    for (const QDate& first : firsts) {
        u.Text1->setText(first.toString(kFormat));
        u.Text2->setText(first.addDays(1).toString(kFormat));
        u.Text3->setText(first.addDays(2).toString(kFormat));
        form.RefreshDayViews();
        rows += u.View1->Count() + u.View2->Count() + u.View3->Count();
    }
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int events = bench::intOption(args, "--events", 100000, 0);
    const int years = bench::intOption(args, "--years", 10);
    const int rounds = bench::intOption(args, "--rounds", 5);
    const int days = int(kFirstDay.daysTo(kFirstDay.addYears(years)));

    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("db"));
    const QString dbPath = dir.path() + QStringLiteral("/db/database.sqlite");
    makeAgenda(dbPath, events, days);

    // 500 three-day windows spread over the whole span.
    std::vector<QDate> firsts;
    for (int i = 0; i < 500; ++i)
        firsts.push_back(kFirstDay.addDays((i * 7LL) % (days - 2)));

    Form1 form(dir.path());
    form.setShortDateFormat(kFormat);
    sqlite3* bare = nullptr;
    sqlite3_open_v2(dbPath.toUtf8().constData(), &bare, SQLITE_OPEN_READONLY, nullptr);

    long long bareRows = 0, formRows = 0;
    bareMs(bare, firsts, bareRows); // warm both
    refreshMs(form, firsts, formRows);
    std::vector<double> b, r;
    for (int i = 0; i < rounds; ++i) {
        bareRows = formRows = 0;
        b.push_back(bareMs(bare, firsts, bareRows));
        r.push_back(refreshMs(form, firsts, formRows));
    }
    sqlite3_close(bare);
    const double bm = bench::median(b), rm = bench::median(r);
    std::printf("events: %d over %d days; %zu refreshes, %lld rows each pass (form %lld)\n", events, days,
                firsts.size(), bareRows, formRows);
    std::printf("bare sqlite3, 3 queries:  %8.3f ms per refresh (median of %d)\n", bm / double(firsts.size()), rounds);
    std::printf("RefreshDayViews:          %8.3f ms per refresh (median of %d)\n", rm / double(firsts.size()), rounds);
    std::printf("ratio refresh / bare:     %8.2f (target <= 2)\n", rm / bm);
    return bareRows == formRows ? 0 : 1;
}
