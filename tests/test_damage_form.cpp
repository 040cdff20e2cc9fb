// A damaged or unavailable database seen through the window: it opens, each
// later action tells the problem in one Romanian message, nothing is created
// in the user's folder, and once the file is back the next action works
// without a restart.

#include "support/TestSupport.h"

#include <QDirIterator>
#include <QtTest>

#include <sqlite3.h>

using namespace testsupport;

namespace {

QStringList filesUnder(const QString& dir)
{
    QStringList out;
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.endsWith(QLatin1String("-wal")) && !path.endsWith(QLatin1String("-shm")))
            out << path;
    }
    out.sort();
    return out;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// Actions that read from the store, one handler each.
struct Action {
    const char* name;
    void (*run)(Form1&);
};

const Action kActions[] = {
    {"search",
     [](Form1& f) {
         f.Cautare_Click();
         f.Label1_Click();
     }},
    {"favourites", [](Form1& f) { f.LegiFav_Click(); }},
    {"recent", [](Form1& f) { f.LegiCons_Click(); }},
    {"agenda", [](Form1& f) { f.Agenda_Click(); }},
    {"add under a day",
     [](Form1& f) {
         f.Label17_Click();
         f.Label13_Click();
     }},
};

// Saves one event through the event panel, picking the first type.
void saveEvent(Form1& f)
{
    f.Agenda_Click();
    f.Label17_Click();
    Controls& u = f.controls();
    if (u.tipev->count() > 0) {
        u.tipev->setCurrentIndex(0);
        f.tipev_Click();
    }
    u.Orra->setText(QStringLiteral("11:00"));
    u.Com->setText(QStringLiteral("Programare"));
    f.Label26_Click();
    f.Label13_Click();
}

bool namesTheProblem(const QString& m)
{
    return m.startsWith(QStringLiteral("Baza de date")) || m.startsWith(QStringLiteral("Fisierul bazei de date"));
}

} // namespace

class TestDamageForm : public QObject {
    Q_OBJECT
private slots:
    void damagedStorage_data()
    {
        QTest::addColumn<QString>("damage");
        for (const char* d : {"missing file", "missing folder", "truncated", "garbage", "locked"})
            QTest::newRow(d) << QString::fromLatin1(d);
    }

    void damagedStorage()
    {
        QFETCH(QString, damage);
        TempProgram program(true);
        program.exec(QStringLiteral("pragma wal_checkpoint(truncate)"));
        const QString db = program.dbPath();
        QFile original(db);
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QByteArray sound = original.readAll();
        original.close();

        sqlite3* locker = nullptr;
        if (damage == QLatin1String("missing file")) {
            QVERIFY(QFile::remove(db));
        } else if (damage == QLatin1String("missing folder")) {
            QVERIFY(QDir(program.dir() + QStringLiteral("/db")).removeRecursively());
        } else if (damage == QLatin1String("truncated")) {
            writeFile(db, sound.left(3000));
        } else if (damage == QLatin1String("garbage")) {
            QByteArray noise(int(sound.size()), '\0');
            for (int i = 0; i < noise.size(); ++i)
                noise[i] = char((i * 7919 + 13) % 251);
            writeFile(db, noise);
        } else {
            // Another program holds the write lock; reading still works.
            QCOMPARE(sqlite3_open(db.toUtf8().constData(), &locker), SQLITE_OK);
            QCOMPARE(sqlite3_exec(locker, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
        }
        const QStringList before = filesUnder(program.dir());

        RecordingDialogs dialogs;
        auto form = std::make_unique<Form1>(program.dir(), nullptr, &dialogs);
        form->setToday(QDate(2007, 3, 14));
        form->setShortDateFormat(QStringLiteral("dd.MM.yyyy"));
        QVERIFY(dialogs.messages.isEmpty()); // start-up skips quietly
        QVERIFY(!form->controls().Frame1->isHidden());
        for (const Action& a : kActions) {
            dialogs.messages.clear();
            a.run(*form);
            if (locker) { // reading goes on while another program writes
                QVERIFY2(dialogs.messages.isEmpty(), qPrintable(QLatin1String(a.name) + QLatin1Char(':') +
                                                                dialogs.messages.join(QLatin1Char('|'))));
                continue;
            }
            QVERIFY2(dialogs.messages.size() == 1, qPrintable(QLatin1String(a.name) + QStringLiteral(": ") +
                                                              dialogs.messages.join(QLatin1Char('|'))));
            QVERIFY2(namesTheProblem(dialogs.messages[0]), qPrintable(dialogs.messages[0]));
        }
        if (locker) {
            // The one action that writes is told that the file is held.
            dialogs.messages.clear();
            saveEvent(*form);
            QCOMPARE(dialogs.messages.size(), 1);
            QVERIFY2(dialogs.messages[0].contains(QStringLiteral("blocata")), qPrintable(dialogs.messages[0]));
        }
        QCOMPARE(filesUnder(program.dir()), before); // nothing made in the user's folder

        // The problem goes away: the next action works in the same window.
        if (locker) {
            sqlite3_exec(locker, "ROLLBACK", nullptr, nullptr, nullptr);
            sqlite3_close(locker);
        } else {
            QDir().mkpath(program.dir() + QStringLiteral("/db"));
            QFile::remove(db);
            writeFile(db, sound);
        }
        dialogs.messages.clear();
        saveEvent(*form);
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.join(QLatin1Char('|'))));
        QCOMPARE(program.scalar(QStringLiteral("select count(*) from agenda where coment = 'Programare'")),
                 QStringLiteral("1"));
        QCOMPARE(program.scalar(QStringLiteral("pragma integrity_check")), QStringLiteral("ok"));
    }
};

QTEST_MAIN(TestDamageForm)
#include "test_damage_form.moc"
