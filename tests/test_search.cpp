// "CAUTA!": checks, the message, the statement run on the real store, the
// rows listed and the date boxes afterwards.
#include "support/TestSupport.h"

#include "store/modDB.h"

#include <QtTest>

using namespace testsupport;

namespace {

void addAct(const TempProgram& p, int id, const QString& title, const QString& type, const QString& date,
            const QString& gazette = QStringLiteral("1"), const QString& year = QStringLiteral("2005"),
            const QString& issuer = QStringLiteral("parlamentul"), const QString& number = QStringLiteral("1"))
{
    p.exec(QStringLiteral("INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) "
                          "VALUES (%1, %2, %3, %4, %5, %6, %7, 'text', %8)")
               .arg(id)
               .arg(quoted(title), quoted(year), quoted(date), quoted(gazette), quoted(issuer), quoted(type),
                    quoted(number)));
}

const QChar CR(13);

} // namespace

class SearchTest : public QObject {
    Q_OBJECT

private slots:
    void defaultsListEveryActAndResetDates()
    {
        FormFixture f(true);
        Controls& u = f.ui();
        u.List1->Clear();
        f.form().Label1_Click();
        QVERIFY(f.dialogs.messages.isEmpty());
        QCOMPARE(u.List1->Count(), 45);
        QCOMPARE(u.data->text(), QStringLiteral("zz-ll-aaaa"));
        for (int r = 0; r < u.List1->Count(); ++r) {
            QCOMPARE(u.List1->SubItem(r, 0), QString());
            QVERIFY(!u.List1->SubItem(r, 3).isEmpty());
            QCOMPARE(u.List1->SubItem(r, 4), QString());
        }
        QCOMPARE(u.List1->SubItem(0, 1), QStringLiteral("Legea nr. 53/2003 - Codul muncii"));
        QCOMPARE(u.List1->SubItem(0, 2), QStringLiteral("lege"));
        QCOMPARE(u.zi->Text(), QStringLiteral("zz"));
        QCOMPARE(u.luna->Text(), QStringLiteral("ll"));
        QCOMPARE(u.anull->Text(), QStringLiteral("aaaa"));
    }

    void criteriaNarrowTheList()
    {
        FormFixture f(true);
        Controls& u = f.ui();
        u.tipact->setText(QStringLiteral("decret"));
        u.an->setText(QStringLiteral("2006"));
        f.form().Label1_Click();
        QCOMPARE(listColumn(*u.List1, 3), QStringList{QStringLiteral("20")});

        u.tipact->setText(QStringLiteral("- Orice Tip Act -"));
        u.an->clear();
        u.nract->setText(QStringLiteral("53"));
        u.nr->setText(QStringLiteral("72"));
        f.form().Label1_Click();
        QCOMPARE(listColumn(*u.List1, 3), QStringList{QStringLiteral("1")});

        // A full date picked from the boxes, and an issuer.
        u.nract->clear();
        u.nr->clear();
        u.zi->setText(QStringLiteral("19"));
        u.luna->setText(QStringLiteral("07"));
        u.anull->setText(QStringLiteral("2006"));
        u.emitent->setText(QStringLiteral("guvernul romaniei"));
        f.form().Label1_Click();
        QCOMPARE(listColumn(*u.List1, 3), QStringList{QStringLiteral("32")});
        QCOMPARE(u.data->text(), QStringLiteral("19-07-2006"));

        // No match: an empty list and no message.
        u.emitent->setText(QStringLiteral("parlamentul"));
        u.cuvcheie->setText(QStringLiteral("nu exista asa ceva"));
        f.form().Label1_Click();
        QCOMPARE(u.List1->Count(), 0);
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void keywordIgnoresLetterCase()
    {
        FormFixture f(true);
        Controls& u = f.ui();
        u.cuvcheie->setText(QStringLiteral("CODUL FISCAL"));
        f.form().Label1_Click();
        QCOMPARE(listColumn(*u.List1, 3),
                 (QStringList{QStringLiteral("2"), QStringLiteral("39")}));
        u.cuvcheie->setText(QStringLiteral("SOCIETĂȚILE"));
        f.form().Label1_Click();
        QCOMPARE(listColumn(*u.List1, 3), QStringList{QStringLiteral("4")});
    }

    void failedChecksShowOneMessage()
    {
        FormFixture f(true);
        Controls& u = f.ui();
        QVERIFY(u.List1->Count() > 0);
        u.nract->setText(QStringLiteral("12a"));
        u.nr->setText(QStringLiteral("x"));
        u.zi->setText(QStringLiteral("31"));
        u.luna->setText(QStringLiteral("02"));
        u.anull->setText(QStringLiteral("2005"));
        u.an->setText(QStringLiteral("05"));
        const long long calls = f.form().db().callCount();
        f.form().Label1_Click();
        QCOMPARE(f.dialogs.messages.size(), 1);
        const QString expected = QStringLiteral("Eroare:") + CR + QStringLiteral(" Nr. act nu este numeric.") + CR
                                 + QStringLiteral(" Nr. Monitorul Oficial nu este numeric.") + CR
                                 + QStringLiteral(" Data nu este valida. Ex: 30-12-2005(zz-ll-aaaa) sau "
                                                  "30/12/2005(zz/ll/aaaa)")
                                 + CR + QStringLiteral(" Anul nu este numeric sau nu contine 4 caractere.");
        QCOMPARE(f.dialogs.messages.first(), expected);
        QCOMPARE(f.form().db().callCount(), calls); // nothing ran
        QCOMPARE(u.List1->Count(), 0);              // emptied before the checks
        QCOMPARE(u.zi->Text(), QStringLiteral("31"));
        QCOMPARE(u.luna->Text(), QStringLiteral("02"));
        QCOMPARE(u.anull->Text(), QStringLiteral("2005"));
        QCOMPARE(u.nract->text(), QStringLiteral("12a"));
    }

    void dayWithoutMonthAndYearFailsOnlyTheDate()
    {
        FormFixture f(true);
        Controls& u = f.ui();
        u.zi->setText(QStringLiteral("15"));
        f.form().Label1_Click();
        QCOMPARE(u.data->text(), QStringLiteral("15-ll-aaaa"));
        QCOMPARE(f.dialogs.messages,
                 QStringList{QStringLiteral("Eroare:") + CR
                             + QStringLiteral(" Data nu este valida. Ex: 30-12-2005(zz-ll-aaaa) sau "
                                              "30/12/2005(zz/ll/aaaa)")});
        QCOMPARE(u.zi->Text(), QStringLiteral("15"));
    }

    void shortDatesAreSearchedInStoredForm()
    {
        FormFixture f;
        addAct(f.program, 1, QStringLiteral("Unu"), QStringLiteral("lege"), QStringLiteral("01-02-2005"));
        addAct(f.program, 2, QStringLiteral("Doi"), QStringLiteral("lege"), QStringLiteral("02-01-2005"));
        Controls& u = f.ui();
        u.zi->setText(QStringLiteral("1"));
        u.luna->setText(QStringLiteral("2"));
        u.anull->setText(QStringLiteral("2005"));
        f.form().Label1_Click();
        QVERIFY(f.dialogs.messages.isEmpty());
        QCOMPARE(u.data->text(), QStringLiteral("1-2-2005")); // the composed text, as typed
        QCOMPARE(listColumn(*u.List1, 3), QStringList{QStringLiteral("1")});

        u.zi->setText(QStringLiteral("2"));
        u.luna->setText(QStringLiteral("01"));
        u.anull->setText(QStringLiteral("2005"));
        f.form().Label1_Click();
        QCOMPARE(listColumn(*u.List1, 3), QStringList{QStringLiteral("2")});
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void quotesInCriteriaAreSafe()
    {
        FormFixture f;
        addAct(f.program, 1, QStringLiteral("Ordonanta d'urgenta nr. 1"), QStringLiteral("ordonanta de urgenta"),
               QStringLiteral("01-02-2005"));
        addAct(f.program, 2, QStringLiteral("Ordonanta de urgenta nr. 2"), QStringLiteral("ordonanta de urgenta"),
               QStringLiteral("01-02-2005"));
        addAct(f.program, 3, QStringLiteral("Hotararea \"Guvernului\" nr. 3"), QStringLiteral("hotarare"),
               QStringLiteral("01-02-2005"));
        Controls& u = f.ui();
        u.cuvcheie->setText(QStringLiteral("D'URGENTA"));
        f.form().Label1_Click();
        QVERIFY2(f.dialogs.messages.isEmpty(), qPrintable(f.dialogs.messages.join(QLatin1Char('/'))));
        QCOMPARE(listColumn(*u.List1, 3), QStringList{QStringLiteral("1")});

        u.cuvcheie->setText(QStringLiteral("\"guvernului\""));
        f.form().Label1_Click();
        QCOMPARE(listColumn(*u.List1, 3), QStringList{QStringLiteral("3")});

        // Quotes cannot smuggle in a condition of their own.
        u.cuvcheie->setText(QStringLiteral("x' or '1'='1"));
        f.form().Label1_Click();
        QVERIFY(f.dialogs.messages.isEmpty());
        QCOMPARE(u.List1->Count(), 0);
        QCOMPARE(f.program.count(QStringLiteral("Acte")), 3);
    }

    void storeFailureLeavesListEmpty()
    {
        FormFixture f;
        addAct(f.program, 1, QStringLiteral("Unu"), QStringLiteral("lege"), QStringLiteral("19-07-2006"));
        f.restart();
        Controls& u = f.ui();
        QCOMPARE(u.List1->Count(), 1);
        f.program.exec(QStringLiteral("ALTER TABLE Acte RENAME TO Acte_vechi"));
        u.zi->setText(QStringLiteral("19"));
        u.luna->setText(QStringLiteral("07"));
        u.anull->setText(QStringLiteral("2006"));
        f.form().Label1_Click();
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY(!f.dialogs.messages.first().startsWith(QStringLiteral("Eroare:")));
        QCOMPARE(u.List1->Count(), 0);
        QCOMPARE(u.zi->Text(), QStringLiteral("19")); // not a successful search

        // The program goes on: with the table back the same search works.
        f.program.exec(QStringLiteral("ALTER TABLE Acte_vechi RENAME TO Acte"));
        f.form().Label1_Click();
        QCOMPARE(listColumn(*u.List1, 3), QStringList{QStringLiteral("1")});
        QCOMPARE(f.dialogs.messages.size(), 1);
    }
};

QTEST_MAIN(SearchTest)
#include "test_search.moc"
