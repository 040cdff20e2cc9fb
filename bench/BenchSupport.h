#pragma once

// Pieces every benchmark uses: a window that asks nothing, command-line
// options, the median of repeated timings, and the bare engine walk of the act list.

#include "shell/Dialogs.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace bench {

// Answers no question and keeps the last message (printed, so a failing run shows why).
class QuietDialogs final : public Dialogs {
public:
    int messages = 0;
    QString last;
    void message(QWidget*, const QString& text) override
    {
        ++messages;
        last = text;
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    bool question(QWidget*, const QString&) override { return false; }
    QString openFile(QWidget*, const QString&, const QString&) override { return {}; }
    QString saveFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
};

// The text after `--name` on the command line, or an empty text.
inline QString option(const QStringList& args, const char* name)
{
    const int at = args.indexOf(QLatin1String(name));
    return at > 0 && at + 1 < args.size() ? args[at + 1] : QString();
}

// A whole-number option, `fallback` when absent or not a number; at least `minimum`.
inline int intOption(const QStringList& args, const char* name, int fallback, int minimum = 1)
{
    bool ok = false;
    const int n = option(args, name).toInt(&ok);
    return std::max(minimum, ok ? n : fallback);
}

inline double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Milliseconds one run of `work` takes, and the median of `rounds` runs.
inline double timeMs(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

inline double medianMs(int rounds, const std::function<void()>& work)
{
    std::vector<double> v;
    for (int r = 0; r < rounds; ++r)
        v.push_back(timeMs(work));
    return median(v);
}

// Runs SQL on a benchmark's own database; a failure ends the run.
inline void execOrDie(sqlite3* db, const std::string& sql)
{
    char* err = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
        std::fprintf(stderr, "sql failed: %s\n", err ? err : "?");
        std::exit(1);
    }
}

// Runs a query and copies every cell out as text, as a list would need it;
// the number of rows.
inline long long bareRows(sqlite3* db, const std::string& sql)
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db));
    std::vector<QString> cells;
    const int columns = sqlite3_column_count(stmt);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            const char* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, c));
            cells.push_back(QString::fromUtf8(text, sqlite3_column_bytes(stmt, c)));
        }
    }
    sqlite3_finalize(stmt);
    return columns ? static_cast<long long>(cells.size()) / columns : 0;
}

// The baseline of the act list: the engine walks "Select ID, Titlu, TipAct
// from Acte" and the three texts are copied out.
inline double bareActWalkMs(const std::string& dbPath, long long& rows)
{
    QElapsedTimer timer;
    timer.start();
    sqlite3* db = nullptr;
    sqlite3_open_v2(dbPath.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "Select ID, Titlu, TipAct from Acte", -1, &stmt, nullptr);
    std::vector<std::string> cells;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        for (int c = 0; c < 3; ++c) {
            const char* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, c));
            cells.emplace_back(text ? text : "", size_t(sqlite3_column_bytes(stmt, c)));
        }
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    rows = static_cast<long long>(cells.size()) / 3;
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace bench
