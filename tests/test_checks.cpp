// The search panel's input checks, the character replacement, the statement
// builder and the day list that follows the month.
#include "support/TestSupport.h"

#include "catalogue/Cautare.h"
#include "catalogue/OpData.h"

#include <QtTest>

using namespace testsupport;
using namespace OpData;
using namespace Qt::StringLiterals;

class ChecksTest : public QObject {
    Q_OBJECT

private slots:
    void numericAndYear()
    {
        for (const QString& s : {QString(), u"2005"_s, u"0007"_s, u"123456789012345678901234567890"_s, u"-12"_s})
            QVERIFY2(CheckNumeric(s), qPrintable(s));
        QVERIFY(CheckNumeric(u"1.5"_s) || CheckNumeric(u"1,5"_s)); // whichever the locale uses
        for (const QString& s : {u"12a"_s, u"abc"_s, u" "_s, u"inf"_s, u"nan"_s, u"12'"_s})
            QVERIFY2(!CheckNumeric(s), qPrintable(s));
        QVERIFY(CheckYear(QString()) && CheckYear(u"2005"_s));
        for (const QString& s : {u"05"_s, u"20a5"_s, u"20055"_s})
            QVERIFY2(!CheckYear(s), qPrintable(s));
    }

    void dates()
    {
        for (const QString& s : {QString(), u"zz-ll-aaaa"_s, u"30-12-2005"_s, u"30/12/2005"_s, u"1-2-2005"_s,
                                 u"1/2/2005"_s, u"29-02-2004"_s})
            QVERIFY2(CheckDate(s), qPrintable(s));
        for (const QString& s :
             {u"ZZ-LL-AAAA"_s, u"15-ll-aaaa"_s, u"zz-02-2005"_s, u"31-02-2005"_s, u"29-02-2005"_s, u"00-01-2005"_s,
              u"31-04-2005"_s, u"10-13-2005"_s, u"10-12-05"_s, u"10-12-2005-1"_s, u"--"_s})
            QVERIFY2(!CheckDate(s), qPrintable(s));
        QCOMPARE(storedDateForm(u"1-2-2005"_s), u"01-02-2005"_s);
        QCOMPARE(storedDateForm(u"30/12/2005"_s), u"30-12-2005"_s);
        QCOMPARE(storedDateForm(u"zz-ll-aaaa"_s), u"zz-ll-aaaa"_s);
    }

    void replaceChars()
    {
        QString t = u"30/12/2005"_s;
        QCOMPARE(Cautare::ReplaceChars(t, u"/"_s, u"-"_s), u"30-12-2005"_s);
        QCOMPARE(t, u"30-12-2005"_s); // stored back
        QString u = u"a/b.c"_s;
        QCOMPARE(Cautare::ReplaceChars(u, QString(), u"-"_s), u"a/b.c"_s);
        QCOMPARE(Cautare::ReplaceChars(u, u"/."_s, QString()), u"abc"_s);
        // Characters of the set are replaced one after the other, case-sensitively.
        QString v = u"ab"_s;
        QCOMPARE(Cautare::ReplaceChars(v, u"ab"_s, u"b"_s), u"bb"_s);
        QString w = u"aA"_s;
        QCOMPARE(Cautare::ReplaceChars(w, u"a"_s, u"x"_s), u"xA"_s);
    }

    void builder_data()
    {
        QTest::addColumn<QStringList>("in"); // type, nract, date, gazette, year, issuer, keyword
        QTest::addColumn<QString>("sql");
        const QString any = u"- Orice Tip Act -"_s, anyIssuer = u"- Orice Emitent -"_s, noDate = u"zz-ll-aaaa"_s;
        QTest::newRow("defaults") << QStringList{any, {}, noDate, {}, {}, anyIssuer, {}} << u"select * from Acte "_s;
        QTest::newRow("empty date") << QStringList{any, {}, {}, {}, {}, anyIssuer, {}} << u"select * from Acte "_s;
        QTest::newRow("keyword") << QStringList{any, {}, noDate, {}, {}, anyIssuer, u"munca"_s}
                                 << u"select * from Acte where Titlu like '*munca*' "_s;
        QTest::newRow("some")
            << QStringList{u"lege"_s, {}, noDate, {}, u"2005"_s, u"parlamentul"_s, {}}
            << u"select * from Acte where Tipact = 'lege' and An like '2005' and Emitent = 'parlamentul' "_s;
        QTest::newRow("all") << QStringList{u"lege"_s, u"35"_s,          u"30-12-2005"_s, u"120"_s,
                                            u"2005"_s, u"parlamentul"_s, u"munca"_s}
                             << u"select * from Acte where Tipact = 'lege' and nract =  '35' and DataAparitie = "
                                "'30-12-2005' and Monitoruloficial = '120' and An like '2005' and Emitent = "
                                "'parlamentul' and Titlu like '*munca*' "_s;
        // Empty type and issuer are criteria, not "any"; only the exact "any" entries are skipped.
        QTest::newRow("empty type, issuer") << QStringList{{}, {}, noDate, {}, {}, {}, {}}
                                            << u"select * from Acte where Tipact = '' and Emitent = '' "_s;
        QTest::newRow("any, other case") << QStringList{u"- orice tip act -"_s, {}, noDate, {}, {}, anyIssuer, {}}
                                         << u"select * from Acte where Tipact = '- orice tip act -' "_s;
        QTest::newRow("nract") << QStringList{any, u"7"_s, noDate, {}, {}, anyIssuer, {}}
                               << u"select * from Acte where nract =  '7' "_s;
        QTest::newRow("blanks kept") << QStringList{any, {}, noDate, {}, {}, anyIssuer, u" munca "_s}
                                     << u"select * from Acte where Titlu like '* munca *' "_s;
        QTest::newRow("quote") << QStringList{any, {}, noDate, {}, {}, anyIssuer, u"d'urgenta"_s}
                               << u"select * from Acte where Titlu like '*d''urgenta*' "_s;
    }

    void builder()
    {
        QFETCH(QStringList, in);
        QFETCH(QString, sql);
        QCOMPARE(Cautare::BuildSearchSql(in[0], in[1], in[2], in[3], in[4], in[5], in[6]), sql);
    }

    void monthPicksDayList()
    {
        FormFixture f;
        Controls& u = f.ui();
        auto pickMonth = [&](const QString& month) {
            u.luna->setText(month);
            f.form().luna_Click();
            QStringList out;
            for (int i = 0; i < u.zi->count(); ++i)
                out << u.zi->itemText(i);
            return out;
        };
        u.zi->setText(u"15"_s);
        QStringList days = pickMonth(u"02"_s);
        QCOMPARE(days.size(), 28);
        QCOMPARE(days.first(), u"01"_s);
        QCOMPARE(days.last(), u"28"_s);
        QCOMPARE(u.zi->Text(), u"01"_s);
        days = pickMonth(u"04"_s);
        QCOMPARE(days.size(), 30);
        QCOMPARE(days.at(8), u"09"_s);
        QCOMPARE(pickMonth(u"12"_s).last(), u"31"_s);

        // A typed month keeps the list but still resets the day.
        pickMonth(u"02"_s);
        u.zi->setText(u"20"_s);
        QCOMPARE(pickMonth(u"13"_s).size(), 28);
        QCOMPARE(u.zi->Text(), u"01"_s);
    }
};

QTEST_MAIN(ChecksTest)
#include "test_checks.moc"
