// A damaged, missing, locked or read-only database: every call fails at once
// with a Romanian message that names the trouble, nothing is created beside
// the program, and the next call after the trouble is gone works on the same
// modDB.
#include "store/modDB.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>

#include <grp.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

using testsupport::TempProgram;

namespace {

constexpr qint64 kBoundMs = 6000; // the busy timeout and then some

const QString kInsert = QStringLiteral("insert into legi_favorite (id_acte) values (7)");
const QString kQuery = QStringLiteral("Select ID, Titlu, TipAct from Acte");

// Runs the call and returns the message it failed with, or an empty text.
// Reading walks the whole result, since a damaged page may lie further on.
QString failure(modDB& db, const QString& sql, bool isQuery, qint64* elapsedMs = nullptr)
{
    QElapsedTimer t;
    t.start();
    QString message;
    try {
        db.RunSql(sql, isQuery);
        if (isQuery)
            for (Recordset& rs = db.CurrentRs(); !rs.Eof(); rs.MoveNext())
                rs.Text(QStringLiteral("Titlu"));
    } catch (const StoreError& e) {
        message = e.message();
        if (message.isEmpty())
            message = QStringLiteral("(empty message)");
    }
    if (elapsedMs)
        *elapsedMs = t.elapsed();
    return message;
}

// What the folder holds, less the engine's own companions of an open
// database (-wal, -shm), which come and go; anything else new is ours.
QStringList entries(const QString& dir, bool withCompanions = true)
{
    QStringList names = QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    if (!withCompanions)
        names.removeIf(
            [](const QString& n) { return n.endsWith(QLatin1String("-wal")) || n.endsWith(QLatin1String("-shm")); });
    return names;
}

// The stock shell holding the database's lock until stop().
class LockingShell {
public:
    LockingShell(const QString& dbPath, const QByteArray& script)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), QDir::tempPath()); // no start-up file of the user
        m_shell.setProcessEnvironment(env);
        m_shell.start(QStringLiteral("sqlite3"), {QStringLiteral("-batch"), dbPath});
        m_ok = m_shell.waitForStarted(5000);
        if (m_ok) {
            // The probe in waitForLock() takes the write lock for a moment
            // too; without a wait of its own the shell could meet it, fail
            // and never hold the lock at all.
            m_shell.write(QByteArray(".timeout 10000\n") + script);
            m_shell.waitForBytesWritten(2000);
        }
    }
    ~LockingShell() { stop(); }
    bool started() const { return m_ok; }
    void stop()
    {
        if (m_shell.state() == QProcess::NotRunning)
            return;
        m_shell.write("COMMIT;\n.quit\n");
        m_shell.closeWriteChannel();
        if (!m_shell.waitForFinished(5000))
            m_shell.kill();
        m_shell.waitForFinished(2000);
    }

private:
    QProcess m_shell;
    bool m_ok = false;
};

// Waits until somebody else holds the write lock of the file.
bool waitForLock(const QString& dbPath)
{
    QElapsedTimer t;
    t.start();
    for (; t.elapsed() < 10000; QThread::msleep(50)) {
        sqlite3* h = nullptr;
        sqlite3_open_v2(QFile::encodeName(dbPath).constData(), &h, SQLITE_OPEN_READWRITE, nullptr);
        const int rc = sqlite3_exec(h, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        sqlite3_close(h); // an unfinished transaction is rolled back
        if (rc == SQLITE_BUSY)
            return true;
    }
    return false;
}

} // namespace

class StoreDamageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempProgram> m_good; // a pristine demo database to restore from

    // A program folder whose modDB has already been used: the faults below
    // strike a running program, not only a fresh one.
    struct Running {
        TempProgram program{false};
        std::unique_ptr<modDB> db;
        QString dbDir() const { return QDir(program.dir()).filePath(QStringLiteral("db")); }
    };

    std::unique_ptr<Running> running()
    {
        auto r = std::make_unique<Running>();
        restore(r->program);
        r->db = std::make_unique<modDB>(r->program.dir());
        r->db->RunSql(kInsert, false);
        r->db->RunSql(kQuery, true); // a cursor left on its first row
        return r;
    }

    void restore(const TempProgram& p)
    {
        QDir().mkpath(QFileInfo(p.dbPath()).path());
        QFile::remove(p.dbPath());
        QVERIFY(QFile::copy(m_good->dbPath(), p.dbPath()));
        QFile::setPermissions(p.dbPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    void expectWorks(modDB& db)
    {
        QCOMPARE(failure(db, kInsert, false), QString());
        QCOMPARE(failure(db, kQuery, true), QString());
        db.RunSql(QStringLiteral("select count(*) as n from Acte"), true);
        QCOMPARE(db.CurrentRs().Text(QStringLiteral("n")), QStringLiteral("45"));
    }

private slots:
    void initTestCase()
    {
        m_good = std::make_unique<TempProgram>(true);
        QVERIFY(QFile::exists(m_good->dbPath()));
    }

    void readOnlyFile()
    {
        if (geteuid() == 0)
            QSKIP("file permissions do not bind this user");
        for (bool warm : {true, false}) {
            auto r = running();
            if (!warm)
                r->db = std::make_unique<modDB>(r->program.dir());
            const long long favourites = r->program.count(QStringLiteral("legi_favorite"));
            QFile::setPermissions(r->program.dbPath(), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
            const QStringList before = entries(r->dbDir());
            // Reading still works; a write is refused with a message.
            QCOMPARE(failure(*r->db, kQuery, true), QString());
            const QString m = failure(*r->db, kInsert, false);
            QVERIFY2(m.contains(QStringLiteral("doar citita")), qPrintable(m));
            // Counted through the program: an ordinary second connection on a
            // read-only file would itself leave read-only journal files behind.
            r->db->RunSql(QStringLiteral("select count(*) as n from legi_favorite"), true);
            QCOMPARE(r->db->CurrentRs().Text(QStringLiteral("n")).toLongLong(), favourites);
            // Nothing new beside it (a journal made now would be read-only and
            // would refuse writes later).
            for (const QString& name : entries(r->dbDir()))
                QVERIFY2(before.contains(name), qPrintable(name));
            // Writable again: the very next write lands.
            QFile::setPermissions(r->program.dbPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            QCOMPARE(failure(*r->db, kQuery, true), QString());
            QCOMPARE(failure(*r->db, kInsert, false), QString());
            QCOMPARE(r->program.count(QStringLiteral("legi_favorite")), favourites + 1);
        }
    }

    void readOnlyFolder()
    {
        if (geteuid() == 0)
            QSKIP("folder permissions do not bind this user");
        for (bool warm : {true, false}) {
            auto r = running();
            // The engine's companions are gone too, as after the program ended.
            r->db.reset();
            QFile::remove(r->program.dbPath() + QStringLiteral("-wal"));
            QFile::remove(r->program.dbPath() + QStringLiteral("-shm"));
            r->db = std::make_unique<modDB>(r->program.dir());
            if (warm)
                r->db->RunSql(kQuery, true);
            QFile::setPermissions(r->dbDir(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            const QStringList before = entries(r->dbDir());
            QString m;
            for (bool isQuery : {false, true}) {
                m = failure(*r->db, isQuery ? kQuery : kInsert, isQuery);
                if (!m.isEmpty())
                    QVERIFY2(m.contains(QStringLiteral("folderul")), qPrintable(m));
            }
            // A program already running keeps its open file; a fresh start is told.
            if (!warm)
                QVERIFY(!m.isEmpty());
            QCOMPARE(entries(r->dbDir()), before);
            QFile::setPermissions(r->dbDir(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            expectWorks(*r->db);
        }
    }

    void lockedByAnotherProgram_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<bool>("readsBlocked");
        QTest::newRow("write transaction") << QByteArray("BEGIN IMMEDIATE;\n") << false;
        QTest::newRow("exclusive") << QByteArray("PRAGMA locking_mode=EXCLUSIVE;\nBEGIN EXCLUSIVE;\n") << true;
    }

    void lockedByAnotherProgram()
    {
        QFETCH(QByteArray, script);
        QFETCH(bool, readsBlocked);
        auto r = running();
        const long long favourites = r->program.count(QStringLiteral("legi_favorite"));
        // An exclusive lock can only be had while no one else has the file
        // open: the program meets it when it starts.
        if (readsBlocked)
            r->db.reset();
        LockingShell shell(r->program.dbPath(), script);
        if (!shell.started())
            QSKIP("the sqlite3 shell is not installed");
        QVERIFY(waitForLock(r->program.dbPath()));
        if (readsBlocked)
            r->db = std::make_unique<modDB>(r->program.dir());
        const QStringList before = entries(r->dbDir());

        qint64 ms = 0;
        QString m = failure(*r->db, kInsert, false, &ms);
        QVERIFY2(m.contains(QStringLiteral("blocata")), qPrintable(m));
        QVERIFY2(ms < kBoundMs, qPrintable(QString::number(ms)));
        m = failure(*r->db, kQuery, true, &ms);
        QVERIFY2(ms < kBoundMs, qPrintable(QString::number(ms)));
        if (readsBlocked)
            QVERIFY2(m.contains(QStringLiteral("blocata")), qPrintable(m));
        else
            QCOMPARE(m, QString()); // readers never wait for a writer
        QCOMPARE(entries(r->dbDir()), before);

        shell.stop();
        expectWorks(*r->db);
        QCOMPARE(r->program.count(QStringLiteral("legi_favorite")), favourites + 1);
    }

    void damaged_data()
    {
        QTest::addColumn<int>("keepBytes"); // -1 garbage in place, -2 half, -3 no file, -4 no folder
        QTest::addColumn<QStringList>("told");
        const QStringList broken{QStringLiteral("deteriorat")};
        QTest::newRow("missing file") << -3
                                      << QStringList{QStringLiteral("lipseste"), QStringLiteral("database.sqlite")};
        QTest::newRow("missing folder") << -4 << QStringList{QStringLiteral("folderul"), QStringLiteral("lipseste")};
        QTest::newRow("empty file") << 0 << broken;
        QTest::newRow("header only") << 100 << broken;
        QTest::newRow("first page") << 4096 << broken;
        QTest::newRow("half") << -2 << broken;
        QTest::newRow("garbage in place") << -1 << broken;
    }

    void damaged()
    {
        QFETCH(int, keepBytes);
        QFETCH(QStringList, told);
        auto r = running();
        // The program's journal is folded in first, as after a normal exit.
        r->db.reset();
        r->db = std::make_unique<modDB>(r->program.dir());
        r->db->RunSql(kQuery, true);
        {
            sqlite3* h = nullptr;
            sqlite3_open(QFile::encodeName(r->program.dbPath()).constData(), &h);
            sqlite3_wal_checkpoint_v2(h, nullptr, SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr);
            sqlite3_close(h);
        }
        QFile f(r->program.dbPath());
        const qint64 size = f.size();
        if (keepBytes == -4) {
            QVERIFY(QDir(r->dbDir()).removeRecursively());
        } else if (keepBytes == -3) {
            for (const char* end : {"", "-wal", "-shm"})
                QFile::remove(r->program.dbPath() + QLatin1String(end));
        } else if (keepBytes == -1) {
            QVERIFY(f.open(QIODevice::ReadWrite));
            QByteArray junk(int(size), '\0');
            QRandomGenerator rng(2007);
            for (char& c : junk)
                c = char(rng.bounded(256));
            f.write(junk);
            f.close();
        } else {
            QVERIFY(f.resize(keepBytes == -2 ? size / 2 + 123 : keepBytes));
        }
        const QStringList before = entries(r->program.dir()) + entries(r->dbDir(), false);

        for (bool isQuery : {true, false}) {
            qint64 ms = 0;
            const QString m = failure(*r->db, isQuery ? kQuery : kInsert, isQuery, &ms);
            for (const QString& word : told)
                QVERIFY2(m.contains(word), qPrintable(m));
            QVERIFY(ms < kBoundMs);
        }
        // Nothing is created: no file, no folder.
        QCOMPARE(entries(r->program.dir()) + entries(r->dbDir(), false), before);
        restore(r->program);
        expectWorks(*r->db);
    }

    void replacedWhileRunningKeepsNewWrites()
    {
        // The user restores an older copy while the program runs: the writes
        // made since on the restored file are kept, and nothing of the old
        // file's journal leaks into it.
        auto r = running();
        r->db->RunSql(QStringLiteral("insert into agenda (data, ora, coment,tipeveniment) values ('01.01.2007', "
                                     "'08:00', 'inainte',1)"),
                      false);
        r->db->RunSql(QStringLiteral("Select * from legi_favorite"), true);
        QFile::remove(r->program.dbPath());
        QVERIFY(QFile::copy(m_good->dbPath(), r->program.dbPath()));
        r->db->RunSql(QStringLiteral("insert into agenda (data, ora, coment,tipeveniment) values ('02.01.2007', "
                                     "'09:00', 'dupa',1)"),
                      false);
        r->db->RunSql(QStringLiteral("Select * from tip_eveniment"), true);
        r->db.reset(); // the program ends
        QCOMPARE(r->program.scalar(QStringLiteral("select group_concat(coment) from agenda")), QStringLiteral("dupa"));
        QCOMPARE(r->program.scalar(QStringLiteral("pragma integrity_check")), QStringLiteral("ok"));
    }
};

// Root reads and writes any file whatever its permissions; the checks of
// read-only files and folders need an ordinary user.
static void becomeOrdinaryUser()
{
    if (geteuid() != 0)
        return;
    const gid_t nogroup = 65534;
    const uid_t nobody = 65534;
    if (setgroups(0, nullptr) != 0 || setgid(nogroup) != 0 || setuid(nobody) != 0)
        return;
    if (access(QFile::encodeName(QDir::tempPath()).constData(), W_OK) != 0)
        qputenv("TMPDIR", "/tmp");
}

int main(int argc, char** argv)
{
    becomeOrdinaryUser();
    QCoreApplication app(argc, argv);
    StoreDamageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_store_damage.moc"
