// Favourites: adding the shown act, the list with its hidden ids, the pop-up
// menu and its removal, on the real window and store.
#include "support/TestSupport.h"

#include "store/modDB.h"

#include <QMenu>
#include <QtTest>

using namespace testsupport;

namespace {

void addAct(const TempProgram& p, int id, const QString& title, const QString& type = QStringLiteral("lege"))
{
    p.exec(QStringLiteral("INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) "
                          "VALUES (%1, %2, '2005', '01-01-2005', '1', 'parlamentul', %3, 'text', '1')")
               .arg(id)
               .arg(quoted(title), quoted(type)));
}

// Three acts, no news; the window restarted to list them.
void seed(FormFixture& f)
{
    addAct(f.program, 1, QStringLiteral("Legea unu"));
    addAct(f.program, 2, QStringLiteral("Decretul doi"), QStringLiteral("decret"));
    addAct(f.program, 3, QStringLiteral("Ordinul trei"), QStringLiteral("ordin"));
    f.restart();
}

QStringList favouriteActs(const TempProgram& p)
{
    QStringList out;
    for (const QStringList& r : p.rows(QStringLiteral("select id_acte from legi_favorite order by id")))
        out << r.first();
    return out;
}

QPoint rowPoint(const ListView& list, int row)
{
    return list.visualRect(list.model()->index(row, 1)).center();
}

// A real right or left click on a row (or a point) of List1; true when the menu opened.
bool clickOpensMenu(FormFixture& f, const QPoint& at, Qt::MouseButton button = Qt::RightButton)
{
    Controls& u = f.ui();
    QTest::mouseClick(u.List1->viewport(), button, {}, at);
    const bool shown = u.st->isVisible();
    u.st->hide();
    return shown;
}

} // namespace

class FavouritesTest : public QObject {
    Q_OBJECT

private slots:
    void emptyTableRunsNoActQuery()
    {
        FormFixture f;
        seed(f);
        const long long calls = f.form().db().callCount();
        f.form().LegiFav_Click();
        QCOMPARE(f.form().db().callCount(), calls + 1);
        QCOMPARE(f.ui().List1->Count(), 0);
        QCOMPARE(f.ui().List2->Count(), 0);
        QVERIFY(f.form().FavMode);
    }

    void duplicatesListedAndRemovedOneByOne()
    {
        FormFixture f;
        seed(f);
        Controls& u = f.ui();
        u.List1->selectRow(1);
        f.form().List1_DblClick();
        f.form().Fav_Click();
        f.form().Fav_Click(); // nothing prevents a second entry
        f.form().Inapoi_Click();
        u.List1->selectRow(0);
        f.form().List1_DblClick();
        f.form().Fav_Click();
        QVERIFY(!u.textlege->isHidden()); // adding changes nothing on screen
        QCOMPARE(favouriteActs(f.program), (QStringList{QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("1")}));

        f.form().LegiFav_Click();
        QCOMPARE(listColumn(*u.List1, 3), (QStringList{QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("1")}));
        QCOMPARE(listColumn(*u.List1, 1).at(0), QStringLiteral("Decretul doi"));
        QCOMPARE(listColumn(*u.List1, 2).at(0), QStringLiteral("decret"));
        const QStringList favIds = listColumn(*u.List1, 4);
        QCOMPARE(favIds.size(), 3);
        QVERIFY(favIds.at(0) != favIds.at(1) && !favIds.at(0).isEmpty());
        QCOMPARE(listColumn(*u.List2, 2), favIds);
        QCOMPARE(listColumn(*u.List2, 3), listColumn(*u.List1, 3));
        QCOMPARE(listColumn(*u.List1, 0), (QStringList{{}, {}, {}}));

        // Remove the second row: the other entry of the same act stays, order kept.
        u.List1->selectRow(1);
        u.sterge->trigger();
        QCOMPARE(listColumn(*u.List1, 3), (QStringList{QStringLiteral("2"), QStringLiteral("1")}));
        QCOMPARE(listColumn(*u.List1, 4), (QStringList{favIds.at(0), favIds.at(2)}));
        QCOMPARE(favouriteActs(f.program), (QStringList{QStringLiteral("2"), QStringLiteral("1")}));
        QVERIFY(f.form().FavMode);
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void addsTheActShownFromTheNews()
    {
        FormFixture f;
        seed(f);
        f.program.exec(QStringLiteral("insert into noutati (id, titlu, link) values (1, 'Stire', 3)"));
        f.restart();
        Controls& u = f.ui();
        u.List1->selectRow(0); // act 1, not the one opened below
        u.List4->selectRow(0);
        f.form().List4_DblClick();
        QCOMPARE(u.Label11->text(), QStringLiteral("Ordinul trei"));
        f.form().Fav_Click();
        QCOMPARE(favouriteActs(f.program), QStringList{QStringLiteral("3")});

        // Opened from the news with no List1 row selected at all.
        f.form().Cautare_Click();
        QCOMPARE(u.List1->SelectedItem(), -1);
        u.List4->selectRow(0);
        f.form().List4_DblClick();
        f.form().Fav_Click();
        QCOMPARE(favouriteActs(f.program), (QStringList{QStringLiteral("3"), QStringLiteral("3")}));
    }

    void menuOnlyOnFavouriteRows()
    {
        FormFixture f;
        seed(f);
        f.program.exec(QStringLiteral("insert into legi_favorite (id_acte) values (1), (2)"));
        Controls& u = f.ui();
        f.form().show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.form()));

        // The start-up list, the search and the recent list: no menu.
        QVERIFY(!clickOpensMenu(f, rowPoint(*u.List1, 0)));
        f.form().LegiCons_Click();
        f.form().Label1_Click();
        QVERIFY(!clickOpensMenu(f, rowPoint(*u.List1, 0)));

        f.form().LegiFav_Click();
        QCOMPARE(u.List1->Count(), 2);
        QVERIFY(!clickOpensMenu(f, rowPoint(*u.List1, 1), Qt::LeftButton));
        QVERIFY(clickOpensMenu(f, rowPoint(*u.List1, 1)));
        QCOMPARE(u.List1->SelectedItem(), 1); // the row under the pointer
        QCOMPARE(u.st->actions().size(), 1);
        QCOMPARE(u.sterge->text(), QStringLiteral("Sterge de la legi favorite"));

        // Below the rows: no menu.
        const QPoint below(u.List1->viewport()->width() / 2, u.List1->viewport()->height() - 5);
        QVERIFY(!clickOpensMenu(f, below));

        // Viewer and back: still the favourites list.
        u.List1->selectRow(0);
        f.form().List1_DblClick();
        f.form().Inapoi_Click();
        QVERIFY(clickOpensMenu(f, rowPoint(*u.List1, 0)));

        // A search from the favourites screen lists rows without favourite ids.
        f.form().Label1_Click();
        QCOMPARE(u.List1->Count(), 3);
        QVERIFY(!clickOpensMenu(f, rowPoint(*u.List1, 0)));
        u.List1->selectRow(0);
        u.sterge->trigger();
        QCOMPARE(f.program.count(QStringLiteral("legi_favorite")), 2);
        QCOMPARE(u.List1->Count(), 3);

        f.form().Cautare_Click();
        f.form().Label1_Click();
        QVERIFY(!clickOpensMenu(f, rowPoint(*u.List1, 0)));
    }

    void favouriteOfAMissingAct()
    {
        FormFixture f;
        seed(f);
        f.program.exec(QStringLiteral("insert into legi_favorite (id_acte) values (1), (99), (3)"));
        Controls& u = f.ui();
        f.form().LegiFav_Click();
        QCOMPARE(listColumn(*u.List1, 1),
                 (QStringList{QStringLiteral("Legea unu"), QStringLiteral("(act indisponibil)"), QStringLiteral("Ordinul trei")}));
        QVERIFY(!u.List1->SubItem(1, 4).isEmpty());

        u.List1->selectRow(1);
        f.form().List1_DblClick();
        QCOMPARE(f.dialogs.messages, QStringList{QStringLiteral("Actul nu mai exista in catalog.")});
        QVERIFY(u.textlege->isHidden());
        QCOMPARE(f.program.count(QStringLiteral("ultimele_legi")), 0);

        u.sterge->trigger();
        QCOMPARE(favouriteActs(f.program), (QStringList{QStringLiteral("1"), QStringLiteral("3")}));
        QCOMPARE(u.List1->Count(), 2);
    }

    void storeFailureKeepsListedRows()
    {
        FormFixture f;
        seed(f);
        // A damaged entry in the middle: its act cannot be looked up.
        f.program.exec(QStringLiteral("insert into legi_favorite (id_acte) values (1), ('x'), (3)"));
        Controls& u = f.ui();
        f.form().LegiFav_Click();
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(listColumn(*u.List1, 3), QStringList{QStringLiteral("1")});
        QCOMPARE(f.program.count(QStringLiteral("legi_favorite")), 3);
        // The rows listed still work.
        u.List1->selectRow(0);
        u.sterge->trigger();
        QCOMPARE(favouriteActs(f.program), (QStringList{QStringLiteral("x"), QStringLiteral("3")}));
    }
};

QTEST_MAIN(FavouritesTest)
#include "test_favourites.moc"
