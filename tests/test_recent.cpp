// The recently viewed acts: the ten newest openings, newest first.
#include "support/TestSupport.h"

#include "store/modDB.h"

#include <QtTest>

using namespace testsupport;
using namespace Qt::StringLiterals;

namespace {

void addActs(FormFixture& f, int count)
{
    for (int id = 1; id <= count; ++id)
        f.program.exec(
            u"INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) "
            "VALUES (%1, 'Actul %1', '2005', '01-01-2005', '1', 'parlamentul', 'lege', 'text', '%1')"_s.arg(id));
    f.restart();
}

// Opens rows of the start-up list one after the other, through the viewer.
void open(FormFixture& f, const std::vector<int>& rows)
{
    f.form().Cautare_Click();
    f.form().Label1_Click();
    for (int r : rows) {
        f.ui().List1->selectRow(r);
        f.form().List1_DblClick();
        f.form().Inapoi_Click();
    }
}

QStringList ids(const char* spaced)
{
    return QString::fromLatin1(spaced).split(u' ');
}

} // namespace

class RecentTest : public QObject {
    Q_OBJECT

private slots:
    void tenNewestFirstRepeatsKept()
    {
        FormFixture f;
        addActs(f, 12);
        // No history: an empty list and no per-act query; favourites mode ends.
        f.form().FavMode = true;
        const long long calls = f.form().db().callCount();
        f.form().LegiCons_Click();
        QCOMPARE(f.form().db().callCount(), calls + 1);
        QCOMPARE(f.ui().List1->Count() + f.ui().List2->Count(), 0);
        QVERIFY(!f.form().FavMode);

        open(f, {0, 1, 2});
        f.form().LegiCons_Click();
        QCOMPARE(listRows(*f.ui().List1).first(), u"|Actul 3|lege|3|"_s);
        QCOMPARE(listColumn(*f.ui().List1, 3), ids("3 2 1"));

        open(f, {3, 4, 5, 6, 7, 8, 9, 10, 11, 11});
        f.form().LegiCons_Click();
        const QStringList expected = ids("12 12 11 10 9 8 7 6 5 4");
        QCOMPARE(listColumn(*f.ui().List1, 3), expected);
        QCOMPARE(listColumn(*f.ui().List2, 3), expected);
        QCOMPARE(f.program.count(u"ultimele_legi"_s), 13);

        // Opening from the recent list is itself recorded; back shows the same rows.
        f.ui().List1->selectRow(9);
        f.form().List1_DblClick();
        f.form().Inapoi_Click();
        QCOMPARE(listColumn(*f.ui().List1, 3), expected);
        f.form().LegiCons_Click();
        QCOMPARE(listColumn(*f.ui().List1, 3).first(), u"4"_s);
    }

    void missingActsAreSkipped()
    {
        FormFixture f;
        addActs(f, 2);
        f.program.exec(u"insert into ultimele_legi (id_acte) values (1), (99), (2)"_s);
        f.form().LegiCons_Click();
        QCOMPARE(listColumn(*f.ui().List1, 3), ids("2 1"));
        QVERIFY(f.dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(RecentTest)
#include "test_recent.moc"
