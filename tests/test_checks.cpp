// The search panel's input checks, the character replacement, the statement
// builder and the day list that follows the month.
#include "support/TestSupport.h"

#include "catalogue/Cautare.h"
#include "catalogue/OpData.h"

#include <QtTest>

using namespace testsupport;
using namespace OpData;

class ChecksTest : public QObject {
    Q_OBJECT

private slots:
    void numericAndYear()
    {
        QVERIFY(CheckNumeric(QString()));
        QVERIFY(CheckNumeric(QStringLiteral("2005")));
        QVERIFY(CheckNumeric(QStringLiteral("0007")));
        QVERIFY(CheckNumeric(QStringLiteral("123456789012345678901234567890")));
        QVERIFY(CheckNumeric(QStringLiteral("-12")));
        QVERIFY(CheckNumeric(QStringLiteral("1.5")) || CheckNumeric(QStringLiteral("1,5")));
        QVERIFY(!CheckNumeric(QStringLiteral("12a")));
        QVERIFY(!CheckNumeric(QStringLiteral("abc")));
        QVERIFY(!CheckNumeric(QStringLiteral(" ")));
        QVERIFY(!CheckNumeric(QStringLiteral("inf")));
        QVERIFY(!CheckNumeric(QStringLiteral("nan")));
        QVERIFY(!CheckNumeric(QStringLiteral("12'")));

        QVERIFY(CheckYear(QString()));
        QVERIFY(CheckYear(QStringLiteral("2005")));
        QVERIFY(!CheckYear(QStringLiteral("05")));
        QVERIFY(!CheckYear(QStringLiteral("20a5")));
        QVERIFY(!CheckYear(QStringLiteral("20055")));
    }

    void dates()
    {
        QVERIFY(CheckDate(QString()));
        QVERIFY(CheckDate(QStringLiteral("zz-ll-aaaa")));
        QVERIFY(!CheckDate(QStringLiteral("ZZ-LL-AAAA")));
        QVERIFY(CheckDate(QStringLiteral("30-12-2005")));
        QVERIFY(CheckDate(QStringLiteral("30/12/2005")));
        QVERIFY(CheckDate(QStringLiteral("1-2-2005")));
        QVERIFY(CheckDate(QStringLiteral("1/2/2005")));
        QVERIFY(CheckDate(QStringLiteral("29-02-2004")));
        QVERIFY(!CheckDate(QStringLiteral("15-ll-aaaa")));
        QVERIFY(!CheckDate(QStringLiteral("zz-02-2005")));
        QVERIFY(!CheckDate(QStringLiteral("31-02-2005")));
        QVERIFY(!CheckDate(QStringLiteral("29-02-2005")));
        QVERIFY(!CheckDate(QStringLiteral("00-01-2005")));
        QVERIFY(!CheckDate(QStringLiteral("31-04-2005")));
        QVERIFY(!CheckDate(QStringLiteral("10-13-2005")));
        QVERIFY(!CheckDate(QStringLiteral("10-12-05")));
        QVERIFY(!CheckDate(QStringLiteral("10-12-2005-1")));
        QVERIFY(!CheckDate(QStringLiteral("--")));

        QCOMPARE(storedDateForm(QStringLiteral("1-2-2005")), QStringLiteral("01-02-2005"));
        QCOMPARE(storedDateForm(QStringLiteral("30/12/2005")), QStringLiteral("30-12-2005"));
        QCOMPARE(storedDateForm(QStringLiteral("zz-ll-aaaa")), QStringLiteral("zz-ll-aaaa"));
    }

    void replaceChars()
    {
        QString t = QStringLiteral("30/12/2005");
        QCOMPARE(Cautare::ReplaceChars(t, QStringLiteral("/"), QStringLiteral("-")), QStringLiteral("30-12-2005"));
        QCOMPARE(t, QStringLiteral("30-12-2005")); // stored back
        QString u = QStringLiteral("a/b.c");
        QCOMPARE(Cautare::ReplaceChars(u, QString(), QStringLiteral("-")), QStringLiteral("a/b.c"));
        QCOMPARE(Cautare::ReplaceChars(u, QStringLiteral("/."), QStringLiteral("")), QStringLiteral("abc"));
        // Characters of the set are replaced one after the other.
        QString v = QStringLiteral("ab");
        QCOMPARE(Cautare::ReplaceChars(v, QStringLiteral("ab"), QStringLiteral("b")), QStringLiteral("bb"));
        QString w = QStringLiteral("aA");
        QCOMPARE(Cautare::ReplaceChars(w, QStringLiteral("a"), QStringLiteral("x")), QStringLiteral("xA"));
    }

    void builder()
    {
        const QString anyType = QStringLiteral("- Orice Tip Act -");
        const QString anyIssuer = QStringLiteral("- Orice Emitent -");
        const QString noDate = QStringLiteral("zz-ll-aaaa");
        auto build = [](const QString& a, const QString& b, const QString& c, const QString& d, const QString& e,
                        const QString& f, const QString& g) { return Cautare::BuildSearchSql(a, b, c, d, e, f, g); };

        QCOMPARE(build(anyType, {}, noDate, {}, {}, anyIssuer, {}), QStringLiteral("select * from Acte "));
        QCOMPARE(build(anyType, {}, QString(), {}, {}, anyIssuer, {}), QStringLiteral("select * from Acte "));
        QCOMPARE(build(anyType, {}, noDate, {}, {}, anyIssuer, QStringLiteral("munca")),
                 QStringLiteral("select * from Acte where Titlu like '*munca*' "));
        QCOMPARE(build(QStringLiteral("lege"), {}, noDate, {}, QStringLiteral("2005"), QStringLiteral("parlamentul"), {}),
                 QStringLiteral("select * from Acte where Tipact = 'lege' and An like '2005' and Emitent = 'parlamentul' "));
        QCOMPARE(build(QStringLiteral("lege"), QStringLiteral("35"), QStringLiteral("30-12-2005"), QStringLiteral("120"),
                       QStringLiteral("2005"), QStringLiteral("parlamentul"), QStringLiteral("munca")),
                 QStringLiteral("select * from Acte where Tipact = 'lege' and nract =  '35' and DataAparitie = "
                                "'30-12-2005' and Monitoruloficial = '120' and An like '2005' and Emitent = "
                                "'parlamentul' and Titlu like '*munca*' "));
        // Empty type and issuer are criteria, not "any".
        QCOMPARE(build(QString(), {}, noDate, {}, {}, QString(), {}),
                 QStringLiteral("select * from Acte where Tipact = '' and Emitent = '' "));
        // Only the exact "any" entries are skipped.
        QCOMPARE(build(QStringLiteral("- orice tip act -"), {}, noDate, {}, {}, anyIssuer, {}),
                 QStringLiteral("select * from Acte where Tipact = '- orice tip act -' "));
        QCOMPARE(build(anyType, QStringLiteral("7"), noDate, {}, {}, anyIssuer, {}),
                 QStringLiteral("select * from Acte where nract =  '7' "));
        QCOMPARE(build(anyType, {}, noDate, {}, {}, anyIssuer, QStringLiteral(" munca ")),
                 QStringLiteral("select * from Acte where Titlu like '* munca *' "));
        // Quotes in a value stay inside their literal.
        QCOMPARE(build(anyType, {}, noDate, {}, {}, anyIssuer, QStringLiteral("d'urgenta")),
                 QStringLiteral("select * from Acte where Titlu like '*d''urgenta*' "));
    }

    void monthPicksDayList()
    {
        FormFixture f;
        Controls& u = f.ui();
        auto days = [&u] {
            QStringList out;
            for (int i = 0; i < u.zi->count(); ++i)
                out << u.zi->itemText(i);
            return out;
        };
        u.zi->setText(QStringLiteral("15"));
        u.luna->setText(QStringLiteral("02"));
        f.form().luna_Click();
        QCOMPARE(days().size(), 28);
        QCOMPARE(days().first(), QStringLiteral("01"));
        QCOMPARE(days().last(), QStringLiteral("28"));
        QCOMPARE(u.zi->Text(), QStringLiteral("01"));

        u.luna->setText(QStringLiteral("04"));
        f.form().luna_Click();
        QCOMPARE(days().size(), 30);
        QCOMPARE(days().at(8), QStringLiteral("09"));
        QCOMPARE(u.zi->Text(), QStringLiteral("01"));

        u.luna->setText(QStringLiteral("12"));
        f.form().luna_Click();
        QCOMPARE(days().size(), 31);
        QCOMPARE(days().last(), QStringLiteral("31"));

        // A typed month keeps the list but still resets the day.
        u.luna->setText(QStringLiteral("02"));
        f.form().luna_Click();
        u.zi->setText(QStringLiteral("20"));
        u.luna->setText(QStringLiteral("13"));
        f.form().luna_Click();
        QCOMPARE(days().size(), 28);
        QCOMPARE(u.zi->Text(), QStringLiteral("01"));
    }
};

QTEST_MAIN(ChecksTest)
#include "test_checks.moc"
