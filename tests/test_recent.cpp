// The recently viewed acts: the ten newest openings, newest first.
#include "support/TestSupport.h"

#include "store/modDB.h"

#include <QtTest>

using namespace testsupport;

namespace {

void addActs(FormFixture& f, int count)
{
    for (int id = 1; id <= count; ++id)
        f.program.exec(QStringLiteral("INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,"
                                      "Continut,nract) VALUES (%1, 'Actul %1', '2005', '01-01-2005', '1', "
                                      "'parlamentul', 'lege', 'text', '%1')")
                           .arg(id));
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

} // namespace

class RecentTest : public QObject {
    Q_OBJECT

private slots:
    void emptyHistory()
    {
        FormFixture f;
        addActs(f, 2);
        f.form().FavMode = true;
        const long long calls = f.form().db().callCount();
        f.form().LegiCons_Click();
        QCOMPARE(f.form().db().callCount(), calls + 1);
        QCOMPARE(f.ui().List1->Count(), 0);
        QCOMPARE(f.ui().List2->Count(), 0);
        QVERIFY(!f.form().FavMode);
    }

    void tenNewestFirstRepeatsKept()
    {
        FormFixture f;
        addActs(f, 12);
        open(f, {0, 1, 2});
        f.form().LegiCons_Click();
        QCOMPARE(listColumn(*f.ui().List1, 3), (QStringList{QStringLiteral("3"), QStringLiteral("2"), QStringLiteral("1")}));
        QCOMPARE(listColumn(*f.ui().List1, 1).first(), QStringLiteral("Actul 3"));
        QCOMPARE(listColumn(*f.ui().List1, 4), (QStringList{{}, {}, {}}));

        open(f, {3, 4, 5, 6, 7, 8, 9, 10, 11, 11});
        f.form().LegiCons_Click();
        QStringList expected{QStringLiteral("12"), QStringLiteral("12")};
        for (int id = 11; id >= 4; --id)
            expected << QString::number(id);
        QCOMPARE(listColumn(*f.ui().List1, 3), expected);
        QCOMPARE(listColumn(*f.ui().List2, 3), expected);
        QCOMPARE(f.program.count(QStringLiteral("ultimele_legi")), 13);

        // Opening from the recent list is itself recorded; back shows the same rows.
        f.ui().List1->selectRow(9);
        f.form().List1_DblClick();
        f.form().Inapoi_Click();
        QCOMPARE(listColumn(*f.ui().List1, 3), expected);
        f.form().LegiCons_Click();
        QCOMPARE(listColumn(*f.ui().List1, 3).first(), QStringLiteral("4"));
    }

    void missingActsAreSkipped()
    {
        FormFixture f;
        addActs(f, 2);
        f.program.exec(QStringLiteral("insert into ultimele_legi (id_acte) values (1), (99), (2)"));
        f.form().LegiCons_Click();
        QCOMPARE(listColumn(*f.ui().List1, 3), (QStringList{QStringLiteral("2"), QStringLiteral("1")}));
        QVERIFY(f.dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(RecentTest)
#include "test_recent.moc"
