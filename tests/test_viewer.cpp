// Opening an act from the act list or the news list: the viewer's text, the
// heading, the screen switch, the history row, and the cases with nothing to open.
#include "support/TestSupport.h"

#include "store/modDB.h"

#include <QtTest>

using namespace testsupport;
using namespace Qt::StringLiterals;

namespace {

void addAct(const TempProgram& p, int id, const QString& title, const QString& content)
{
    p.exec(u"INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) "
           "VALUES (%1, %2, '2005', '01-01-2005', '1', 'parlamentul', 'lege', %3, '1')"_s.arg(id)
               .arg(quoted(title), quoted(content)));
}

QStringList lines(const RichTextBox& box)
{
    return box.Text().split(u'\n');
}

bool onSearchScreen(const Controls& u)
{
    return !u.Frame1->isHidden() && !u.List1->isHidden() && !u.List4->isHidden() && u.textlege->isHidden() &&
           u.Inapoi->isHidden() && u.Fav->isHidden() && u.Label12->isHidden();
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

const QString kEnd = u"---Tarvenor 2007---"_s;
const QString kMissing = u"Actul nu mai exista in catalog."_s;

} // namespace

class ViewerTest : public QObject {
    Q_OBJECT

private slots:
    void openFromListAndBack()
    {
        FormFixture f;
        addAct(f.program, 7, u"Legea nr. 7"_s, u"Art. 1. - Unu.\rArt. 2. - Doi."_s);
        addAct(f.program, 8, u"Legea nr. 8"_s, u"Opt"_s);
        f.restart();
        Controls& u = f.ui();
        const QStringList before = listRows(*u.List1);
        open(f, 0);
        QVERIFY(f.dialogs.messages.isEmpty());
        QCOMPARE(u.Label11->text(), u"Legea nr. 7"_s);
        QCOMPARE(lines(*u.textlege),
                 (QStringList{u"Legea nr. 7"_s, {}, {}, {}, u"Art. 1. - Unu."_s, u"Art. 2. - Doi."_s, {}, kEnd}));
        QVERIFY(onViewerScreen(u));
        QCOMPARE(f.program.scalar(u"select group_concat(id_acte) from ultimele_legi"_s), u"7"_s);

        f.form().Inapoi_Click();
        QVERIFY(onSearchScreen(u));
        QCOMPARE(listRows(*u.List1), before);
        QCOMPARE(u.Label11->text(), QString());

        // Each opening is recorded, also of the same act.
        open(f, 0);
        f.form().Inapoi_Click();
        open(f, 1);
        QCOMPARE(
            f.program.scalar(u"select group_concat(id_acte) from (select id_acte from ultimele_legi order by id)"_s),
            u"7,7,8"_s);
    }

    void lineEndsOfTheActText()
    {
        FormFixture f;
        addAct(f.program, 1, u"CRLF"_s, u"a\r\nb\r\n\r\nc"_s);
        addAct(f.program, 2, u"LF"_s, u"a\nb\n\nc"_s);
        addAct(f.program, 3, u"CR"_s, u"a\rb\r\rc"_s);
        addAct(f.program, 4, u"Gol"_s, QString());
        addAct(f.program, 5, u"LF first"_s, u"\nabc\r"_s);
        f.restart();
        Controls& u = f.ui();
        for (int r = 0; r < 3; ++r) {
            open(f, r);
            QCOMPARE(lines(*u.textlege).mid(4), (QStringList{u"a"_s, u"b"_s, {}, u"c"_s, {}, kEnd}));
            f.form().Inapoi_Click();
        }
        open(f, 3);
        QCOMPARE(lines(*u.textlege), (QStringList{u"Gol"_s, {}, {}, {}, {}, {}, kEnd}));
        f.form().Inapoi_Click();
        // A line end at the very start or end of the act is a line of its own.
        open(f, 4);
        QCOMPARE(lines(*u.textlege), (QStringList{u"LF first"_s, {}, {}, {}, {}, u"abc"_s, {}, {}, kEnd}));
    }

    void nothingToOpenDoesNothing()
    {
        FormFixture f;
        addAct(f.program, 1, u"Unu"_s, u"x"_s);
        f.restart();
        Controls& u = f.ui();
        // No row selected, and no news at all: not even a query.
        u.List1->setCurrentIndex(QModelIndex());
        QCOMPARE(u.List1->SelectedItem(), -1);
        const long long calls = f.form().db().callCount();
        f.form().List1_DblClick();
        f.form().List4_DblClick();
        QCOMPARE(f.form().db().callCount(), calls);
        QVERIFY(onSearchScreen(u));

        // A real double-click below the rows, with a row selected.
        f.form().show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.form()));
        u.List1->selectRow(0);
        const QPoint below(u.List1->viewport()->width() / 2, u.List1->viewport()->height() - 5);
        QVERIFY(!u.List1->indexAt(below).isValid());
        QTest::mouseClick(u.List1->viewport(), Qt::LeftButton, {}, below);
        QTest::mouseDClick(u.List1->viewport(), Qt::LeftButton, {}, below);
        QVERIFY(onSearchScreen(u));
        QVERIFY(f.dialogs.messages.isEmpty());
        QCOMPARE(f.program.count(u"ultimele_legi"_s), 0);

        // On the row itself it opens.
        QSignalSpy dbl(u.List1, &ListView::DblClick);
        const QPoint onRow = u.List1->visualRect(u.List1->model()->index(0, 1)).center();
        QTest::mouseClick(u.List1->viewport(), Qt::LeftButton, {}, onRow);
        QTest::mouseDClick(u.List1->viewport(), Qt::LeftButton, {}, onRow);
        QCOMPARE(dbl.count(), 1);
        QVERIFY(!u.textlege->isHidden());
        QCOMPARE(f.program.count(u"ultimele_legi"_s), 1);
    }

    void missingActStaysOnTheList()
    {
        FormFixture f;
        addAct(f.program, 1, u"Unu"_s, u"x"_s);
        f.program.exec(u"insert into noutati (id, titlu, link) values (1, 'Stire', 99)"_s);
        f.restart();
        Controls& u = f.ui();
        u.List4->selectRow(0);
        f.form().List4_DblClick();
        QCOMPARE(f.dialogs.messages, QStringList{kMissing});
        QVERIFY(onSearchScreen(u));

        f.program.exec(u"delete from Acte"_s);
        open(f, 0);
        QCOMPARE(f.dialogs.messages, (QStringList{kMissing, kMissing}));
        QVERIFY(onSearchScreen(u));
        QCOMPARE(u.List1->Count(), 1);
        QCOMPARE(f.program.count(u"ultimele_legi"_s), 0);
    }

    void openNewsItemByItsLink()
    {
        FormFixture f(true);
        Controls& u = f.ui();
        QCOMPARE(u.List4->SubItem(0, 2), u"40"_s);
        const QString headline = u.List4->SubItem(0, 1);
        u.List4->selectRow(0);
        f.form().List4_DblClick();
        QVERIFY(f.dialogs.messages.isEmpty());
        QCOMPARE(u.Label11->text(), u"Legea nr. 287/2009 privind Codul civil"_s);
        QVERIFY(u.Label11->text() != headline);
        QCOMPARE(lines(*u.textlege).first(), u.Label11->text());
        QCOMPARE(lines(*u.textlege).last(), kEnd);
        QVERIFY(onViewerScreen(u));
        QCOMPARE(f.program.scalar(u"select group_concat(id_acte) from ultimele_legi"_s), u"40"_s);

        f.form().Inapoi_Click();
        QVERIFY(onSearchScreen(u));
        QCOMPARE(u.List1->Count(), 45);
    }
};

QTEST_MAIN(ViewerTest)
#include "test_viewer.moc"
