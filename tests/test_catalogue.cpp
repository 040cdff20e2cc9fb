// The catalogue screens through the window: opening acts from the act list
// and the news (text, heading, screen, history), the recent acts, the
// favourites with their pop-up menu, and the contract templates.
#include "catalogue/Favourites.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QMenu>
#include <QTextBlock>
#include <QtTest>

using namespace testsupport;
using namespace Qt::StringLiterals;

namespace {

void addActs(FormFixture& f, const QStringList& contents)
{
    for (int id = 1; id <= contents.size(); ++id)
        f.program.exec(u"INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) "
                       "VALUES (%1, 'Actul %1', '2005', '01-01-2005', '1', 'parlamentul', 'lege', %2, '1')"_s.arg(id)
                           .arg(quoted(contents[id - 1])));
    f.restart();
}

bool onSearchScreen(const Controls& u)
{
    return !u.Frame1->isHidden() && !u.List1->isHidden() && u.textlege->isHidden();
}

bool onViewerScreen(const Controls& u)
{
    return u.List4->isHidden() && u.Frame1->isHidden() && u.List3->isHidden() && u.List1->isHidden() &&
           !u.Label12->isHidden() && !u.textlege->isHidden() && !u.Inapoi->isHidden() && !u.Fav->isHidden();
}

void open(FormFixture& f, int row)
{
    f.ui().List1->selectRow(row);
    f.form().List1_DblClick();
}

void openTemplate(FormFixture& f, int row)
{
    f.ui().List3->selectRow(row);
    f.form().List3_DblClick();
}

// The act ids of a table's rows, oldest first.
QStringList idsIn(const TempProgram& p, const char* table)
{
    return joinedRows(p, u"select id_acte from %1 order by id"_s.arg(QLatin1String(table)));
}

QStringList ids(const char* spaced)
{
    return QString::fromLatin1(spaced).split(u' ', Qt::SkipEmptyParts);
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

const QString kEnd = u"---Tarvenor 2007---"_s;
const QString kMissing = u"Actul nu mai exista in catalog."_s;

} // namespace

class CatalogueTest : public QObject {
    Q_OBJECT

private slots:
    void openingActs()
    {
        FormFixture f;
        addActs(f, {u"Art. 1. - Unu.\rArt. 2. - Doi."_s, u"a\r\nb\r\n\r\nc"_s, u"a\nb\n\nc"_s, u"a\rb\r\rc"_s,
                    QString(), u"\nabc\r"_s});
        Controls& u = f.ui();
        const QStringList before = listRows(*u.List1);
        const QStringList abc{u"a"_s, u"b"_s, {}, u"c"_s, {}, kEnd};
        const QStringList expected[] = {{u"Actul 1"_s, {}, {}, {}, u"Art. 1. - Unu."_s, u"Art. 2. - Doi."_s, {}, kEnd},
                                        QStringList{u"Actul 2"_s, {}, {}, {}} + abc,
                                        QStringList{u"Actul 3"_s, {}, {}, {}} + abc,
                                        QStringList{u"Actul 4"_s, {}, {}, {}} + abc,
                                        {u"Actul 5"_s, {}, {}, {}, {}, {}, kEnd},
                                        // A line end at the very start or end is a line of its own.
                                        {u"Actul 6"_s, {}, {}, {}, {}, u"abc"_s, {}, {}, kEnd}};
        for (int r = 0; r < 6; ++r) {
            open(f, r);
            QCOMPARE(u.Label11->text(), u"Actul %1"_s.arg(r + 1));
            QCOMPARE(u.textlege->Text().split(u'\n'), expected[r]);
            QVERIFY(onViewerScreen(u));
            f.form().Inapoi_Click();
            QVERIFY(onSearchScreen(u));
        }
        QCOMPARE(listRows(*u.List1), before);
        open(f, 0); // each opening is recorded, also of the same act
        QCOMPARE(idsIn(f.program, "ultimele_legi"), ids("1 2 3 4 5 6 1"));
        QVERIFY(f.dialogs.messages.isEmpty());
        // A news item or a listed act that is gone: a message, the list stays, nothing recorded.
        f.program.exec(u"insert into noutati (id, titlu, link) values (1, 'Stire', 99)"_s);
        f.restart();
        f.program.exec(u"delete from Acte"_s);
        Controls& v = f.ui();
        v.List4->selectRow(0);
        f.form().List4_DblClick();
        open(f, 0);
        QCOMPARE(f.dialogs.messages, (QStringList{kMissing, kMissing}));
        QVERIFY(onSearchScreen(v) && v.List1->Count() == 6);
        QCOMPARE(f.program.count(u"ultimele_legi"_s), 7);
    }

    void recentActsNewestFirst()
    {
        FormFixture f;
        addActs(f, QStringList(12, u"text"_s));
        f.program.exec(u"insert into ultimele_legi (id_acte) values (1), (99), (2)"_s);
        f.form().LegiCons_Click();
        QCOMPARE(listColumn(*f.ui().List1, 3), ids("2 1")); // an act gone is skipped
        f.form().Label1_Click();
        for (int r : {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 11}) {
            open(f, r);
            f.form().Inapoi_Click();
        }
        f.form().LegiCons_Click();
        QCOMPARE(listRows(*f.ui().List1).first(), u"|Actul 12|lege|12|"_s);
        QCOMPARE(listColumn(*f.ui().List1, 3), ids("12 12 11 10 9 8 7 6 5 4")); // the ten newest, repeats kept
        // Opening from the recent list is recorded too; back shows the same rows.
        open(f, 9);
        f.form().Inapoi_Click();
        QCOMPARE(listColumn(*f.ui().List1, 3), ids("12 12 11 10 9 8 7 6 5 4"));
        f.form().LegiCons_Click();
        QCOMPARE(listColumn(*f.ui().List1, 3), ids("4 12 12 11 10 9 8 7 6 5"));
    }

    void addListAndRemoveOneByOne()
    {
        FormFixture f;
        f.program.exec(u"insert into noutati (id, titlu, link) values (1, 'Stire', 3)"_s);
        addActs(f, QStringList(3, u"text"_s));
        Controls& u = f.ui();
        u.List1->selectRow(1);
        f.form().List1_DblClick();
        f.form().Fav_Click();
        f.form().Fav_Click();             // an act already a favourite is not added again
        QVERIFY(!u.textlege->isHidden()); // adding changes nothing on screen
        // A store that already holds a duplicate keeps listing both rows.
        f.program.exec(u"insert into legi_favorite (id_acte) values (2)"_s);
        f.form().Inapoi_Click();
        // From the news, with another act selected in List1: the act shown is the one added.
        u.List1->selectRow(0);
        u.List4->selectRow(0);
        f.form().List4_DblClick();
        f.form().Fav_Click();
        QCOMPARE(idsIn(f.program, "legi_favorite"), ids("2 2 3"));

        f.form().LegiFav_Click();
        QVERIFY(f.form().FavMode);
        QCOMPARE(listRows(*u.List1).at(0).section(u'|', 0, 3), u"|Actul 2|lege|2"_s);
        QCOMPARE(listColumn(*u.List1, 3), ids("2 2 3"));
        const QStringList favIds = listColumn(*u.List1, 4);
        QVERIFY(favIds.size() == 3 && favIds.at(0) != favIds.at(1) && !favIds.at(0).isEmpty());
        QCOMPARE(listColumn(*u.List2, 2), favIds);
        // Remove the second row: the other entry of the same act stays, order kept.
        u.List1->selectRow(1);
        u.sterge->trigger();
        QCOMPARE(listColumn(*u.List1, 4), (QStringList{favIds.at(0), favIds.at(2)}));
        QCOMPARE(idsIn(f.program, "legi_favorite"), ids("2 3"));
        QVERIFY(f.form().FavMode);
        QCOMPARE(f.dialogs.messages, (QStringList{Favourites::addedMessage(), Favourites::alreadyFavouriteMessage(),
                                                  Favourites::addedMessage()}));
    }

    void menuAndMissingActs()
    {
        FormFixture f;
        f.program.exec(u"insert into legi_favorite (id_acte) values (1), (2)"_s);
        addActs(f, QStringList(3, u"text"_s));
        Controls& u = f.ui();
        f.form().show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.form()));
        QVERIFY(!clickOpensMenu(f, 0)); // the start-up list
        f.form().LegiCons_Click();
        f.form().Label1_Click();
        QVERIFY(!clickOpensMenu(f, 0)); // a search
        f.form().LegiFav_Click();
        QVERIFY(!clickOpensMenu(f, 1, Qt::LeftButton));
        QVERIFY(clickOpensMenu(f, 1));
        QCOMPARE(u.List1->SelectedItem(), 1); // the row under the pointer
        QCOMPARE(u.sterge->text(), u"Sterge de la legi favorite"_s);
        QVERIFY(!clickOpensMenu(f, -1));
        // A search from the favourites screen lists rows without favourite ids.
        f.form().Label1_Click();
        QVERIFY(!clickOpensMenu(f, 0));
        u.List1->selectRow(0);
        u.sterge->trigger();
        QCOMPARE(f.program.count(u"legi_favorite"_s), 2);
        QCOMPARE(u.List1->Count(), 3);
        FormFixture g;
        g.program.exec(u"insert into legi_favorite (id_acte) values (1), (99), (3)"_s);
        addActs(g, QStringList(3, u"text"_s));
        Controls& v = g.ui();
        g.form().LegiFav_Click();
        QCOMPARE(listColumn(*v.List1, 1), (QStringList{u"Actul 1"_s, u"(act indisponibil)"_s, u"Actul 3"_s}));
        v.List1->selectRow(1);
        g.form().List1_DblClick();
        QCOMPARE(g.dialogs.messages, QStringList{u"Actul nu mai exista in catalog."_s});
        QVERIFY(v.textlege->isHidden());
        v.sterge->trigger(); // still removable
        QCOMPARE(idsIn(g.program, "legi_favorite"), ids("1 3"));
        QCOMPARE(v.List1->Count(), 2);
        // A damaged entry (no act id at all): one message, the rows before it listed and still removable.
        g.program.exec(u"insert into legi_favorite (id_acte) values ('x'), (1)"_s);
        g.form().LegiFav_Click();
        QCOMPARE(g.dialogs.messages.size(), 2);
        QCOMPARE(listColumn(*v.List1, 3), ids("1 3"));
        v.List1->selectRow(0);
        v.sterge->trigger();
        QCOMPARE(idsIn(g.program, "legi_favorite"), ids("3 x 1"));
    }

    void templates()
    {
        FormFixture f;
        Controls& u = f.ui();
        f.form().Contracte_Click();
        f.form().Contracte_Click(); // rebuilt, not appended to
        const char* const expected[][3] = {
            {"Contract de donatie", "CONTRACT DE DONAȚIE", "în calitate de DONATOR"},
            {"Contract de inchiriere locuinte", "CONTRACT DE ÎNCHIRIERE A LOCUINȚEI",
             "denumit(ă) în continuare CHIRIAȘ"},
            {"Contract de sponsorizare", "CONTRACT DE SPONSORIZARE", "Legii nr. 32/1994 privind sponsorizarea"}};
        QCOMPARE(u.List3->Count(), 3);
        for (int row = 0; row < 3; ++row) {
            const QString name = QString::fromUtf8(expected[row][0]);
            QCOMPARE(listRows(*u.List3).at(row), u"|%1|%1.rtf|"_s.arg(name));
            openTemplate(f, row);
            QCOMPARE(u.Label11->text(), name);
            const QTextBlock title = u.textlege->document()->firstBlock();
            QCOMPARE(title.text(), QString::fromUtf8(expected[row][1]));
            const QTextCharFormat look = title.begin().fragment().charFormat();
            QVERIFY(title.blockFormat().alignment() == Qt::AlignHCenter && look.fontWeight() >= QFont::Bold &&
                    look.fontPointSize() > 12);
            // Blanks, headings and phrases, with no cedilla fallback or stray question mark.
            const QString text = u.textlege->toPlainText();
            for (const char* part : {expected[row][2], "........", "PĂRȚILE CONTRACTANTE", "DISPOZIȚII FINALE"})
                QVERIFY2(text.contains(QString::fromUtf8(part)), part);
            QVERIFY(!text.contains(QChar(0x015F)) && !text.contains(QChar(0x0163)) && !text.contains(u'?'));
            f.form().inapoi2_Click();
        }
        QVERIFY(f.dialogs.messages.isEmpty());

        // A file gone or broken is reported with the reader's reason, and what
        // was shown before is not left on screen.
        openTemplate(f, 0);
        const QDir docs(QDir(f.program.dir()).filePath(u"Docs"_s));
        const QString missing = docs.filePath(u"Contract de sponsorizare.rtf"_s);
        QVERIFY(QFile::remove(missing));
        QFile broken(docs.filePath(u"Contract de donatie.rtf"_s));
        QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
        broken.write("PK\x03\x04 not a rich text file");
        broken.close();
        f.form().inapoi2_Click();
        openTemplate(f, 2);
        QCOMPARE(f.dialogs.messages, QStringList{u"Fisierul %1 nu poate fi deschis.\rFisierul lipseste."_s.arg(
                                         QDir::toNativeSeparators(missing))});
        QVERIFY(u.textlege->document()->isEmpty());
        QVERIFY(!u.inapoi2->isHidden());
        QCOMPARE(u.Label11->text(), u"Contract de sponsorizare"_s);
        f.form().inapoi2_Click();
        openTemplate(f, 0);
        QCOMPARE(f.dialogs.messages.size(), 2);
        QVERIFY(f.dialogs.messages[1].endsWith(
            u"Contract de donatie.rtf nu poate fi deschis.\rFisierul nu este in format RTF."_s));
        QVERIFY(u.textlege->document()->isEmpty());
    }
};

QTEST_MAIN(CatalogueTest)
#include "test_catalogue.moc"
