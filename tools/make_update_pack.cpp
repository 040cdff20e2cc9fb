// Writes a catalogue update pack from a catalogue database, for a publisher
// preparing the monthly update:
//   make_update_pack CATALOGUE.sqlite OUT.sql[.gz] [--acts-above N] [--news-above M] [--name TEXT]
// Without limits every act and news item goes into the pack.

#include "catalogue/UpdatePack.h"

#include <QCoreApplication>
#include <QFile>

#include <sqlite3.h>

#include <cstdio>

namespace {

QString column(sqlite3_stmt* stmt, int i)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
    return text ? QString::fromUtf8(text, sqlite3_column_bytes(stmt, i)) : QString();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QString in, out, name;
    qint64 actsAbove = 0, newsAbove = 0;
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--acts-above") && hasValue)
            actsAbove = args[++i].toLongLong();
        else if (a == QLatin1String("--news-above") && hasValue)
            newsAbove = args[++i].toLongLong();
        else if (a == QLatin1String("--name") && hasValue)
            name = args[++i];
        else if (in.isEmpty())
            in = a;
        else if (out.isEmpty())
            out = a;
        else {
            std::fprintf(stderr, "unknown argument: %s\n", qPrintable(a));
            return 2;
        }
    }
    if (in.isEmpty() || out.isEmpty()) {
        std::fprintf(stderr, "usage: make_update_pack CATALOGUE.sqlite OUT.sql[.gz] [--acts-above N] "
                             "[--news-above M] [--name TEXT]\n");
        return 2;
    }
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(in).constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "cannot open %s: %s\n", qPrintable(in), sqlite3_errmsg(db));
        sqlite3_close(db);
        return 1;
    }
    QByteArray pack;
    if (!name.isEmpty())
        pack += "-- " + name.simplified().toUtf8() + "\n";
    int acts = 0, news = 0;
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db,
                       "select ID, Titlu, An, DataAparitie, Monitoruloficial, Emitent, Tipact, Continut, nract "
                       "from Acte where ID > ? order by ID",
                       -1, &stmt, nullptr);
    sqlite3_bind_int64(stmt, 1, actsAbove);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        UpdatePack::Act a;
        a.id = sqlite3_column_int64(stmt, 0);
        a.titlu = column(stmt, 1);
        a.an = column(stmt, 2);
        a.dataAparitie = column(stmt, 3);
        a.monitoruloficial = column(stmt, 4);
        a.emitent = column(stmt, 5);
        a.tipact = column(stmt, 6);
        a.continut = column(stmt, 7);
        a.nract = column(stmt, 8);
        pack += UpdatePack::actStatement(a).toUtf8() + ";\n";
        ++acts;
    }
    sqlite3_finalize(stmt);
    sqlite3_prepare_v2(db, "select id, titlu, link from noutati where id > ? order by id", -1, &stmt, nullptr);
    sqlite3_bind_int64(stmt, 1, newsAbove);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        UpdatePack::News n;
        n.id = sqlite3_column_int64(stmt, 0);
        n.titlu = column(stmt, 1);
        n.link = sqlite3_column_int64(stmt, 2);
        pack += UpdatePack::newsStatement(n).toUtf8() + ";\n";
        ++news;
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    if (!UpdatePack::writeFile(out, pack)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
        return 1;
    }
    std::printf("%d acts and %d news items written to %s (%.1f MB of text)\n", acts, news, qPrintable(out),
                double(pack.size()) / 1e6);
    return 0;
}
