// "CAUTA!": the input checks and their one message, the statement texts, the
// rows listed from the real store, the date boxes, and the day list that
// follows the month.
#include "support/TestSupport.h"

#include "catalogue/Cautare.h"
#include "catalogue/OpData.h"
#include "store/modDB.h"

#include <QtTest>

using namespace testsupport;
using namespace OpData;
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

QStringList words(const QString& spaced)
{
    return spaced.split(u' ', Qt::SkipEmptyParts);
}

const QString CR(QChar(13));
const QString kBadDate = u" Data nu este valida. Ex: 30-12-2005(zz-ll-aaaa) sau 30/12/2005(zz/ll/aaaa)"_s;

} // namespace

class SearchTest : public QObject {
    Q_OBJECT

private slots:
    void checks()
    {
        for (const QString& s : words(u"2005 0007 123456789012345678901234567890 -12"_s) + QStringList{QString()})
            QVERIFY2(CheckNumeric(s) && !CheckNumeric(s + u'a'), qPrintable(s));
        for (const QString& s : {u" "_s, u"inf"_s, u"nan"_s, u"12'"_s})
            QVERIFY2(!CheckNumeric(s), qPrintable(s));
        QVERIFY(CheckYear(QString()) && CheckYear(u"2005"_s) && !CheckYear(u"05"_s) && !CheckYear(u"20a5"_s) &&
                !CheckYear(u"20055"_s));
        for (const QString& s :
             words(u"zz-ll-aaaa 30-12-2005 30/12/2005 1-2-2005 1/2/2005 29-02-2004"_s) + QStringList{QString()})
            QVERIFY2(CheckDate(s), qPrintable(s));
        for (const QString& s : words(u"ZZ-LL-AAAA 15-ll-aaaa zz-02-2005 31-02-2005 29-02-2005 00-01-2005 31-04-2005 "
                                      "10-13-2005 10-12-05 10-12-2005-1 --"_s))
            QVERIFY2(!CheckDate(s), qPrintable(s));
        QCOMPARE(storedDateForm(u"1-2-2005"_s) + storedDateForm(u"30/12/2005"_s), u"01-02-200530-12-2005"_s);
        // Characters of the set go one after the other, case-sensitively; the result is stored back.
        QString a = u"30/12/2005"_s, b = u"a/b.c"_s, c = u"aA"_s, d = u"a"_s;
        QCOMPARE(Cautare::ReplaceChars(a, u"/"_s, u"-"_s), u"30-12-2005"_s);
        QCOMPARE(a, u"30-12-2005"_s);
        QCOMPARE(Cautare::ReplaceChars(b, QString(), u"-"_s), u"a/b.c"_s);
        QCOMPARE(Cautare::ReplaceChars(b, u"/."_s, QString()), u"abc"_s);
        QCOMPARE(Cautare::ReplaceChars(c, u"a"_s, u"x"_s) + Cautare::ReplaceChars(d, u"ab"_s, u"bc"_s), u"xAbcc"_s);
    }

    // The statement texts sent to the store, criteria in their fixed order.
    void statementTexts_data()
    {
        QTest::addColumn<QStringList>("in"); // type, act no., date, gazette, year, issuer, keyword
        QTest::addColumn<QString>("sql");
        const QString anyType = u"- Orice Tip Act -"_s, anyIssuer = u"- Orice Emitent -"_s, noDate = u"zz-ll-aaaa"_s;
        auto row = [&](const char* name, const QStringList& in, const char* where) {
            QTest::newRow(name) << in << u"select * from Acte "_s + QLatin1String(where);
        };
        row("defaults", {anyType, {}, noDate, {}, {}, anyIssuer, {}}, "");
        row("empty date", {anyType, {}, {}, {}, {}, anyIssuer, {}}, "");
        row("keyword", {anyType, {}, noDate, {}, {}, anyIssuer, u"munca"_s}, "where Titlu like '*munca*' ");
        row("some", {u"lege"_s, {}, noDate, {}, u"2005"_s, u"parlamentul"_s, {}},
            "where Tipact = 'lege' and An like '2005' and Emitent = 'parlamentul' ");
        row("all", {u"lege"_s, u"35"_s, u"30-12-2005"_s, u"120"_s, u"2005"_s, u"parlamentul"_s, u"munca"_s},
            "where Tipact = 'lege' and nract =  '35' and DataAparitie = '30-12-2005' and Monitoruloficial = '120' "
            "and An like '2005' and Emitent = 'parlamentul' and Titlu like '*munca*' ");
        // Empty type and issuer are criteria; only the exact "any" entries are skipped.
        row("empty type, issuer", {{}, {}, noDate, {}, {}, {}, {}}, "where Tipact = '' and Emitent = '' ");
        row("any, other case", {u"- orice tip act -"_s, {}, noDate, {}, {}, anyIssuer, {}},
            "where Tipact = '- orice tip act -' ");
        row("act number", {anyType, u"7"_s, noDate, {}, {}, anyIssuer, {}}, "where nract =  '7' ");
        row("blanks kept", {anyType, {}, noDate, {}, {}, anyIssuer, u" munca "_s}, "where Titlu like '* munca *' ");
        row("quotes", {u"o'lege"_s, {}, noDate, {}, {}, u"a\"b"_s, u"d'urgenta"_s},
            "where Tipact = 'o''lege' and Emitent = 'a\"b' and Titlu like '*d''urgenta*' ");
        row("injection", {anyType, {}, noDate, {}, {}, anyIssuer, u"x' or '1'='1"_s},
            "where Titlu like '*x'' or ''1''=''1*' ");
    }

    void statementTexts()
    {
        QFETCH(QStringList, in);
        QFETCH(QString, sql);
        QCOMPARE(Cautare::BuildSearchSql(in[0], in[1], in[2], in[3], in[4], in[5], in[6]), sql);
    }

    void criteriaNarrowTheList()
    {
        FormFixture f(true);
        Controls& u = f.ui();
        u.List1->Clear();
        f.form().Label1_Click(); // the defaults: every act, in the stored order
        QCOMPARE(u.List1->Count(), 45);
        QCOMPARE(listRows(*u.List1).first(), u"|Legea nr. 53/2003 - Codul muncii|lege|1|"_s);
        QCOMPARE(u.data->text(), u"zz-ll-aaaa"_s);
        u.tipact->setText(u"decret"_s);
        u.an->setText(u"2006"_s);
        f.form().Label1_Click();
        QCOMPARE(listColumn(*u.List1, 3), words(u"20"_s));
        u.tipact->setText(u"- Orice Tip Act -"_s);
        u.an->clear();
        u.nract->setText(u"53"_s);
        u.nr->setText(u"72"_s);
        f.form().Label1_Click();
        QCOMPARE(listColumn(*u.List1, 3), words(u"1"_s));
        // A full date picked from the boxes, and an issuer; the boxes are reset after.
        u.nract->clear();
        u.nr->clear();
        setDate(u, u"19"_s, u"07"_s, u"2006"_s);
        u.emitent->setText(u"guvernul romaniei"_s);
        f.form().Label1_Click();
        QCOMPARE(listColumn(*u.List1, 3), words(u"32"_s));
        QCOMPARE(u.data->text(), u"19-07-2006"_s);
        QCOMPARE((QStringList{u.zi->Text(), u.luna->Text(), u.anull->Text()}), words(u"zz ll aaaa"_s));
        // The keyword ignores letter case, also of Romanian letters.
        u.emitent->setText(u"- Orice Emitent -"_s);
        // Each word anywhere, also inside a longer one ("Codului fiscal").
        u.cuvcheie->setText(u"CODUL FISCAL"_s);
        f.form().Label1_Click();
        QCOMPARE(listColumn(*u.List1, 3), words(u"2 11 39"_s));
        u.cuvcheie->setText(u"SOCIETĂȚILE"_s);
        f.form().Label1_Click();
        QCOMPARE(listColumn(*u.List1, 3), words(u"4"_s));
        u.cuvcheie->setText(u"nu exista asa ceva"_s); // no match: an empty list and no message
        f.form().Label1_Click();
        QCOMPARE(u.List1->Count(), 0);
        QVERIFY(f.dialogs.messages.isEmpty());
        // Failed checks: one message with every reason, nothing run, the list emptied, the boxes kept.
        u.cuvcheie->clear();
        f.form().Label1_Click();
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
        QCOMPARE((QStringList{u.zi->Text(), u.luna->Text(), u.anull->Text(), u.nract->text()}),
                 words(u"31 02 2005 12a"_s));
        // A day without month and year fails the date alone.
        u.nract->clear();
        u.nr->clear();
        u.an->clear();
        setDate(u, u"15"_s, u"ll"_s, u"aaaa"_s);
        f.form().Label1_Click();
        QCOMPARE(f.dialogs.messages.last(), u"Eroare:"_s + CR + kBadDate);
        QCOMPARE(u.data->text() + u.zi->Text(), u"15-ll-aaaa15"_s);
    }

    void datesInStoredFormQuotesSafe()
    {
        FormFixture f;
        addAct(f.program, 1, u"Ordonanta d'urgenta nr. 1"_s, u"ordonanta de urgenta"_s, u"01-02-2005"_s);
        addAct(f.program, 2, u"Ordonanta de urgenta nr. 2"_s, u"ordonanta de urgenta"_s, u"02-01-2005"_s);
        addAct(f.program, 3, u"Hotararea \"Guvernului\" nr. 3"_s, u"hotarare"_s, u"01-02-2005"_s);
        Controls& u = f.ui();
        setDate(u, u"1"_s, u"2"_s, u"2005"_s); // short dates are searched in the stored form
        f.form().Label1_Click();
        QCOMPARE(u.data->text(), u"1-2-2005"_s);
        QCOMPARE(listColumn(*u.List1, 3), words(u"1 3"_s));
        const struct {
            QString keyword;
            const char* ids;
        } keywords[] = {{u"D'URGENTA"_s, "1"}, {u"\"guvernului\""_s, "3"}, {u"x' or '1'='1"_s, ""}};
        for (const auto& k : keywords) {
            u.cuvcheie->setText(k.keyword);
            f.form().Label1_Click();
            QCOMPARE(listColumn(*u.List1, 3), words(QLatin1String(k.ids)));
        }
        QVERIFY2(f.dialogs.messages.isEmpty(), qPrintable(f.dialogs.messages.join(u'/')));
        QCOMPARE(f.program.count(u"Acte"_s), 3);

        // A store failure: one message, an empty list, the boxes kept; then it recovers.
        f.program.exec(u"ALTER TABLE Acte RENAME TO Acte_vechi"_s);
        u.cuvcheie->clear();
        setDate(u, u"02"_s, u"01"_s, u"2005"_s);
        f.form().Label1_Click();
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY(!f.dialogs.messages.first().startsWith(u"Eroare:"_s));
        QCOMPARE(u.List1->Count(), 0);
        QCOMPARE(u.zi->Text(), u"02"_s);
        f.program.exec(u"ALTER TABLE Acte_vechi RENAME TO Acte"_s);
        f.form().Label1_Click();
        QCOMPARE(listColumn(*u.List1, 3), words(u"2"_s));
    }

    void monthPicksDayList()
    {
        FormFixture f;
        Controls& u = f.ui();
        // Each month its days, from 01; a typed month that is none keeps the list; the day goes back to 01.
        for (const QString& m : words(u"02:28 04:30 12:31 13:31"_s)) {
            u.zi->setText(u"15"_s);
            u.luna->setText(m.left(2));
            f.form().luna_Click();
            QCOMPARE(u.zi->Text() + u.zi->itemText(0) + u.zi->itemText(u.zi->count() - 1), u"0101"_s + m.mid(3));
            QCOMPARE(u.zi->count(), m.mid(3).toInt());
        }
    }
};

QTEST_MAIN(SearchTest)
#include "test_search.moc"
