// Office mode on a throwaway PostgreSQL server of the test's own: the window's
// statements give the same rows on both engines, two lawyers are kept apart by
// the server (through the program and through raw SQL), the catalogue is
// read-only but for its administrator, logins are asked once and refusals
// said, and a server restart or a killed client loses nothing acknowledged.
#include "catalogue/UpdatePack.h"
#include "store/OfficeSetup.h"
#include "store/SqlLiteral.h"
#include "store/modDB.h"
#include "support/PgCluster.h"
#include "support/TestSupport.h"

#include <QtTest>

#include <csignal>
#include <cstdio>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

using namespace testsupport;

namespace {

// Run in order on both engines; queries compare the named fields, row by row.
const struct {
    const char* text;
    const char* fields; // empty: a statement
} kStatements[] = {
    {"Select ID, Titlu, TipAct from Acte", "ID titlu TIPACT"},
    {"Select titlu, link from noutati order by id desc", "titlu link"},
    {"select * from Acte where Tipact = 'LEGE' and nract =  '53' and DataAparitie = '24-01-2003' and "
     "Monitoruloficial = '72' and An like '2003' and Emitent = 'Parlamentul' and Titlu like '*MUNC*' ",
     "id continut nract"},
    {"select ID from Acte where Titlu like '*ÎNFIINȚAREA*' or Titlu like '*CÔTE D''IVOIRE*'", "id"},
    {"select ID from Acte where Titlu like 'Legea nr. 5#/2003*' or Titlu like '[k-m]EGEA NR. 5[!0-2]*'", "id"},
    {"Select Continut from Acte where id = 1", "continut"},
    {"Select ID, Titlu, Continut from Acte where ID  = 40", "id titlu continut"},
    {"insert into ultimele_legi (id_acte) values (1)", ""},
    {"insert into legi_favorite (id_acte) values (1)", ""},
    {"delete * from legi_favorite where id = 1", ""},
    {"insert into legi_favorite (id_acte) values (7)", ""},
    {"Select * from legi_favorite", "id id_acte"},
    {"Select id_acte from ultimele_legi order by id desc limit 10", "id_acte"},
    {"insert into agenda (data, ora, coment,tipeveniment) values ('14.03.2007', '10:00', 'Termen d''urgenta',1)", ""},
    {"update agenda set data = '15.03.2007' , ora='11:00' , coment= 'Mutat' ,tipeveniment = 2 where id = 1", ""},
    {"Select a.id, a.ora, a.coment, b.tipeveniment from agenda a, tip_eveniment b where a.tipeveniment = b.id and "
     "a.data = '15.03.2007'",
     "id ora coment tipeveniment"},
    {"insert into tip_eveniment (tipeveniment) values ('Expertiza')", ""},
    {"Select id from tip_eveniment where tipeveniment= 'EXPERTIZA'", "id"},
};

QStringList walk(modDB& db, const QString& fields)
{
    QStringList rows;
    for (Recordset& rs = db.CurrentRs(); !rs.Eof(); rs.MoveNext()) {
        QStringList row;
        for (const QString& f : fields.split(QLatin1Char(' ')))
            row << rs.Text(f);
        rows << row.join(QLatin1Char('|'));
    }
    rows.sort();
    return rows;
}

QString eventComment(long long n)
{
    return QStringLiteral("Eveniment %1 d'urgenta ").arg(n) + QString(int(n * 37 % 3000), QChar(u'ș')) +
           QStringLiteral(" sfarsit");
}

} // namespace

class OfficeTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PgCluster> m_pg;
    std::unique_ptr<TempProgram> m_demo; // the embedded catalogue loaded into the office

    QString as(const QString& user) const
    {
        return m_pg->conninfo(QStringLiteral("tarvenor"), user) + QStringLiteral(" password=pw-") + user;
    }
    // A window on the office as `user`; only ana and sef have a ~/.pgpass line.
    std::unique_ptr<FormFixture> window(const QString& user, std::deque<std::pair<QString, QString>> logins = {})
    {
        auto f = std::make_unique<FormFixture>();
        QFile conf(f->program.dir() + QStringLiteral("/db/office.conf"));
        if (!conf.open(QIODevice::WriteOnly) ||
            conf.write(m_pg->conninfo(QStringLiteral("tarvenor"), user).toUtf8() + "\n") < 0)
            qFatal("cannot write office.conf");
        conf.close();
        f->dialogs.logins = std::move(logins);
        f->restart();
        return f;
    }
    QString super(const QString& sql) const
    {
        const auto rows = m_pg->query(m_pg->superConninfo(QStringLiteral("tarvenor")), sql);
        return rows.empty() ? QString() : rows.front();
    }

private slots:
    void initTestCase()
    {
        m_pg = std::make_unique<PgCluster>();
        if (!m_pg->failure().isEmpty())
            QSKIP(qPrintable(m_pg->failure()));
        m_demo = std::make_unique<TempProgram>(true);
        QFile schema(QStringLiteral(TARVENOR_SOURCE_DIR "/db/office-schema.sql"));
        QVERIFY(schema.open(QIODevice::ReadOnly));
        OfficeSetup::createDatabase(m_pg->superConninfo(QStringLiteral("postgres")), QStringLiteral("tarvenor"));
        const QString db = m_pg->superConninfo(QStringLiteral("tarvenor"));
        OfficeSetup::applySchema(db, QString::fromUtf8(schema.readAll()));
        QCOMPARE(OfficeSetup::loadCatalogue(db, m_demo->dbPath()), m_demo->count(QStringLiteral("Acte")));
        for (const char* user : {"ana", "ion", "sef"})
            OfficeSetup::addUser(db, QLatin1String(user), user[0] == 's', QStringLiteral("pw-") + QLatin1String(user));
        QFile pass(m_pg->passFile());
        QVERIFY(pass.open(QIODevice::WriteOnly));
        pass.write("*:*:*:ana:pw-ana\n*:*:*:sef:pw-sef\n");
        pass.close();
        pass.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }

    void statementsGiveTheSameRowsOnBothEngines()
    {
        TempProgram embedded(true);
        auto office = window(QStringLiteral("ana"));
        modDB lite(embedded.dir());
        modDB& pg = office->form().db();
        QVERIFY(pg.isOffice() && !lite.isOffice());
        for (const auto& s : kStatements) {
            const QString text = QString::fromUtf8(s.text), fields = QLatin1String(s.fields);
            lite.RunSql(text, !fields.isEmpty());
            pg.RunSql(text, !fields.isEmpty());
            if (fields.isEmpty())
                continue;
            const QStringList want = walk(lite, fields);
            QVERIFY2(!want.isEmpty(), s.text);
            QCOMPARE(walk(pg, fields), want);
        }
        QVERIFY(office->dialogs.messages.isEmpty() && office->dialogs.loginCalls == 0);
    }

    void lawyersSeeOnlyTheirOwnRows()
    {
        // ion has no password anywhere: asked once, by the window.
        auto ion = window(QStringLiteral("ion"), {{QStringLiteral("ion"), QStringLiteral("pw-ion")}});
        Controls& u = ion->ui();
        QCOMPARE(ion->dialogs.loginCalls, 1);
        QVERIFY(u.List1->Count() > 40); // the catalogue is shared
        u.List1->selectRow(2);
        const QString act = u.List1->SubItem(2, 3);
        ion->form().List1_DblClick();
        ion->form().Fav_Click();
        ion->form().LegiFav_Click();
        QCOMPARE(listColumn(*u.List1, 3), QStringList{act});
        ion->form().LegiCons_Click();
        QCOMPARE(listColumn(*u.List1, 3), QStringList{act});
        ion->form().Agenda_Click();
        QCOMPARE(u.View1->Count() + u.View2->Count() + u.View3->Count(), 0);
        QVERIFY(ion->dialogs.messages.isEmpty());

        auto ana = window(QStringLiteral("ana"));
        ana->form().LegiFav_Click();
        QCOMPARE(listColumn(*ana->ui().List1, 3), QStringList{QStringLiteral("7")});
        ana->form().Agenda_Click();
        QCOMPARE(ana->ui().View1->Count() + ana->ui().View2->Count() + ana->ui().View3->Count(), 1);
        QCOMPARE(
            super(QStringLiteral("select string_agg(owner || ':' || id_acte, ',' order by id) from legi_favorite")),
            QStringLiteral("ana:7,ion:") + act);

        // Raw SQL as ion: nothing of ana's to read, change or delete, and no way around.
        const struct {
            const char* sql;
            const char* result; // nullptr: refused by the server
        } raw[] = {
            {"select count(*) from legi_favorite where owner = 'ana'", "0"},
            {"select count(*) from agenda", "0"},
            {"with c as (update agenda set coment = 'x' returning 1) select count(*) from c", "0"},
            {"with c as (delete from agenda returning 1) select count(*) from c", "0"},
            {"with c as (delete from legi_favorite where id_acte = 7 returning 1) select count(*) from c", "0"},
            {"select count(*) from tip_eveniment", "4"},
            {"insert into legi_favorite (id_acte, owner) values (1, 'ana')", nullptr},
            {"update legi_favorite set owner = 'ana'", nullptr},
            {"truncate legi_favorite", nullptr},
            {"alter table agenda disable row level security", nullptr},
            {"set role tarvenor_owner", nullptr},
            {"insert into acte (id, titlu) values (999999, 'x')", nullptr},
            {"delete from noutati", nullptr},
        };
        for (const auto& r : raw) {
            QString error;
            const auto rows = m_pg->query(as(QStringLiteral("ion")), QLatin1String(r.sql), &error);
            QVERIFY2(r.result ? error.isEmpty() && rows == std::vector<QString>{QLatin1String(r.result)}
                              : !error.isEmpty(),
                     r.sql);
        }
        QCOMPARE(super(QStringLiteral("select count(*) || coment from agenda group by coment")),
                 QStringLiteral("1Mutat"));
    }

    void onlyTheAdministratorUpdatesTheCatalogue()
    {
        const QString pack = m_demo->dir() + QStringLiteral("/pachet.sql");
        QFile file(pack);
        QVERIFY(file.open(QIODevice::WriteOnly));
        UpdatePack::Act act{900001,
                            QStringLiteral("Ordinul nr. 1/2007 privind Pachetul nou"),
                            QStringLiteral("2007"),
                            QStringLiteral("15-03-2007"),
                            QStringLiteral("180"),
                            QStringLiteral("parlamentul"),
                            QStringLiteral("ordin"),
                            QStringLiteral("Text nou"),
                            QStringLiteral("1"),
                            0};
        file.write((UpdatePack::actStatement(act) + QStringLiteral(";\n")).toUtf8());
        file.close();
        const QString acts = QStringLiteral("select count(*) from acte");
        const QString before = super(acts);
        auto ion = window(QStringLiteral("ion"), {{QStringLiteral("ion"), QStringLiteral("pw-ion")}});
        ion->form().ImportUpdatePack(pack);
        ion->form().Update_Click();
        QCOMPARE(ion->dialogs.messages, QStringList(2, QStringLiteral("Doar administratorul catalogului poate "
                                                                      "actualiza catalogul.")));
        QCOMPARE(ion->dialogs.openCalls, 0);
        QCOMPARE(super(acts), before);

        auto sef = window(QStringLiteral("sef"));
        sef->form().ImportUpdatePack(pack);
        QVERIFY2(sef->dialogs.messages.value(0).startsWith(QStringLiteral("Actualizare reusita: 1 acte noi")),
                 qPrintable(sef->dialogs.messages.join(QLatin1Char('\n'))));
        ion->form().db().RunSql(QStringLiteral("select ID from Acte where Titlu like '*pachetul NOU*'"), true);
        QCOMPARE(walk(ion->form().db(), QStringLiteral("id")), QStringList{QStringLiteral("900001")});
    }

    void refusedLoginIsSaidAndTheWindowOpens()
    {
        for (const bool cancel : {false, true}) {
            std::deque<std::pair<QString, QString>> answers;
            if (!cancel)
                answers.emplace_back(QStringLiteral("ion"), QStringLiteral("gresita"));
            auto f = window(QStringLiteral("ion"), answers);
            QCOMPARE(f->dialogs.loginCalls, 1);
            QCOMPARE(f->dialogs.messages.size(), 1);
            QVERIFY2(f->dialogs.messages[0].startsWith(QStringLiteral("Serverul bazei de date a refuzat")),
                     qPrintable(f->dialogs.messages[0]));
            QCOMPARE(f->ui().List1->Count(), 0);
            f->form().LegiFav_Click(); // one message per action, and no second question
            QCOMPARE(f->dialogs.messages.size(), 2);
            QCOMPARE(f->dialogs.loginCalls, 1);
        }
    }

    void serverRestartDuringUse()
    {
        auto ion = window(QStringLiteral("ion"), {{QStringLiteral("ion"), QStringLiteral("pw-ion")}});
        RecordingDialogs& d = ion->dialogs;
        // Restarted while the window was idle: the next action just works.
        m_pg->stop();
        QVERIFY(m_pg->start());
        ion->form().LegiFav_Click();
        QCOMPARE(ion->ui().List1->Count(), 1);
        QVERIFY(d.messages.isEmpty());
        // Gone during use: one message per action, nothing half-written, and
        // the first action once it is back works without a new login.
        const QString recent = super(QStringLiteral("select count(*) from ultimele_legi"));
        m_pg->stop();
        ion->ui().List1->selectRow(0);
        ion->form().List1_DblClick();
        ion->form().LegiFav_Click();
        QCOMPARE(d.messages.size(), 2);
        for (const QString& m : d.messages)
            QVERIFY2(m.startsWith(QStringLiteral("Serverul bazei de date nu raspunde: ")), qPrintable(m));
        QVERIFY(m_pg->start());
        ion->form().LegiFav_Click();
        QCOMPARE(ion->ui().List1->Count(), 1);
        QCOMPARE(d.messages.size(), 2);
        QCOMPARE(d.loginCalls, 1);
        QCOMPARE(super(QStringLiteral("select count(*) from ultimele_legi")), recent);
    }

    void killedClientLosesNothingAcknowledged()
    {
        auto ana = window(QStringLiteral("ana"));
        const QString dir = ana->program.dir();
        std::set<long long> acknowledged;
        for (int round = 0; round < 12; ++round) {
            int fds[2];
            QVERIFY(::pipe(fds) == 0);
            const pid_t child = ::fork();
            if (child == 0) {
                ::close(fds[0]);
                modDB db(dir);
                for (long long n = round * 100000LL;; ++n) {
                    try {
                        db.RunSql(QStringLiteral("insert into agenda (data, ora, coment,tipeveniment) values "
                                                 "('01.01.2001', '%1', '%2',1)")
                                      .arg(n % 100000)
                                      .arg(SqlLiteral::text(eventComment(n))),
                                  false);
                    } catch (const StoreError& e) {
                        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
                        _exit(2);
                    }
                    const QByteArray line = QByteArray::number(n) + '\n';
                    if (::write(fds[1], line.constData(), size_t(line.size())) != line.size())
                        _exit(3);
                }
            }
            ::close(fds[1]);
            FILE* acks = ::fdopen(fds[0], "r");
            long long n = 0;
            for (int k = 1 + round % 4; k > 0 && std::fscanf(acks, "%lld", &n) == 1; --k)
                acknowledged.insert(n);
            QThread::usleep(unsigned(round * 300));
            ::kill(child, SIGKILL);
            int status = 0;
            ::waitpid(child, &status, 0);
            QVERIFY2(WIFSIGNALED(status), qPrintable(QString::number(status)));
            while (std::fscanf(acks, "%lld", &n) == 1)
                acknowledged.insert(n);
            std::fclose(acks);
        }
        std::set<long long> stored;
        for (const QString& row : m_pg->query(m_pg->superConninfo(QStringLiteral("tarvenor")),
                                              QStringLiteral("select coment from agenda where data = '01.01.2001'"))) {
            const long long n = row.section(QLatin1Char(' '), 1, 1).toLongLong();
            QCOMPARE(row, eventComment(n));
            stored.insert(n);
        }
        for (long long n : acknowledged)
            QVERIFY2(stored.count(n), qPrintable(QString::number(n)));
        QVERIFY(acknowledged.size() >= 12);
    }

    void cleanupTestCase() { m_pg.reset(); }
};

QTEST_MAIN(OfficeTest)
#include "test_office.moc"
