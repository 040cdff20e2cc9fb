#include "store/UserDatabase.h"

#include "store/DataLocation.h"
#include "store/StoreError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

namespace UserDatabase {
namespace {

const QString kBegin = QStringLiteral("-- >>> each user's own tables");
const QString kEnd = QStringLiteral("-- <<< end of each user's own tables");

StoreError failure(const QString& path, const QString& why)
{
    return StoreError(QStringLiteral("Baza de date a utilizatorului %1 nu poate fi creata: %2")
                          .arg(QDir::toNativeSeparators(path), why));
}

void exec(sqlite3* db, const QByteArray& sql, const QString& path)
{
    char* err = nullptr;
    if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, &err) != SQLITE_OK) {
        const QString why = QString::fromUtf8(err ? err : sqlite3_errmsg(db));
        sqlite3_free(err);
        throw failure(path, why);
    }
}

} // namespace

QString userPart(const QString& schema)
{
    const qsizetype begin = schema.indexOf(kBegin);
    const qsizetype end = schema.indexOf(kEnd);
    if (begin < 0 || end < begin)
        return {};
    return schema.mid(begin, end - begin);
}

void ensure(const QString& path, const QString& schemaPath, const QString& cataloguePath)
{
    if (QFileInfo::exists(path))
        return;
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        throw failure(path, QStringLiteral("folderul nu poate fi creat."));
    // Only the user reads their favourites and agenda.
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    QFile schemaFile(schemaPath);
    if (!schemaFile.open(QIODevice::ReadOnly))
        throw failure(path, QStringLiteral("schema %1 lipseste.").arg(QDir::toNativeSeparators(schemaPath)));
    const QString tables = userPart(QString::fromUtf8(schemaFile.readAll()));
    if (tables.isEmpty())
        throw failure(path, QStringLiteral("schema nu descrie tabelele utilizatorului."));

    const QString temp = path + QStringLiteral(".new");
    QFile::remove(temp);
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(temp).constData(), &db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_URI, nullptr);
    try {
        if (rc != SQLITE_OK)
            throw failure(path, QString::fromUtf8(db ? sqlite3_errmsg(db) : "nu se poate deschide"));
        exec(db, "BEGIN", path);
        exec(db, tables.toUtf8(), path);
        // The demo event types come with the catalogue's own copy of the table.
        exec(db, "ATTACH DATABASE '" + DataLocation::sqliteUri(cataloguePath) + "?mode=ro&immutable=1' AS shipped",
             path);
        exec(db, "INSERT INTO main.tip_eveniment SELECT * FROM shipped.tip_eveniment", path);
        exec(db, "COMMIT", path);
        exec(db, "DETACH DATABASE shipped", path);
        exec(db, "PRAGMA journal_mode = WAL", path);
    } catch (...) {
        sqlite3_close_v2(db);
        QFile::remove(temp);
        throw;
    }
    sqlite3_close_v2(db);
    if (!QFile::rename(temp, path)) {
        QFile::remove(temp);
        throw failure(path, QStringLiteral("fisierul nu poate fi scris."));
    }
}

} // namespace UserDatabase
