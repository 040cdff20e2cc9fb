// Office mode on a throwaway PostgreSQL server of the test's own: the window's
// statements give the same rows on both engines, two lawyers are kept apart by
// the server (through the program and through raw SQL), the catalogue is
// read-only but for its administrator, logins are asked once and refusals
// said, and a server restart or a killed client loses nothing acknowledged.
#include "../bench/SyntheticCatalogue.h"
#include "../bench/ThrowawayServer.h"
#include "catalogue/Favourites.h"
#include "catalogue/SearchIndex.h"
#include "catalogue/UpdatePack.h"
#include "store/OfficeSetup.h"
#include "store/SqlLiteral.h"
#include "store/TextEncoding.h"
#include "store/modDB.h"
#include "support/HostileCorpus.h"
#include "support/SignedPacks.h"
#include "support/SocketRelay.h"
#include "support/TestSupport.h"

#include <QtTest>

#include <csignal>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

using namespace testsupport;
using namespace Qt::StringLiterals;

namespace {

// Run in order on both engines; queries compare the named fields (empty: a statement).
const struct {
    const char* text;
    const char* fields;
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
        for (const QString& f : fields.split(u' '))
            row << rs.Text(f);
        rows << row.join(u'|');
    }
    rows.sort();
    return rows;
}

QString eventComment(long long n)
{
    return u"Eveniment %1 d'urgenta "_s.arg(n) + QString(int(n * 37 % 3000), u'ș') + u" sfarsit"_s;
}

// Keywords searched on both engines: 'w' titles only, 't' also the texts;
// upper case: the demo catalogue may well have no such act.
const char* const kSearches = "wMUNCII|wmuncii codul|winsolvenței|wINSOLVENŢEI|wsocietăţile comerciale|wurgenta 195|"
                              "wnr|wo|wŞCOLILE ţara|Wsanatate|WSĂNĂTATE|tmunca|tcontractul individual|tsănătate|"
                              "tşcoala|T\"munc*\" NEAR(a b) -x|WAND|T(codul) OR|W100% _a|W[a-z]* ?# ^.*$|"
                              "Td'urgenta \\ ;--|Ta:b";

// The acts each engine lists for every keyword, the same ones; in the same
// order without the texts, and with them title hits first on both.
void sameActs(modDB& lite, modDB& pg, const QString& criteria, bool mustFind)
{
    auto ids = [&criteria](modDB& db, const QString& keyword, bool inText) {
        db.RunSql(db.isOffice() ? SearchIndex::serverStatement(criteria, keyword, inText)
                                : SearchIndex::statement(criteria, keyword, inText, SearchIndex::present(db)),
                  true);
        QStringList out;
        for (Recordset& rs = db.CurrentRs(); !rs.Eof(); rs.MoveNext())
            out << rs.Text(u"ID"_s);
        return out;
    };
    auto sorted = [](QStringList l) {
        l.sort();
        return l;
    };
    for (const QString& s : QString::fromUtf8(kSearches).split(u'|')) {
        const QString keyword = s.mid(1);
        const bool inText = s[0].toLower() == u't';
        const QStringList inTitles = ids(lite, keyword, false), both = ids(lite, keyword, inText);
        QCOMPARE(ids(pg, keyword, false), inTitles);
        const QStringList pgBoth = ids(pg, keyword, inText);
        QCOMPARE(sorted(pgBoth.mid(0, inTitles.size())), sorted(inTitles));
        QCOMPARE(sorted(pgBoth.mid(inTitles.size())), sorted(both.mid(inTitles.size())));
        QVERIFY2(!mustFind || s[0].isUpper() || !both.isEmpty(), qPrintable(s));
    }
}

using Logins = std::deque<std::pair<QString, QString>>;
const Logins kIon{{u"ion"_s, u"pw-ion"_s}}; // ion has no password anywhere: the window asks

} // namespace

class OfficeTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ThrowawayServer> m_pg;
    std::unique_ptr<TempProgram> m_demo;   // the embedded catalogue loaded into the office
    std::unique_ptr<FormFixture> m_office; // ana's window

    // A window on the office as `user`; only ana and sef have a ~/.pgpass line.
    std::unique_ptr<FormFixture> window(const QString& user, Logins logins = {}, const QString& db = u"tarvenor"_s)
    {
        auto f = std::make_unique<FormFixture>();
        QFile conf(f->program.dir() + u"/db/office.conf"_s);
        if (!conf.open(QIODevice::WriteOnly) || conf.write(m_pg->conninfo(db, user).toUtf8()) < 0)
            qFatal("cannot write office.conf");
        conf.close();
        f->dialogs.logins = std::move(logins);
        f->restart();
        return f;
    }
    // A new office database holding an embedded file's catalogue: the number of acts loaded.
    long long newOffice(const QString& name, const QString& sqlitePath)
    {
        QFile schema(u"" TARVENOR_SOURCE_DIR "/db/office-schema.sql"_s);
        if (!schema.open(QIODevice::ReadOnly))
            qFatal("no office schema");
        OfficeSetup::createDatabase(m_pg->superConninfo(u"postgres"_s), name);
        OfficeSetup::applySchema(m_pg->superConninfo(name), QString::fromUtf8(schema.readAll()));
        return OfficeSetup::loadCatalogue(m_pg->superConninfo(name), sqlitePath);
    }
    QString super(const QString& sql) const { return m_pg->query(m_pg->superConninfo(u"tarvenor"_s), sql).at(0); }

private slots:
    void initTestCase()
    {
        m_pg = std::make_unique<ThrowawayServer>();
        if (!m_pg->failure().isEmpty())
            QSKIP(qPrintable(m_pg->failure()));
        m_demo = std::make_unique<TempProgram>(true);
        QFile pass(m_pg->passFile());
        QVERIFY(pass.open(QIODevice::WriteOnly));
        QCOMPARE(newOffice(u"tarvenor"_s, m_demo->dbPath()), m_demo->count(u"Acte"_s));
        const QString db = m_pg->superConninfo(u"tarvenor"_s);
        for (const QString& user : {u"ana"_s, u"ion"_s, u"sef"_s})
            OfficeSetup::addUser(db, user, user == u"sef"_s, u"pw-"_s + user);
        pass.write("*:*:*:ana:pw-ana\n*:*:*:sef:pw-sef\n");
        pass.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }

    void statementsGiveTheSameRowsOnBothEngines()
    {
        TempProgram embedded(true);
        m_office = window(u"ana"_s);
        modDB lite(embedded.dir());
        modDB& pg = m_office->form().db();
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
        QVERIFY(m_office->dialogs.messages.isEmpty() && m_office->dialogs.loginCalls == 0);
    }

    // On the demo catalogue with acts the administrator just added by SQL, and on a generated one.
    void searchListsTheSameActsOnBothEngines()
    {
        TempProgram embedded(true), generated;
        modDB lite(embedded.dir());
        const char* added = "insert into Acte (ID, Titlu, Continut) values (900101, 'HOTĂRÂREA nr. 7/2007 privind "
                            "ŞCOLILE din ŢARA Bârsei', 'Şcolile şi contractul individual'), (900102, 'Ordinul "
                            "privind școlile și țara', 'Sănătatea în școală')";
        lite.RunSql(QString::fromUtf8(added), false);
        QString error; // by the catalogue administrator, by hand
        m_pg->query(m_pg->conninfo(u"tarvenor"_s, u"sef"_s), QString::fromUtf8(added), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        for (const QString& criteria : {u"select * from Acte "_s, u"select * from Acte where Tipact = 'lege' "_s})
            sameActs(lite, m_office->form().db(), criteria, criteria.size() < 20);
        Controls& u = m_office->ui(); // and through the window
        u.cuvcheie->setText(u"CODUL muncii"_s);
        m_office->form().Label1_Click();
        QCOMPARE(listColumn(*u.List1, 3), (QStringList{u"1"_s, u"20"_s})); // "codului" too

        QFile::remove(generated.dbPath());
        synthetic::makeCatalogue(generated.dbPath().toStdString(), TARVENOR_SCHEMA_PATH, {3000, 0, 7, 0.02});
        QCOMPARE(newOffice(u"sintetic"_s, generated.dbPath()), 3000LL);
        modDB genLite(generated.dir());
        QVERIFY(SearchIndex::build(genLite));
        auto office = window(u"ana"_s, {}, u"sintetic"_s);
        sameActs(genLite, office->form().db(), u"select * from Acte "_s, false);
    }

    void hostileValuesRoundTrip_data() { addHostileRows(); }

    // Stored as the embedded store keeps it, found by `=` and by `like`, and deleted again.
    void hostileValuesRoundTrip()
    {
        QFETCH(QString, value);
        const QString lit = SqlLiteral::text(value);
        modDB db(m_office->program.dir());
        db.RunSql(u"insert into agenda (data, ora, coment,tipeveniment) values ('ostil', '', '%1',1)"_s.arg(lit),
                  false);
        db.RunSql(u"select coment from agenda where data = 'OSTIL' and coment = '%1' and coment like '%2'"_s.arg(
                      lit, SqlLiteral::text(jetLiteralPattern(value))),
                  true);
        QVERIFY(walk(db, u"coment"_s) == QStringList{TextEncoding::storedForm(value)});
        db.RunSql(u"delete * from agenda where data = 'ostil'"_s, false);
        QCOMPARE(super(u"select count(*) from agenda where data = 'ostil'"_s), u"0"_s);
    }

    void lawyersSeeOnlyTheirOwnRows()
    {
        auto ion = window(u"ion"_s, kIon);
        Controls& u = ion->ui();
        QCOMPARE(ion->dialogs.loginCalls, 1);
        QVERIFY(u.List1->Count() > 40); // the catalogue is shared
        u.List1->selectRow(2);
        const QString act = u.List1->SubItem(2, 3);
        ion->form().List1_DblClick();
        ion->form().Fav_Click();
        for (auto list : {&Form1::LegiFav_Click, &Form1::LegiCons_Click}) {
            (ion->form().*list)();
            QCOMPARE(listColumn(*u.List1, 3), QStringList{act});
        }
        ion->form().Agenda_Click();
        QCOMPARE(u.View1->Count() + u.View2->Count() + u.View3->Count(), 0);
        QCOMPARE(ion->dialogs.messages, QStringList{Favourites::addedMessage()});
        auto ana = window(u"ana"_s);
        ana->form().LegiFav_Click();
        QCOMPARE(listColumn(*ana->ui().List1, 3), QStringList{u"7"_s});
        ana->form().Agenda_Click();
        QCOMPARE(ana->ui().View1->Count() + ana->ui().View2->Count() + ana->ui().View3->Count(), 1);
        QCOMPARE(super(u"select string_agg(owner || ':' || id_acte, ',' order by id) from legi_favorite"_s),
                 u"ana:7,ion:"_s + act);

        // Raw SQL as ion: nothing of ana's to read, change or delete, and no way around it.
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
            const auto rows = m_pg->query(m_pg->conninfo(u"tarvenor"_s, u"ion"_s) + u" password=pw-ion"_s,
                                          QLatin1String(r.sql), &error);
            QVERIFY2(r.result ? error.isEmpty() && rows == std::vector<QString>{QLatin1String(r.result)}
                              : !error.isEmpty(),
                     r.sql);
        }
        QCOMPARE(super(u"select count(*) || coment from agenda group by coment"_s), u"1Mutat"_s);
    }

    void onlyTheAdministratorUpdatesTheCatalogue()
    {
        const QString pack = m_demo->dir() + u"/pachet.sql"_s, acts = u"select count(*) from acte"_s;
        QFile file(pack);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            UpdatePack::actStatement({900001, u"Ordinul nr. 1/2007 privind Pachetul nou"_s, u"2007"_s, u"15-03-2007"_s,
                                      u"180"_s, u"parlamentul"_s, u"ordin"_s, u"Text"_s, u"1"_s, 0})
                .toUtf8() +
            ";\n");
        file.close();
        signPack(pack);
        const QString before = super(acts);
        auto ion = window(u"ion"_s, kIon);
        ion->form().ImportUpdatePack(pack);
        ion->form().Update_Click();
        QCOMPARE(ion->dialogs.messages,
                 QStringList(2, u"Doar administratorul catalogului poate actualiza catalogul."_s));
        QCOMPARE(ion->dialogs.openCalls, 0);
        QCOMPARE(super(acts), before);
        auto sef = window(u"sef"_s);
        sef->form().ImportUpdatePack(pack);
        QVERIFY2(sef->dialogs.messages.value(0).startsWith(u"Actualizare reusita: 1 acte noi"_s),
                 qPrintable(sef->dialogs.messages.join(u'\n')));
        ion->form().db().RunSql(u"select ID from Acte where Titlu like '*pachetul NOU*'"_s, true);
        QCOMPARE(walk(ion->form().db(), u"id"_s), QStringList{u"900001"_s});
    }

    void refusedLoginIsSaidAndTheWindowOpens()
    {
        for (const Logins& answers : {Logins{{u"ion"_s, u"gresita"_s}}, Logins{}}) { // wrong, then cancelled
            auto f = window(u"ion"_s, answers);
            QCOMPARE(f->dialogs.messages.size(), 1);
            QVERIFY2(f->dialogs.messages[0].startsWith(u"Serverul bazei de date a refuzat"_s),
                     qPrintable(f->dialogs.messages[0]));
            QCOMPARE(f->ui().List1->Count(), 0);
            f->form().LegiFav_Click(); // one message per action, and no second question
            QCOMPARE(f->dialogs.messages.size(), 2);
            QCOMPARE(f->dialogs.loginCalls, 1);
        }
    }

    void serverRestartDuringUse()
    {
        m_pg->stop(); // away at start: said once, and the first action once it is back works
        auto early = window(u"ana"_s);
        QCOMPARE(early->dialogs.messages.size(), 1);
        QVERIFY(early->dialogs.messages[0].startsWith(u"Serverul bazei de date nu raspunde: "_s));
        QVERIFY(m_pg->start());
        early->form().LegiFav_Click();
        QCOMPARE(listColumn(*early->ui().List1, 3), QStringList{u"7"_s});
        auto ion = window(u"ion"_s, kIon);
        const QStringList& said = ion->dialogs.messages;
        m_pg->stop(); // restarted while the window was idle: the next action just works
        QVERIFY(m_pg->start());
        ion->form().LegiFav_Click();
        QCOMPARE(ion->ui().List1->Count(), 1);
        QVERIFY(said.isEmpty());
        // Gone during use: one message per action, nothing half-written, and
        // the first action once it is back works without a new login.
        const QString recent = super(u"select count(*) from ultimele_legi"_s);
        m_pg->stop();
        ion->ui().List1->selectRow(0);
        ion->form().List1_DblClick();
        ion->form().LegiFav_Click();
        QCOMPARE(said.size(), 2);
        for (const QString& m : said)
            QVERIFY2(m.startsWith(u"Serverul bazei de date nu raspunde: "_s), qPrintable(m));
        QVERIFY(m_pg->start());
        ion->form().LegiFav_Click();
        QCOMPARE(ion->ui().List1->Count(), 1);
        QCOMPARE(said.size() + ion->dialogs.loginCalls, 3);
        QCOMPARE(super(u"select count(*) from ultimele_legi"_s), recent);
    }

    void killedClientLosesNothingAcknowledged()
    {
        auto ana = window(u"ana"_s);
        std::set<long long> acknowledged, stored;
        for (int round = 0; round < 12; ++round) {
            int fds[2];
            QVERIFY(::pipe(fds) == 0);
            const pid_t child = ::fork();
            if (child == 0) { // a workstation adding events, acknowledged once RunSql has returned
                modDB db(ana->program.dir());
                for (long long n = round * 100000LL;; ++n) {
                    try {
                        db.RunSql(u"insert into agenda (data, ora, coment,tipeveniment) values ('01.01.2001', '', "
                                  "'%1',1)"_s.arg(SqlLiteral::text(eventComment(n))),
                                  false);
                    } catch (const StoreError&) {
                        _exit(2);
                    }
                    if (::dprintf(fds[1], "%lld\n", n) < 0)
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
            while (std::fscanf(acks, "%lld", &n) == 1)
                acknowledged.insert(n);
            std::fclose(acks);
            int status = 0;
            QVERIFY(::waitpid(child, &status, 0) == child && WIFSIGNALED(status));
        }
        for (const QString& row : m_pg->query(m_pg->superConninfo(u"tarvenor"_s),
                                              u"select coment from agenda where data = '01.01.2001'"_s)) {
            const long long n = row.section(u' ', 1, 1).toLongLong();
            QCOMPARE(row, eventComment(n)); // whole, never torn
            stored.insert(n);
        }
        QVERIFY(acknowledged.size() >= 12);
        for (long long n : acknowledged)
            QVERIFY2(stored.count(n), qPrintable(QString::number(n)));
    }

    // The connection breaks around a COMMIT: a write whose answer was lost
    // but which landed is acknowledged; one that never reached the server is
    // reported failed; in both, the row is there exactly when acknowledged.
    void brokenCommitIsToldTruly()
    {
        SocketRelay relay(m_pg->socketDir());
        TempProgram program;
        QFile conf(program.dir() + u"/db/office.conf"_s);
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write("host=" + QFile::encodeName(relay.dir()) + " port=5432 dbname=tarvenor user=ana\n");
        conf.close();
        modDB db(program.dir());
        auto insert = [&db](const QString& comment) {
            db.RunSql(u"insert into agenda (data, ora, coment, tipeveniment) values ('02.02.2002', '', '%1', 1)"_s.arg(
                          comment),
                      false);
        };
        auto stored = [this](const QString& comment) {
            return super(u"select count(*) from agenda where coment = '%1'"_s.arg(comment));
        };
        relay.cutNextCommit(SocketRelay::Cut::AfterCommit);
        insert(u"raspuns pierdut"_s);
        QVERIFY(relay.cutDone());
        QCOMPARE(stored(u"raspuns pierdut"_s), u"1"_s);

        relay.cutNextCommit(SocketRelay::Cut::BeforeCommit);
        try {
            insert(u"nesalvat"_s);
            QFAIL("a write cut before its COMMIT was acknowledged");
        } catch (const StoreError& e) {
            QVERIFY2(e.message().startsWith(u"Serverul bazei de date nu raspunde: "_s), qPrintable(e.message()));
            QVERIFY2(e.message().endsWith(u"modificarea nu a fost salvata."_s), qPrintable(e.message()));
        }
        QCOMPARE(stored(u"nesalvat"_s), u"0"_s);
        insert(u"dupa"_s); // and the next write just works
        QCOMPARE(stored(u"dupa"_s), u"1"_s);

        // A transaction spoiled by a failed statement is not reported saved.
        modDB::Transaction t(db);
        QVERIFY_THROWS_EXCEPTION(StoreError, db.RunSql(u"insert into agenda (data) values ('03.03.2003')"_s, false));
        QVERIFY_THROWS_EXCEPTION(StoreError, t.commit());
    }
};

QTEST_MAIN(OfficeTest)
#include "test_office.moc"
