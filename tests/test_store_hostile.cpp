// Hostile user text through the statement texts the window builds: every value
// lands in every user text column and comes back exactly, is found by `=` and
// by `like`, and touches no other row.
#include "store/SqlLiteral.h"
#include "store/TextEncoding.h"
#include "store/modDB.h"
#include "support/HostileCorpus.h"
#include "support/TestSupport.h"

#include <QtTest>

using testsupport::TempProgram;

namespace {

QString lit(const QString& v)
{
    return SqlLiteral::text(v);
}

// Every row of the user's tables and the catalogue, as the file holds them.
std::vector<QStringList> snapshot(const TempProgram& p)
{
    std::vector<QStringList> all;
    for (const char* sql :
         {"select 'agenda', * from agenda order by id", "select 'tip', * from tip_eveniment order by id",
          "select 'fav', * from legi_favorite order by id", "select 'ult', * from ultimele_legi order by id",
          "select 'acte', * from Acte order by ID", "select 'nou', * from noutati order by id"}) {
        const auto rows = p.rows(QString::fromLatin1(sql));
        all.insert(all.end(), rows.begin(), rows.end());
    }
    return all;
}

void seedUserRows(modDB& db)
{
    db.RunSql(QStringLiteral("insert into tip_eveniment (tipeveniment) values ('Termen ''vechi''')"), false);
    db.RunSql(QStringLiteral("insert into agenda (data, ora, coment,tipeveniment) values ('14.03.2007', '09:00', "
                             "'Dosar 1/2007',1)"),
              false);
    db.RunSql(QStringLiteral("insert into agenda (data, ora, coment,tipeveniment) values ('15.03.2007', '10:00', "
                             "'Client nou',1)"),
              false);
    db.RunSql(QStringLiteral("insert into legi_favorite (id_acte) values (3)"), false);
    db.RunSql(QStringLiteral("insert into ultimele_legi (id_acte) values (4)"), false);
}

QString shortName(const QString& s)
{
    return s.size() > 60 ? s.left(60) + QStringLiteral("...(%1 chars)").arg(s.size()) : s;
}

} // namespace

class StoreHostileTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempProgram> m_template;

    // A program folder holding a copy of the demo database (quicker than
    // loading the demo catalogue for every row).
    std::unique_ptr<TempProgram> freshProgram()
    {
        auto p = std::make_unique<TempProgram>(false);
        QFile::remove(p->dbPath());
        if (!QFile::copy(m_template->dbPath(), p->dbPath()))
            qFatal("cannot copy the template database");
        return p;
    }

private slots:
    void initTestCase() { m_template = std::make_unique<TempProgram>(true); }

    void replacementIsDefined()
    {
        // Text the file cannot hold exactly: a NUL and unpaired surrogates each
        // become U+FFFD, and nothing around them is lost.
        const QString r(QChar(0xFFFD));
        const QString high = QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b");
        const std::pair<QString, QString> cases[] = {
            {QStringLiteral("a") + QChar(0) + QStringLiteral("b"), QStringLiteral("a") + r + QStringLiteral("b")},
            {high, QStringLiteral("a") + r + QStringLiteral("b")},
            {QString(QChar(0xDC00)) + QChar(0xD800), r + r},
            {QStringLiteral("x\U0001F4DCy"), QStringLiteral("x\U0001F4DCy")},
            {QString(), QString()},
        };
        for (const auto& [given, stored] : cases)
            QCOMPARE(TextEncoding::storedForm(given), stored);
        QCOMPARE(TextEncoding::toStoreUtf8(high), QByteArray("a\xEF\xBF\xBD"
                                                             "b"));
    }

    void valueRoundTrips_data()
    {
        QTest::addColumn<QString>("value");
        for (const HostileText& h : hostileCorpus())
            QTest::newRow(h.name) << h.value;
    }

    void valueRoundTrips()
    {
        QFETCH(QString, value);
        const QString expected = TextEncoding::storedForm(value);
        const auto owned = freshProgram();
        const TempProgram& program = *owned;
        modDB db(program.dir());
        seedUserRows(db);
        const auto before = snapshot(program);

        // Event with the value as day, hour and comment. (Type names, typed
        // hours and comments also go through the window in its own tests.)
        const QString typeId = QStringLiteral("1");
        db.RunSql(QStringLiteral("insert into agenda (data, ora, coment,tipeveniment) values ('") + lit(value) +
                      QStringLiteral("', '") + lit(value) + QStringLiteral("', '") + lit(value) + QStringLiteral("',") +
                      SqlLiteral::id(typeId) + QStringLiteral(")"),
                  false);
        const QString eventId = program.scalar(QStringLiteral("select max(id) from agenda"));
        const QString dayQuery =
            QStringLiteral("Select a.id, a.ora, a.coment, b.tipeveniment from agenda a, tip_eveniment b "
                           "where a.tipeveniment = b.id and a.data = '") +
            lit(value) + QStringLiteral("'");
        db.RunSql(dayQuery, true);
        {
            Recordset& rs = db.CurrentRs();
            QVERIFY(!rs.Eof());
            QCOMPARE(rs.Text(QStringLiteral("id")), eventId);
            QVERIFY2(rs.Text(QStringLiteral("ora")) == expected, qPrintable(shortName(rs.Text(QStringLiteral("ora")))));
            QVERIFY2(rs.Text(QStringLiteral("coment")) == expected,
                     qPrintable(shortName(rs.Text(QStringLiteral("coment")))));
            rs.MoveNext();
            QVERIFY(rs.Eof());
        }

        // The update statement writes it again, with a mark to prove it ran.
        const QString changed = value + QStringLiteral(" (mutat)");
        db.RunSql(QStringLiteral("update agenda set data = '") + lit(value) + QStringLiteral("' , ora='") + lit(value) +
                      QStringLiteral("' , coment= '") + lit(changed) + QStringLiteral("' ,tipeveniment = ") +
                      SqlLiteral::id(typeId) + QStringLiteral(" where id = ") + SqlLiteral::id(eventId),
                  false);
        db.RunSql(dayQuery, true);
        QVERIFY(!db.CurrentRs().Eof());
        QVERIFY(db.CurrentRs().Text(QStringLiteral("coment")) == TextEncoding::storedForm(changed));

        // A catalogue title holding the value is found by `like` once its
        // wildcard characters are bracketed.
        db.RunSql(QStringLiteral(
                      "INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) "
                      "VALUES (900001, '") +
                      lit(value) + QStringLiteral("', '2007', '01-01-2007', '1', 'parlamentul', 'lege', '") +
                      lit(value) + QStringLiteral("', '1')"),
                  false);
        db.RunSql(QStringLiteral("select * from Acte where Titlu like '*") + lit(jetLiteralPattern(value)) +
                      QStringLiteral("*'"),
                  true);
        bool found = false;
        for (Recordset& rs = db.CurrentRs(); !rs.Eof(); rs.MoveNext()) {
            if (rs.Text(QStringLiteral("ID")) == QLatin1String("900001")) {
                found = true;
                QVERIFY(rs.Text(QStringLiteral("Continut")) == expected);
            }
        }
        QVERIFY(found);
        db.RunSql(QStringLiteral("delete * from Acte where ID = 900001"), false);

        // Nothing else moved, and the file is sound.
        auto after = snapshot(program);
        after.erase(
            std::remove_if(after.begin(), after.end(),
                           [&](const QStringList& r) { return r[0] == QLatin1String("agenda") && r[1] == eventId; }),
            after.end());
        QVERIFY(after == before);
        QCOMPARE(program.scalar(QStringLiteral("pragma integrity_check")), QStringLiteral("ok"));
    }

    void valuesNeverRunAsStatements()
    {
        // Every corpus value pasted raw (the caller forgot the helper) either
        // fails with a message or stays one harmless statement: no table lost.
        TempProgram program(true);
        modDB db(program.dir());
        seedUserRows(db);
        int refused = 0;
        for (const HostileText& h : hostileCorpus()) {
            try {
                db.RunSql(QStringLiteral("Select id from tip_eveniment where tipeveniment= '") + h.value +
                              QStringLiteral("'"),
                          true);
            } catch (const StoreError& e) {
                QVERIFY(!e.message().isEmpty());
                ++refused;
            }
        }
        QVERIFY(refused > 0);
        QCOMPARE(program.count(QStringLiteral("agenda")), 2LL);
        QCOMPARE(program.count(QStringLiteral("Acte")), 45LL);
        QCOMPARE(program.scalar(QStringLiteral("pragma integrity_check")), QStringLiteral("ok"));
    }
};

QTEST_GUILESS_MAIN(StoreHostileTest)
#include "test_store_hostile.moc"
