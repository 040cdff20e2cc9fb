// A locked, read-only or replaced database: every call that cannot be done
// fails with a Romanian message that names the trouble, nothing is created
// beside the program, and the next call after the trouble is gone works on
// the same modDB. (Damaged and missing files: test_store_form.) Run by root,
// the checks drop to an ordinary user (main, below).
#include "store/modDB.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QtTest>

#include <grp.h>
#include <sqlite3.h>
#include <unistd.h>

namespace {

const QString kInsert = QStringLiteral("insert into legi_favorite (id_acte) values (7)");
const QString kQuery = QStringLiteral("Select ID, Titlu, TipAct from Acte");
QString g_demo; // the demo database, in a folder of whoever runs the checks

// Runs the call and returns the message it failed with, or an empty text.
// Reading walks the whole result, since a damaged page may lie further on.
QString failure(modDB& db, const QString& sql, bool isQuery)
{
    try {
        db.RunSql(sql, isQuery);
        for (Recordset* rs = isQuery ? &db.CurrentRs() : nullptr; rs && !rs->Eof(); rs->MoveNext())
            rs->Text(QStringLiteral("Titlu"));
        return QString();
    } catch (const StoreError& e) {
        return e.message().isEmpty() ? QStringLiteral("(empty message)") : e.message();
    }
}

// One value read beside the program, on a connection of its own.
QString ask(const QString& dbPath, const char* sql)
{
    sqlite3* h = nullptr;
    sqlite3_stmt* st = nullptr;
    sqlite3_open_v2(QFile::encodeName(dbPath).constData(), &h, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_prepare_v2(h, sql, -1, &st, nullptr);
    const QString value = sqlite3_step(st) == SQLITE_ROW
                              ? QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)))
                              : QStringLiteral("(no row)");
    sqlite3_finalize(st);
    sqlite3_close(h);
    return value;
}

// What the folder holds.
QStringList entries(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

// A program folder with a copy of the demo database whose modDB has already
// been used: the faults strike a running program, not only a fresh one.
struct Running {
    QTemporaryDir dir;
    std::unique_ptr<modDB> db;
    Running()
    {
        restore();
        db = std::make_unique<modDB>(dir.path());
        db->RunSql(kInsert, false);
        db->RunSql(kQuery, true); // a cursor left on its first row
    }
    QString dbDir() const { return dir.filePath(QStringLiteral("db")); }
    QString dbPath() const { return dir.filePath(QStringLiteral("db/database.sqlite")); }
    long long favourites() const { return ask(dbPath(), "select count(*) from legi_favorite").toLongLong(); }
    void restore() const
    {
        QDir().mkpath(dbDir());
        QFile::remove(dbPath());
        QFile::copy(g_demo, dbPath());
        QFile::setPermissions(dbPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
};

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

void expectWorks(modDB& db)
{
    QCOMPARE(failure(db, kInsert, false), QString());
    QCOMPARE(failure(db, kQuery, true), QString());
}

} // namespace

class StoreDamageTest : public QObject {
    Q_OBJECT

private slots:
    void readOnly()
    {
        if (geteuid() == 0)
            QSKIP("permissions do not bind this user");
        // Folder 555 with the file writable (as after a copy from a share),
        // file 444, and both; each on a running program and on a fresh start.
        enum Target { Folder = 1, File = 2, Both = 3 };
        // (failure() reads each row's Titlu.)
        const QStringList reads = {kQuery, QStringLiteral("select id_acte as Titlu from legi_favorite"),
                                   QStringLiteral("select id_acte as Titlu from ultimele_legi"),
                                   QStringLiteral("select ora as Titlu from agenda"),
                                   QStringLiteral("select tipeveniment as Titlu from tip_eveniment")};
        for (Target target : {Folder, File, Both}) {
            for (bool warm : {true, false}) {
                const QByteArray label = QByteArray::number(target) + (warm ? " warm" : " cold");
                Running r;
                const long long favourites = r.favourites();
                if (!warm) {
                    // The engine's companions are gone too, as after the program ended.
                    r.db.reset();
                    QFile::remove(r.dbPath() + QStringLiteral("-wal"));
                    QFile::remove(r.dbPath() + QStringLiteral("-shm"));
                    r.db = std::make_unique<modDB>(r.dir.path());
                }
                const QFileDevice::Permissions ro = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
                if (target & File)
                    QFile::setPermissions(r.dbPath(), QFileDevice::ReadOwner);
                if (target & Folder)
                    QFile::setPermissions(r.dbDir(), ro);
                // Everything stored is still listed.
                for (const QString& sql : reads)
                    QVERIFY2(failure(*r.db, sql, true).isEmpty(), QByteArray(label + ' ' + sql.toUtf8()).constData());
                const QByteArray bytes = fileBytes(r.dbPath());
                const QStringList before = entries(r.dbDir());
                // Each write is refused with the message and lands nowhere.
                for (const char* write : {"insert into legi_favorite (id_acte) values (8)", "delete * from agenda",
                                          "update Acte set Titlu = 'x'"}) {
                    const QString m = failure(*r.db, QString::fromLatin1(write), false);
                    QVERIFY2(m.contains(QStringLiteral("poate fi doar citita")) &&
                                 m.contains(QStringLiteral("modificarea nu a fost salvata")),
                             QByteArray(label + ' ' + m.toUtf8()).constData());
                }
                QVERIFY2(fileBytes(r.dbPath()) == bytes, label.constData());
                QCOMPARE(entries(r.dbDir()), before);
                // Writable again: the very next write lands.
                QFile::setPermissions(r.dbDir(), ro | QFileDevice::WriteOwner);
                QFile::setPermissions(r.dbPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
                expectWorks(*r.db);
                QCOMPARE(r.favourites(), favourites + 1);
            }
        }
    }

    void locked_data()
    {
        QTest::addColumn<QByteArray>("sql");
        QTest::addColumn<bool>("readsBlocked");
        QTest::newRow("write transaction") << QByteArray("BEGIN IMMEDIATE") << false;
        QTest::newRow("exclusive") << QByteArray("PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE") << true;
    }

    void locked()
    {
        QFETCH(QByteArray, sql);
        QFETCH(bool, readsBlocked);
        Running r;
        const long long favourites = r.favourites();
        // An exclusive lock can only be had while no one else has the file
        // open: the program meets it when it starts.
        if (readsBlocked)
            r.db.reset();
        sqlite3* other = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(r.dbPath()).constData(), &other), SQLITE_OK);
        QCOMPARE(sqlite3_exec(other, sql.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
        if (readsBlocked)
            r.db = std::make_unique<modDB>(r.dir.path());
        const QStringList before = entries(r.dbDir());
        // Each call waits the busy timeout at most, then tells the user.
        QString m = failure(*r.db, kInsert, false);
        QVERIFY2(m.contains(QStringLiteral("blocata")), qPrintable(m));
        m = failure(*r.db, kQuery, true);
        QVERIFY2(readsBlocked ? m.contains(QStringLiteral("blocata")) : m.isEmpty(), qPrintable(m));
        QCOMPARE(entries(r.dbDir()), before);

        sqlite3_close(other); // its transaction is rolled back
        expectWorks(*r.db);
        QCOMPARE(r.favourites(), favourites + 1);
    }

    void replacedWhileRunningKeepsNewWrites()
    {
        // The user restores an older copy while the program runs: the writes
        // made since on the restored file are kept, and nothing of the old
        // file's journal leaks into it.
        Running r;
        const QString add = QStringLiteral(
            "insert into agenda (data, ora, coment,tipeveniment) values ('01.01.2007', '08:00', '%1',1)");
        r.db->RunSql(add.arg(QLatin1String("inainte")), false);
        r.db->RunSql(QStringLiteral("Select * from legi_favorite"), true);
        r.restore();
        r.db->RunSql(add.arg(QLatin1String("dupa")), false);
        r.db->RunSql(QStringLiteral("Select * from tip_eveniment"), true);
        r.db.reset(); // the program ends
        QCOMPARE(ask(r.dbPath(), "select group_concat(coment) from agenda"), QStringLiteral("dupa"));
        QCOMPARE(ask(r.dbPath(), "pragma integrity_check"), QStringLiteral("ok"));
    }
};

int main(int argc, char** argv)
{
    // Permissions do not bind root: the checks drop to an ordinary user, who
    // may not reach the checkout or the build. So the demo database is made
    // first, in a folder handed to that user; nothing else is read or started.
    const bool root = geteuid() == 0;
    if (root)
        qputenv("TMPDIR", "/tmp");
    QTemporaryDir demoDir;
    g_demo = demoDir.filePath(QStringLiteral("database.sqlite"));
    if (!QFile::copy(testsupport::TempProgram(true).dbPath(), g_demo))
        qFatal("cannot make the demo database");
    const uid_t nobody = 65534;
    const gid_t nogroup = 65534;
    if (root && (::chown(QFile::encodeName(demoDir.path()).constData(), nobody, nogroup) != 0 ||
                 ::chown(QFile::encodeName(g_demo).constData(), nobody, nogroup) != 0 || setgroups(0, nullptr) != 0 ||
                 setgid(nogroup) != 0 || setuid(nobody) != 0))
        qWarning("still root: the read-only checks are skipped");
    QCoreApplication app(argc, argv);
    StoreDamageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_store_damage.moc"
