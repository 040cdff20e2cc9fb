#include "store/Connection.h"

#include "store/DataLocation.h"
#include "store/JetPattern.h"
#include "store/SqlDialect.h"
#include "store/StoreError.h"
#include "store/TextFold.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr size_t kMaxIdleStatements = 48;
constexpr int kBusyTimeoutMs = 3000;

void jetLike(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (argc != 2 || sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    auto* pattern = static_cast<JetPattern*>(sqlite3_get_auxdata(ctx, 1));
    if (!pattern) {
        const auto* p = static_cast<const char16_t*>(sqlite3_value_text16(argv[1]));
        const int bytes = sqlite3_value_bytes16(argv[1]);
        // Not QString::fromUtf16: it would drop a leading U+FEFF of the pattern.
        pattern = new JetPattern(QStringView(p, bytes / 2).toString());
        sqlite3_set_auxdata(ctx, 1, pattern, [](void* x) { delete static_cast<JetPattern*>(x); });
        pattern = static_cast<JetPattern*>(sqlite3_get_auxdata(ctx, 1));
        if (!pattern) {
            sqlite3_result_error_nomem(ctx);
            return;
        }
    }
    const auto* v = static_cast<const char16_t*>(sqlite3_value_text16(argv[0]));
    const int vbytes = sqlite3_value_bytes16(argv[0]);
    sqlite3_result_int(ctx, pattern->matches(QStringView(v, vbytes / 2)) ? 1 : 0);
}

bool writableNow(const QString& path)
{
    return ::access(QFile::encodeName(path).constData(), W_OK) == 0;
}

QString folderOf(const QString& path)
{
    return QFileInfo(path).absolutePath();
}

// Device and inode of a regular file; empty when there is none.
QString fileIdentity(const QString& path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return {};
    return QString::number(st.st_dev) + QLatin1Char(':') + QString::number(st.st_ino);
}

// Bytes 18 and 19 of the header are 2 for a database in write-ahead mode.
bool writeAheadFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = f.read(20);
    return header.size() == 20 && header.at(18) == 2 && header.at(19) == 2;
}

// How a database that this user cannot change is opened for reading.
QByteArray readOnlyUri(const QString& path)
{
    // Reading the file alone is only right when no journal holds later changes.
    const QFileInfo journal(path + QStringLiteral("-wal"));
    if (journal.exists() && journal.size() > 0)
        throw StoreError(QStringLiteral("Baza de date poate fi doar citita, iar jurnalul ei nu poate fi citit."),
                         SQLITE_READONLY);
    // A write-ahead database would need a shared-memory file beside it, made
    // with the file's own read-only permission or not at all; an immutable
    // open needs none. A rollback-mode file is read with the usual locks,
    // so an administrator's update while the program runs is seen.
    return DataLocation::sqliteUri(path) +
           (writeAheadFile(path) ? QByteArrayLiteral("?immutable=1") : QByteArrayLiteral("?mode=ro"));
}

} // namespace

Connection::Connection(const QString& path, const QString& cataloguePath) : m_path(path), m_catalogue(cataloguePath)
{
    m_identity = identityOf();
    if (m_identity.isEmpty())
        throw StoreError(describeFailure(SQLITE_CANTOPEN, QString()), SQLITE_CANTOPEN);
    m_permissions = permissionsNow();
    // Never create: a missing database is a failure the user must see.
    QByteArray target = QFile::encodeName(path);
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_URI;
    if (!writableNow(path) || !writableNow(folderOf(path))) {
        target = readOnlyUri(path);
        flags = SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX;
    } else if (target.startsWith("file:")) {
        // A plain path that merely looks like a URI stays a path.
        target = DataLocation::sqliteUri(path);
    }
    const int rc = sqlite3_open_v2(target.constData(), &m_db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString msg = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString();
        sqlite3_close_v2(m_db);
        m_db = nullptr;
        throw StoreError(describeFailure(rc, msg), rc);
    }
    sqlite3_extended_result_codes(m_db, 0);
    sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
    // Reading the header here turns a damaged file into an opening failure.
    char* err = nullptr;
    // An empty or cut-off file opens as an empty database: without a single
    // table it is no database of ours, and it must not be written to.
    int tables = 0;
    int prc = sqlite3_exec(
        m_db, "PRAGMA synchronous=FULL; SELECT count(*) FROM sqlite_master;",
        [](void* out, int, char** values, char**) {
            *static_cast<int*>(out) = values[0] ? std::atoi(values[0]) : 0;
            return 0;
        },
        &tables, &err);
    if (prc == SQLITE_OK && tables == 0) {
        prc = SQLITE_NOTADB;
        err = sqlite3_mprintf("%s", "fisierul nu contine nicio tabela");
    }
    if (prc != SQLITE_OK) {
        const QString msg = err ? QString::fromUtf8(err) : QString::fromUtf8(sqlite3_errmsg(m_db));
        sqlite3_free(err);
        sqlite3_close_v2(m_db);
        m_db = nullptr;
        throw StoreError(describeFailure(prc, msg), prc);
    }
    if (!m_catalogue.isEmpty())
        attachCatalogue();
    sqlite3_create_function_v2(m_db, SqlDialect::kJetLikeFunction, 2, SQLITE_UTF16 | SQLITE_DETERMINISTIC, nullptr,
                               jetLike, nullptr, nullptr, nullptr);
    // Folded search: diacritics-insensitive keyword and text matching.
    TextFold::registerSqlFunctions(m_db);
}

Connection::~Connection()
{
    m_idle.clear(); // the cached statements go before the connection they belong to
    sqlite3_close_v2(m_db);
}

void Connection::Finalize::operator()(sqlite3_stmt* stmt) const
{
    sqlite3_finalize(stmt);
}

void Connection::foldJournal()
{
    // Never wait here: another program still using the file folds it itself.
    sqlite3_busy_timeout(m_db, 0);
    sqlite3_wal_checkpoint_v2(m_db, nullptr, SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr);
}

QString Connection::identityOf() const
{
    const QString main = fileIdentity(m_path);
    if (main.isEmpty() || m_catalogue.isEmpty())
        return main;
    const QString catalogue = fileIdentity(m_catalogue);
    return catalogue.isEmpty() ? QString() : main + QLatin1Char('/') + catalogue;
}

int Connection::permissionsNow() const
{
    return (writableNow(m_path) ? 1 : 0) | (writableNow(folderOf(m_path)) ? 2 : 0);
}

void Connection::attachCatalogue()
{
    // The catalogue is only ever read here; the user's tables, in the main
    // file, are reached first by the statements' unqualified names.
    sqlite3_stmt* raw = nullptr;
    int rc = sqlite3_prepare_v2(m_db, "ATTACH DATABASE ?1 AS catalog", -1, &raw, nullptr);
    PreparedStatement attach(raw);
    if (rc == SQLITE_OK) {
        const QByteArray uri = readOnlyUri(m_catalogue);
        sqlite3_bind_text(raw, 1, uri.constData(), int(uri.size()), SQLITE_TRANSIENT);
        rc = sqlite3_step(raw);
    }
    if (rc != SQLITE_OK && rc != SQLITE_DONE) {
        const QString msg = QString::fromUtf8(sqlite3_errmsg(m_db));
        attach.reset();
        sqlite3_close_v2(m_db);
        m_db = nullptr;
        throw StoreError(describeStoreFailure(rc, QStringLiteral("catalogul: ") + msg), rc);
    }
}

bool Connection::stillValid() const
{
    return identityOf() == m_identity && permissionsNow() == m_permissions;
}

QString Connection::describeFailure(int code, const QString& engineMessage) const
{
    const int primary = code & 0xff;
    if (primary == SQLITE_CANTOPEN || primary == SQLITE_READONLY || primary == SQLITE_IOERR || primary == SQLITE_PERM) {
        const QString folder = QDir::toNativeSeparators(folderOf(m_path));
        const QString file = QDir::toNativeSeparators(m_path);
        QString what;
        if (!QFileInfo(folderOf(m_path)).isDir())
            what = QStringLiteral("Baza de date nu poate fi deschisa: folderul %1 lipseste.").arg(folder);
        else if (!QFileInfo::exists(m_path))
            what = QStringLiteral("Baza de date nu poate fi deschisa: fisierul %1 lipseste.").arg(file);
        else if (!writableNow(m_path))
            what = QStringLiteral("Baza de date %1 poate fi doar citita; modificarea nu a fost salvata.").arg(file);
        else if (!writableNow(folderOf(m_path)) || primary == SQLITE_READONLY)
            what = QString::fromLatin1(kReadOnlyMessage);
        if (!what.isEmpty())
            return engineMessage.isEmpty() ? what : what + QStringLiteral(" (") + engineMessage + QStringLiteral(")");
    }
    return describeStoreFailure(code, engineMessage);
}

sqlite3_stmt* Connection::checkout(const QByteArray& sql)
{
    auto it = m_idle.find(sql);
    if (it != m_idle.end() && !it->second.empty()) {
        sqlite3_stmt* s = it->second.back().release();
        it->second.pop_back();
        --m_idleCount;
        return s;
    }
    sqlite3_stmt* raw = nullptr;
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v3(m_db, sql.constData(), int(sql.size()), SQLITE_PREPARE_PERSISTENT, &raw, &tail);
    PreparedStatement stmt(raw); // finalized on every refusal below
    if (rc != SQLITE_OK)
        throw StoreError(describeFailure(rc, QString::fromUtf8(sqlite3_errmsg(m_db))), rc);
    if (!stmt)
        throw StoreError(QStringLiteral("Instructiune goala."));
    if (tail && *tail) {
        // The dialect layer already refuses this; the engine is asked too.
        for (const char* p = tail; *p; ++p) {
            if (!(*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == ';'))
                throw StoreError(QStringLiteral("Instructiune refuzata: textul contine mai multe instructiuni."));
        }
    }
    return stmt.release();
}

void Connection::giveBack(sqlite3_stmt* stmt)
{
    PreparedStatement owned(stmt);
    if (!owned)
        return;
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    if (m_idleCount >= kMaxIdleStatements)
        return;
    m_idle[QByteArray(sqlite3_sql(stmt))].push_back(std::move(owned));
    ++m_idleCount;
}
