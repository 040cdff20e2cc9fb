// "CAUTA!": checks, the message, the statement run on the real store, the
// rows listed and the date boxes afterwards.
#include "support/TestSupport.h"

#include "store/modDB.h"

#include <QtTest>

using namespace testsupport;
using namespace Qt::StringLiterals;

namespace {

void addAct(const TempProgram& p, int id, const QString& title, const QString& type, const QString& date)
{
    p.exec(u"INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) "
           "VALUES (%1, %2, '2005', %3, '1', 'parlamentul', %4, 'text', '1')"_s.arg(id)
               .arg(quoted(title), quoted(date), quoted(type)));
}

void setDate(Controls& u, const QString& day, const QString& month, const QString& year)
{
    u.zi->setText(day);
    u.luna->setText(month);
    u.anull->setText(year);
}

QStringList dateBoxes(const Controls& u)
{
    return {u.zi->Text(), u.luna->Text(), u.anull->Text()};
}

const QString CR(QChar(13));
const QString kBadDate = u" Data nu este valida. Ex: 30-12-2005(zz-ll-aaaa) sau 30/12/2005(zz/ll/aaaa)"_s;

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
        QCOMPARE(u.data->text(), u"zz-ll-aaaa"_s);
        for (int r = 0; r < u.List1->Count(); ++r) {
            QCOMPARE(u.List1->SubItem(r, 0) + u.List1->SubItem(r, 4), QString());
            QVERIFY(!u.List1->SubItem(r, 3).isEmpty());
        }
        QCOMPARE(u.List1->SubItem(0, 1), u"Legea nr. 53/2003 - Codul muncii"_s);
        QCOMPARE(u.List1->SubItem(0, 2), u"lege"_s);
        QCOMPARE(dateBoxes(u), (QStringList{u"zz"_s, u"ll"_s, u"aaaa"_s}));
    }

    void criteriaNarrowTheList()
    {
        FormFixture f(true);
        Controls& u = f.ui();
        u.tipact->setText(u"decret"_s);
        u.an->setText(u"2006"_s);
        f.form().Label1_Click();
        QCOMPARE(listColumn(*u.List1, 3), QStringList{u"20"_s});

        u.tipact->setText(u"- Orice Tip Act -"_s);
        u.an->clear();
        u.nract->setText(u"53"_s);
        u.nr->setText(u"72"_s);
        f.form().Label1_Click();
        QCOMPARE(listColumn(*u.List1, 3), QStringList{u"1"_s});

        // A full date picked from the boxes, and an issuer.
        u.nract->clear();
        u.nr->clear();
        setDate(u, u"19"_s, u"07"_s, u"2006"_s);
        u.emitent->setText(u"guvernul romaniei"_s);
        f.form().Label1_Click();
        QCOMPARE(listColumn(*u.List1, 3), QStringList{u"32"_s});
        QCOMPARE(u.data->text(), u"19-07-2006"_s);

        // The keyword ignores letter case, also of Romanian letters.
        setDate(u, u"zz"_s, u"ll"_s, u"aaaa"_s);
        u.emitent->setText(u"- Orice Emitent -"_s);
        u.cuvcheie->setText(u"CODUL FISCAL"_s);
        f.form().Label1_Click();
        QCOMPARE(listColumn(*u.List1, 3), (QStringList{u"2"_s, u"39"_s}));
        u.cuvcheie->setText(u"SOCIETĂȚILE"_s);
        f.form().Label1_Click();
        QCOMPARE(listColumn(*u.List1, 3), QStringList{u"4"_s});

        // No match: an empty list and no message.
        u.emitent->setText(u"parlamentul"_s);
        u.cuvcheie->setText(u"nu exista asa ceva"_s);
        f.form().Label1_Click();
        QCOMPARE(u.List1->Count(), 0);
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void failedChecksShowOneMessage()
    {
        FormFixture f(true);
        Controls& u = f.ui();
        QVERIFY(u.List1->Count() > 0);
        u.nract->setText(u"12a"_s);
        u.nr->setText(u"x"_s);
        setDate(u, u"31"_s, u"02"_s, u"2005"_s);
        u.an->setText(u"05"_s);
        const long long calls = f.form().db().callCount();
        f.form().Label1_Click();
        QCOMPARE(f.dialogs.messages, QStringList{u"Eroare:"_s + CR + u" Nr. act nu este numeric."_s + CR +
                                                 u" Nr. Monitorul Oficial nu este numeric."_s + CR + kBadDate + CR +
                                                 u" Anul nu este numeric sau nu contine 4 caractere."_s});
        QCOMPARE(f.form().db().callCount(), calls); // nothing ran
        QCOMPARE(u.List1->Count(), 0);              // emptied before the checks
        QCOMPARE(dateBoxes(u), (QStringList{u"31"_s, u"02"_s, u"2005"_s}));
        QCOMPARE(u.nract->text(), u"12a"_s);

        // A day without month and year fails only the date.
        f.dialogs.messages.clear();
        u.nract->clear();
        u.nr->clear();
        u.an->clear();
        setDate(u, u"15"_s, u"ll"_s, u"aaaa"_s);
        f.form().Label1_Click();
        QCOMPARE(u.data->text(), u"15-ll-aaaa"_s);
        QCOMPARE(f.dialogs.messages, QStringList{u"Eroare:"_s + CR + kBadDate});
        QCOMPARE(u.zi->Text(), u"15"_s);
    }

    void datesInStoredFormQuotesSafe()
    {
        FormFixture f;
        addAct(f.program, 1, u"Ordonanta d'urgenta nr. 1"_s, u"ordonanta de urgenta"_s, u"01-02-2005"_s);
        addAct(f.program, 2, u"Ordonanta de urgenta nr. 2"_s, u"ordonanta de urgenta"_s, u"02-01-2005"_s);
        addAct(f.program, 3, u"Hotararea \"Guvernului\" nr. 3"_s, u"hotarare"_s, u"01-02-2005"_s);
        Controls& u = f.ui();
        // Short dates are searched in the stored form.
        setDate(u, u"1"_s, u"2"_s, u"2005"_s);
        f.form().Label1_Click();
        QCOMPARE(u.data->text(), u"1-2-2005"_s); // the composed text, as typed
        QCOMPARE(listColumn(*u.List1, 3), (QStringList{u"1"_s, u"3"_s}));
        setDate(u, u"2"_s, u"01"_s, u"2005"_s);
        f.form().Label1_Click();
        QCOMPARE(listColumn(*u.List1, 3), QStringList{u"2"_s});

        // Quotes in the keyword: no engine error, the right act.
        u.cuvcheie->setText(u"D'URGENTA"_s);
        f.form().Label1_Click();
        QVERIFY2(f.dialogs.messages.isEmpty(), qPrintable(f.dialogs.messages.join(u'/')));
        QCOMPARE(listColumn(*u.List1, 3), QStringList{u"1"_s});
        u.cuvcheie->setText(u"\"guvernului\""_s);
        f.form().Label1_Click();
        QCOMPARE(listColumn(*u.List1, 3), QStringList{u"3"_s});

        // Quotes cannot smuggle in a condition of their own.
        u.cuvcheie->setText(u"x' or '1'='1"_s);
        f.form().Label1_Click();
        QVERIFY(f.dialogs.messages.isEmpty());
        QCOMPARE(u.List1->Count(), 0);
        QCOMPARE(f.program.count(u"Acte"_s), 3);
    }

    void storeFailureLeavesListEmpty()
    {
        FormFixture f;
        addAct(f.program, 1, u"Unu"_s, u"lege"_s, u"19-07-2006"_s);
        f.restart();
        Controls& u = f.ui();
        QCOMPARE(u.List1->Count(), 1);
        f.program.exec(u"ALTER TABLE Acte RENAME TO Acte_vechi"_s);
        setDate(u, u"19"_s, u"07"_s, u"2006"_s);
        f.form().Label1_Click();
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY(!f.dialogs.messages.first().startsWith(u"Eroare:"_s));
        QCOMPARE(u.List1->Count(), 0);
        QCOMPARE(u.zi->Text(), u"19"_s); // not a successful search

        // The program goes on: with the table back the same search works.
        f.program.exec(u"ALTER TABLE Acte_vechi RENAME TO Acte"_s);
        f.form().Label1_Click();
        QCOMPARE(listColumn(*u.List1, 3), QStringList{u"1"_s});
        QCOMPARE(f.dialogs.messages.size(), 1);
    }
};

QTEST_MAIN(SearchTest)
#include "test_search.moc"
