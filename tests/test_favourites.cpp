// Favourites: adding the shown act, the list with its hidden ids, the pop-up
// menu and its removal, on the real window and store.
#include "support/TestSupport.h"

#include "store/modDB.h"

#include <QMenu>
#include <QtTest>

using namespace testsupport;
using namespace Qt::StringLiterals;

namespace {

// Three acts, no news, the given favourites; the window restarted to list them.
void seed(FormFixture& f, const QString& favourites = QString())
{
    f.program.exec(u"INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) "
                   "VALUES (1, 'Legea unu', '2005', '01-01-2005', '1', 'parlamentul', 'lege', 'text', '1'), "
                   "(2, 'Decretul doi', '2005', '01-01-2005', '1', 'parlamentul', 'decret', 'text', '1'), "
                   "(3, 'Ordinul trei', '2005', '01-01-2005', '1', 'parlamentul', 'ordin', 'text', '1')"_s);
    if (!favourites.isEmpty())
        f.program.exec(u"insert into legi_favorite (id_acte) values "_s + favourites);
    f.restart();
}

QStringList ids(const char* spaced)
{
    return QString::fromLatin1(spaced).split(u' ', Qt::SkipEmptyParts);
}

QStringList favouriteActs(const TempProgram& p)
{
    QStringList out;
    for (const QStringList& r : p.rows(u"select id_acte from legi_favorite order by id"_s))
        out << r.first();
    return out;
}

// A real click on row `row` of List1 (-1: below the rows); true when the menu opened.
bool clickOpensMenu(FormFixture& f, int row, Qt::MouseButton button = Qt::RightButton)
{
    ListView& l = *f.ui().List1;
    const QPoint at = row < 0 ? QPoint(l.viewport()->width() / 2, l.viewport()->height() - 5)
                              : l.visualRect(l.model()->index(row, 1)).center();
    QTest::mouseClick(l.viewport(), button, {}, at);
    const bool shown = f.ui().st->isVisible();
    f.ui().st->hide();
    return shown;
}

} // namespace

class FavouritesTest : public QObject {
    Q_OBJECT

private slots:
    void duplicatesListedAndRemovedOneByOne()
    {
        FormFixture f;
        seed(f);
        Controls& u = f.ui();
        // No favourites: an empty list and no per-act query.
        const long long calls = f.form().db().callCount();
        f.form().LegiFav_Click();
        QCOMPARE(f.form().db().callCount(), calls + 1);
        QCOMPARE(u.List1->Count() + u.List2->Count(), 0);
        QVERIFY(f.form().FavMode);

        f.form().Cautare_Click();
        f.form().Label1_Click();
        u.List1->selectRow(1);
        f.form().List1_DblClick();
        f.form().Fav_Click();
        f.form().Fav_Click(); // nothing prevents a second entry
        f.form().Inapoi_Click();
        u.List1->selectRow(0);
        f.form().List1_DblClick();
        f.form().Fav_Click();
        QVERIFY(!u.textlege->isHidden()); // adding changes nothing on screen
        QCOMPARE(favouriteActs(f.program), ids("2 2 1"));

        f.form().LegiFav_Click();
        QCOMPARE(listRows(*u.List1).at(0).section(u'|', 0, 3), u"|Decretul doi|decret|2"_s);
        QCOMPARE(listColumn(*u.List1, 3), ids("2 2 1"));
        const QStringList favIds = listColumn(*u.List1, 4);
        QCOMPARE(favIds.size(), 3);
        QVERIFY(favIds.at(0) != favIds.at(1) && !favIds.at(0).isEmpty());
        QCOMPARE(listColumn(*u.List2, 2), favIds);
        QCOMPARE(listColumn(*u.List2, 3), listColumn(*u.List1, 3));

        // Remove the second row: the other entry of the same act stays, order kept.
        u.List1->selectRow(1);
        u.sterge->trigger();
        QCOMPARE(listColumn(*u.List1, 3), ids("2 1"));
        QCOMPARE(listColumn(*u.List1, 4), (QStringList{favIds.at(0), favIds.at(2)}));
        QCOMPARE(favouriteActs(f.program), ids("2 1"));
        QVERIFY(f.form().FavMode);
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void addsTheActShownFromTheNews()
    {
        FormFixture f;
        f.program.exec(u"insert into noutati (id, titlu, link) values (1, 'Stire', 3)"_s);
        seed(f);
        Controls& u = f.ui();
        u.List1->selectRow(0); // act 1, not the one opened below
        u.List4->selectRow(0);
        f.form().List4_DblClick();
        QCOMPARE(u.Label11->text(), u"Ordinul trei"_s);
        f.form().Fav_Click();
        QCOMPARE(favouriteActs(f.program), ids("3"));

        // Opened from the news with no List1 row selected at all.
        f.form().Cautare_Click();
        QCOMPARE(u.List1->SelectedItem(), -1);
        u.List4->selectRow(0);
        f.form().List4_DblClick();
        f.form().Fav_Click();
        QCOMPARE(favouriteActs(f.program), ids("3 3"));
    }

    void menuOnlyOnFavouriteRows()
    {
        FormFixture f;
        seed(f, u"(1), (2)"_s);
        Controls& u = f.ui();
        f.form().show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.form()));

        // The start-up list, the search and the recent list: no menu.
        QVERIFY(!clickOpensMenu(f, 0));
        f.form().LegiCons_Click();
        f.form().Label1_Click();
        QVERIFY(!clickOpensMenu(f, 0));

        f.form().LegiFav_Click();
        QCOMPARE(u.List1->Count(), 2);
        QVERIFY(!clickOpensMenu(f, 1, Qt::LeftButton));
        QVERIFY(clickOpensMenu(f, 1));
        QCOMPARE(u.List1->SelectedItem(), 1); // the row under the pointer
        QCOMPARE(u.st->actions().size(), 1);
        QCOMPARE(u.sterge->text(), u"Sterge de la legi favorite"_s);
        QVERIFY(!clickOpensMenu(f, -1));

        // Viewer and back: still the favourites list.
        u.List1->selectRow(0);
        f.form().List1_DblClick();
        f.form().Inapoi_Click();
        QVERIFY(clickOpensMenu(f, 0));

        // A search from the favourites screen lists rows without favourite ids.
        f.form().Label1_Click();
        QCOMPARE(u.List1->Count(), 3);
        QVERIFY(!clickOpensMenu(f, 0));
        u.List1->selectRow(0);
        u.sterge->trigger();
        QCOMPARE(f.program.count(u"legi_favorite"_s), 2);
        QCOMPARE(u.List1->Count(), 3);

        f.form().Cautare_Click();
        f.form().Label1_Click();
        QVERIFY(!clickOpensMenu(f, 0));
    }

    void favouriteOfAMissingAct()
    {
        FormFixture f;
        seed(f, u"(1), (99), (3)"_s);
        Controls& u = f.ui();
        f.form().LegiFav_Click();
        QCOMPARE(listColumn(*u.List1, 1), (QStringList{u"Legea unu"_s, u"(act indisponibil)"_s, u"Ordinul trei"_s}));
        QVERIFY(!u.List1->SubItem(1, 4).isEmpty());

        u.List1->selectRow(1);
        f.form().List1_DblClick();
        QCOMPARE(f.dialogs.messages, QStringList{u"Actul nu mai exista in catalog."_s});
        QVERIFY(u.textlege->isHidden());
        QCOMPARE(f.program.count(u"ultimele_legi"_s), 0);

        u.sterge->trigger();
        QCOMPARE(favouriteActs(f.program), ids("1 3"));
        QCOMPARE(u.List1->Count(), 2);
    }

    void storeFailureKeepsListedRows()
    {
        FormFixture f;
        seed(f, u"(1), ('x'), (3)"_s); // a damaged entry in the middle: its act cannot be looked up
        Controls& u = f.ui();
        f.form().LegiFav_Click();
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(listColumn(*u.List1, 3), ids("1"));
        QCOMPARE(f.program.count(u"legi_favorite"_s), 3);
        // The rows listed still work.
        u.List1->selectRow(0);
        u.sterge->trigger();
        QCOMPARE(favouriteActs(f.program), ids("x 3"));
    }
};

QTEST_MAIN(FavouritesTest)
#include "test_favourites.moc"
