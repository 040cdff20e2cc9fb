// The store: statement texts of the window's dialect run on the real SQLite file.
#include "store/JetPattern.h"
#include "store/SqlDialect.h"
#include "store/SqlLiteral.h"
#include "store/modDB.h"
#include "support/TestSupport.h"

#include <QtTest>

using testsupport::TempProgram;

class StoreTest : public QObject {
    Q_OBJECT

private slots:
    void jetPatterns_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("matches");
        QTest::newRow("word inside") << "*munca*"
                                     << "Codul muncii si Munca" << true;
        QTest::newRow("case folded") << "*MUNCA*"
                                     << "codul munca" << true;
        QTest::newRow("diacritics folded by case") << "*ĂȘTI*"
                                                   << "aceștia sunt ăști" << true;
        QTest::newRow("no match") << "*fiscal*"
                                  << "Codul muncii" << false;
        QTest::newRow("percent is literal") << "*50%*"
                                            << "reducere 50% acum" << true;
        QTest::newRow("percent not a wildcard") << "*5%*"
                                                << "reducere 50 acum" << false;
        QTest::newRow("underscore literal") << "*a_b*"
                                            << "axb" << false;
        QTest::newRow("question one char") << "c?d"
                                           << "cod" << true;
        QTest::newRow("hash digit") << "art. #"
                                    << "art. 5" << true;
        QTest::newRow("hash not letter") << "art. #"
                                         << "art. x" << false;
        QTest::newRow("set") << "[bc]od"
                             << "cod" << true;
        QTest::newRow("negated set") << "[!bc]od"
                                     << "cod" << false;
        QTest::newRow("range") << "[a-f]x"
                               << "Dx" << true;
        QTest::newRow("lone bracket literal") << "*[*"
                                              << "a[b" << true;
        QTest::newRow("exact without wildcard") << "2005"
                                                << "2005" << true;
        QTest::newRow("exact differs") << "2005"
                                       << "20051" << false;
        QTest::newRow("empty words") << "**"
                                     << "" << true;
    }

    void jetPatterns()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, value);
        QFETCH(bool, matches);
        QCOMPARE(JetPattern(pattern).matches(value), matches);
    }

    void literalHelper()
    {
        QCOMPARE(SqlLiteral::text(QStringLiteral("d'urgenta")), QStringLiteral("d''urgenta"));
        QCOMPARE(SqlLiteral::text(QStringLiteral("''")), QStringLiteral("''''"));
        QVERIFY(SqlLiteral::isWholeNumber(QStringLiteral("42")));
        QVERIFY(SqlLiteral::isWholeNumber(QStringLiteral("-7")));
        QVERIFY(!SqlLiteral::isWholeNumber(QStringLiteral("4 or 1=1")));
        QVERIFY(!SqlLiteral::isWholeNumber(QString()));
        QVERIFY_THROWS_EXCEPTION(StoreError, SqlLiteral::id(QStringLiteral("1; drop table agenda")));
    }

    void dialectLiftsLiteralsAndRefusesSecondStatement()
    {
        const auto s = SqlDialect::translate(QStringLiteral("delete * from legi_favorite where id = 5"));
        QVERIFY(!s.sql.contains('*'));
        QVERIFY(!s.sql.contains('5'));
        QCOMPARE(s.params.size(), size_t(1));
        QVERIFY_THROWS_EXCEPTION(StoreError, SqlDialect::translate(QStringLiteral("select 1; drop table agenda")));
        QVERIFY_THROWS_EXCEPTION(StoreError,
                                 SqlDialect::translate(QStringLiteral("select * from Acte where Titlu = 'x")));
        // A semicolon inside a literal is a value, not a second statement.
        const auto inLiteral =
            SqlDialect::translate(QStringLiteral("insert into tip_eveniment (tipeveniment) values ('a;b')"));
        QCOMPARE(std::get<QString>(inLiteral.params.at(0)), QStringLiteral("a;b"));
    }

    void statementsRoundTrip()
    {
        TempProgram program(true);
        modDB db(program.dir());
        const QString comment = QStringLiteral("Client: d'Ionescu; \"urgent\" -- ora 10\nlinia a doua ăîșțâ");
        // An empty result is at its end at once; the insert below is then seen.
        db.RunSql(QStringLiteral("select * from agenda where data = '14.03.2007'"), true);
        QVERIFY(db.CurrentRs().Eof());
        db.RunSql(
            QStringLiteral("insert into agenda (data, ora, coment, tipeveniment) values ('14.03.2007', '10:00', '") +
                SqlLiteral::text(comment) + QStringLiteral("', 1)"),
            false);
        db.RunSql(QStringLiteral("select * from agenda where data = '14.03.2007'"), true);
        Recordset& rs = db.CurrentRs();
        QVERIFY(!rs.Eof());
        QCOMPARE(rs.Text(QStringLiteral("COMENT")), comment);
        QCOMPARE(rs.Fields(QStringLiteral("tipEveniment")).toInt(), 1);
        rs.MoveNext();
        QVERIFY(rs.Eof());

        db.RunSql(QStringLiteral("insert into legi_favorite (id_acte) values (3)"), false);
        db.RunSql(QStringLiteral("insert into legi_favorite (id_acte) values (3)"), false);
        QCOMPARE(program.count(QStringLiteral("legi_favorite")), 2LL);
        const QString first = program.scalar(QStringLiteral("select min(id) from legi_favorite"));
        db.RunSql(QStringLiteral("delete * from legi_favorite where id = ") + first, false);
        QCOMPARE(program.count(QStringLiteral("legi_favorite")), 1LL);
        // Auto ids never repeat after a delete.
        db.RunSql(QStringLiteral("insert into legi_favorite (id_acte) values (4)"), false);
        QVERIFY(program.scalar(QStringLiteral("select max(id) from legi_favorite")).toInt() > first.toInt() + 1);
    }

    // Every statement text the program sends, exactly as written, on the demo
    // catalogue: queries give the rows expected, statements change one row.
    void everyProgramStatementRuns_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isQuery");
        QTest::addColumn<int>("rows"); // for queries; -1: statements
        auto q = [](const char* tag, const QString& t, int rows) { QTest::newRow(tag) << t << true << rows; };
        auto st = [](const char* tag, const QString& t) { QTest::newRow(tag) << t << false << -1; };
        q("all acts", QStringLiteral("Select ID, Titlu, TipAct from Acte"), 45);
        q("news", QStringLiteral("Select titlu, link from noutati order by id desc"), 6);
        q("search, no criteria", QStringLiteral("select * from Acte "), 45);
        q("search, every fragment",
          QStringLiteral(
              "select * from Acte where Tipact = 'lege' and nract =  '53' and DataAparitie = '24-01-2003' and "
              "Monitoruloficial = '72' and An like '2003' and Emitent = 'parlamentul' and Titlu like '*munc*' "),
          1);
        q("viewer from a list", QStringLiteral("Select Continut from Acte where id = 1"), 1);
        q("viewer from the news", QStringLiteral("Select ID, Titlu, Continut from Acte where ID  = 40"), 1);
        st("history row", QStringLiteral("insert into ultimele_legi (id_acte) values (1)"));
        st("favourite", QStringLiteral("insert into legi_favorite (id_acte) values (1)"));
        q("favourites", QStringLiteral("Select * from legi_favorite"), 1);
        st("favourite removed", QStringLiteral("delete * from legi_favorite where id = 1"));
        q("history", QStringLiteral("Select id_acte from ultimele_legi order by id desc"), 1);
        q("one listed act", QStringLiteral("Select ID, Titlu, TipAct from Acte where ID = 1 "), 1);
        st("event",
           QStringLiteral(
               "insert into agenda (data, ora, coment,tipeveniment) values ('14.03.2007', '10:00', 'Termen',1)"));
        q("day view",
          QStringLiteral("Select a.id, a.ora, a.coment, b.tipeveniment from agenda a, tip_eveniment b where "
                         "a.tipeveniment = b.id and a.data = '14.03.2007'"),
          1);
        st("event edited",
           QStringLiteral(
               "update agenda set data = '15.03.2007' , ora='11:00' , coment= 'Mutat' ,tipeveniment = 2 where id = 1"));
        q("types", QStringLiteral("Select * from tip_eveniment"), 3);
        q("type picked", QStringLiteral("Select id from tip_eveniment where tipeveniment= 'intalnire CLIENT'"), 1);
        st("new type", QStringLiteral("insert into tip_eveniment (tipeveniment) values ('Expertiza')"));
    }

    void everyProgramStatementRuns()
    {
        // Rows of the user's tables, plus moved events: each statement changes it by one.
        const QString kUserRows =
            QStringLiteral("select (select count(*) from legi_favorite) + (select count(*) from ultimele_legi) + "
                           "(select count(*) from tip_eveniment) + (select count(*) from agenda) + "
                           "(select count(*) from agenda where data = '15.03.2007')");
        QFETCH(QString, text);
        QFETCH(bool, isQuery);
        QFETCH(int, rows);
        // One program folder for the whole table, so the rows build on each other.
        static TempProgram program(true);
        modDB db(program.dir());
        const long long changesBefore = program.scalar(kUserRows).toLongLong();
        db.RunSql(text, isQuery);
        if (isQuery) {
            int n = 0;
            for (Recordset& rs = db.CurrentRs(); !rs.Eof(); rs.MoveNext())
                ++n;
            QCOMPARE(n, rows);
        } else {
            const long long after = program.scalar(kUserRows).toLongLong();
            QCOMPARE(qAbs(after - changesBefore), 1LL); // exactly one row added, removed or moved
        }
    }

    void searchesCompareWithoutCase()
    {
        TempProgram program(true);
        modDB db(program.dir());
        db.RunSql(QStringLiteral("select ID from Acte where Tipact = 'LEGE' and Titlu like '*CODUL MUNCII*' "), true);
        QVERIFY(!db.CurrentRs().Eof());
        QCOMPARE(db.CurrentRs().Text(QStringLiteral("id")), QStringLiteral("1"));
        db.RunSql(QStringLiteral("select ID from Acte where Titlu like '*ÎNȚELESUL*' or Titlu like '*côte d''ivoire*'"),
                  true);
        QVERIFY(!db.CurrentRs().Eof());
        QCOMPARE(db.CurrentRs().Text(QStringLiteral("ID")), QStringLiteral("45"));
    }

    void failedQueryKeepsCursorAndExplains()
    {
        TempProgram program(true);
        modDB db(program.dir());
        QVERIFY_THROWS_EXCEPTION(StoreError, db.CurrentRs());
        db.RunSql(QStringLiteral("select titlu from noutati order by id desc"), true);
        Recordset* before = &db.CurrentRs();
        try {
            db.RunSql(QStringLiteral("select * from nosuchtable"), true);
            QFAIL("no error for a missing table");
        } catch (const StoreError& e) {
            QVERIFY(!e.message().isEmpty());
        }
        QCOMPARE(&db.CurrentRs(), before);
        QVERIFY(!db.CurrentRs().Eof());
    }

    void transactionRollsBackUnlessCommitted()
    {
        TempProgram program;
        modDB db(program.dir());
        {
            modDB::Transaction t(db);
            db.RunSql(QStringLiteral("insert into tip_eveniment (tipeveniment) values ('x')"), false);
        }
        QCOMPARE(program.count(QStringLiteral("tip_eveniment")), 0LL);
        {
            modDB::Transaction t(db);
            db.RunSql(QStringLiteral("insert into tip_eveniment (tipeveniment) values ('x')"), false);
            t.commit();
        }
        QCOMPARE(program.count(QStringLiteral("tip_eveniment")), 1LL);
    }
};

QTEST_GUILESS_MAIN(StoreTest)
#include "test_store.moc"
