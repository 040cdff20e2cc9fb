// The month calendar over a large agenda: opening it and turning months, each
// against the 50 ms a user notices, and against the bare engine running the
// same month statement.
//   bench_month_calendar [--events N] [--years Y] [--rounds R]

#include "BenchSupport.h"
#include "store/modDB.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

const QString kFormat = QStringLiteral("dd.MM.yyyy");
const QDate kFirstDay(2020, 1, 1);

void makeAgenda(const QString& dbPath, int events, int days)
{
    QFile schema(QStringLiteral(TARVENOR_SCHEMA_PATH));
    schema.open(QIODevice::ReadOnly);
    sqlite3* db = nullptr;
    sqlite3_open(dbPath.toUtf8().constData(), &db);
    bench::execOrDie(db, schema.readAll().toStdString());
    bench::execOrDie(db, "insert into tip_eveniment (tipeveniment) values ('Termen instanta'), ('Intalnire client'), "
                         "('Consultatie')");
    bench::execOrDie(db, "begin");
    sqlite3_stmt* ins = nullptr;
    sqlite3_prepare_v2(db, "insert into agenda (data, ora, coment, tipeveniment) values (?, '10:00', 'Dosar', ?)", -1,
                       &ins, nullptr);
    for (int i = 0; i < events; ++i) {
        const QByteArray day = kFirstDay.addDays((i * 7919LL) % days).toString(kFormat).toUtf8();
        sqlite3_bind_text(ins, 1, day.constData(), int(day.size()), SQLITE_TRANSIENT);
        sqlite3_bind_int(ins, 2, 1 + i % 3);
        sqlite3_step(ins);
        sqlite3_reset(ins);
    }
    sqlite3_finalize(ins);
    bench::execOrDie(db, "commit");
    sqlite3_close(db);
}

// The month statement alone: the 42 day texts of the grid, grouped by day.
double bareMonthMs(sqlite3* db, const QDate& month)
{
    const QDate first = month.addDays(-(month.dayOfWeek() - 1));
    QString list;
    for (int i = 0; i < 42; ++i)
        list +=
            (i ? QStringLiteral(",'") : QStringLiteral("'")) + first.addDays(i).toString(kFormat) + QLatin1Char('\'');
    const QByteArray sql = QStringLiteral("Select a.data, count(*) as n from agenda a, tip_eveniment b where "
                                          "a.tipeveniment = b.id and a.data in (%1) group by a.data")
                               .arg(list)
                               .toUtf8();
    QElapsedTimer t;
    t.start();
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &stmt, nullptr);
    std::vector<std::string> cells;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        cells.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    sqlite3_finalize(stmt);
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int events = bench::intOption(args, "--events", 100000, 0);
    const int years = bench::intOption(args, "--years", 10);
    const int rounds = bench::intOption(args, "--rounds", 60);
    const int days = int(kFirstDay.daysTo(kFirstDay.addYears(years)));

    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("db"));
    const QString dbPath = dir.path() + QStringLiteral("/db/database.sqlite");
    makeAgenda(dbPath, events, days);

    bench::QuietDialogs dialogs;
    Form1 form(dir.path(), nullptr, &dialogs);
    form.setShortDateFormat(kFormat);
    Controls& u = form.controls();
    sqlite3* bare = nullptr;
    sqlite3_open_v2(dbPath.toUtf8().constData(), &bare, SQLITE_OPEN_READONLY, nullptr);

    std::vector<double> open, turn, engine;
    for (int r = 0; r < rounds; ++r) {
        const QDate month = kFirstDay.addMonths((r * 7) % (12 * years - 1));
        form.setToday(month.addDays(14));
        form.Agenda_Click();
        QElapsedTimer t;
        t.start();
        form.vezicalendar_Click();
        open.push_back(double(t.nsecsElapsed()) / 1e6);
        const long long before = form.db().callCount();
        t.restart();
        u.calendar->showNextMonth();
        turn.push_back(double(t.nsecsElapsed()) / 1e6);
        if (form.db().callCount() - before != 1) {
            std::fprintf(stderr, "a month change ran %lld statements\n", form.db().callCount() - before);
            return 1;
        }
        engine.push_back(bareMonthMs(bare, month.addMonths(1)));
        form.calendarinapoi_Click();
    }
    sqlite3_close(bare);
    const double o = bench::median(open), m = bench::median(turn), e = bench::median(engine);
    std::printf("events: %d over %d days; %d rounds\n", events, days, rounds);
    std::printf("open the month calendar: %8.3f ms median (%.2f of the 50 ms limit)\n", o, o / 50.0);
    std::printf("change the month:        %8.3f ms median (%.2f of the 50 ms limit)\n", m, m / 50.0);
    std::printf("bare month statement:    %8.3f ms median; month change / bare = %.2f\n", e, m / e);
    return o <= 50.0 && m <= 50.0 ? 0 : 1;
}
