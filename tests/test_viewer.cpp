// Opening an act from the act list or the news list: the viewer's text, the
// heading, the screen switch, the history row, and the cases with nothing to open.
#include "support/TestSupport.h"

#include "store/modDB.h"

#include <QtTest>

using namespace testsupport;

namespace {

void addAct(const TempProgram& p, int id, const QString& title, const QString& content)
{
    p.exec(QStringLiteral("INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,Continut,nract) "
                          "VALUES (%1, %2, '2005', '01-01-2005', '1', 'parlamentul', 'lege', %3, '1')")
               .arg(id)
               .arg(quoted(title), quoted(content)));
}

QStringList lines(const RichTextBox& box)
{
    return box.Text().split(QLatin1Char('\n'));
}

bool onSearchScreen(const Controls& u)
{
    return !u.Frame1->isHidden() && !u.List1->isHidden() && !u.List4->isHidden() && u.textlege->isHidden()
           && u.Inapoi->isHidden() && u.Fav->isHidden() && u.Label12->isHidden();
}

} // namespace

class ViewerTest : public QObject {
    Q_OBJECT

private slots:
    void openFromListAndBack()
    {
        FormFixture f;
        addAct(f.program, 7, QStringLiteral("Legea nr. 7"), QStringLiteral("Art. 1. - Unu.\rArt. 2. - Doi."));
        addAct(f.program, 8, QStringLiteral("Legea nr. 8"), QStringLiteral("Opt"));
        f.restart();
        Controls& u = f.ui();
        const QStringList before = listRows(*u.List1);
        u.List1->selectRow(0);
        f.form().List1_DblClick();

        QVERIFY(f.dialogs.messages.isEmpty());
        QCOMPARE(u.Label11->text(), QStringLiteral("Legea nr. 7"));
        QCOMPARE(lines(*u.textlege),
                 (QStringList{QStringLiteral("Legea nr. 7"), {}, {}, {}, QStringLiteral("Art. 1. - Unu."),
                              QStringLiteral("Art. 2. - Doi."), {}, QStringLiteral("---Tarvenor 2007---")}));
        QVERIFY(u.List4->isHidden() && u.Frame1->isHidden() && u.List3->isHidden() && u.List1->isHidden());
        QVERIFY(!u.Label12->isHidden() && !u.textlege->isHidden() && !u.Inapoi->isHidden() && !u.Fav->isHidden());
        QCOMPARE(f.program.rows(QStringLiteral("select id_acte from ultimele_legi")).size(), size_t(1));
        QCOMPARE(f.program.scalar(QStringLiteral("select id_acte from ultimele_legi")), QStringLiteral("7"));

        f.form().Inapoi_Click();
        QVERIFY(onSearchScreen(u));
        QCOMPARE(listRows(*u.List1), before);
        QCOMPARE(u.Label11->text(), QString());

        // Each opening is recorded, also of the same act.
        u.List1->selectRow(0);
        f.form().List1_DblClick();
        f.form().Inapoi_Click();
        u.List1->selectRow(1);
        f.form().List1_DblClick();
        QCOMPARE(f.program.rows(QStringLiteral("select id_acte from ultimele_legi order by id")),
                 (std::vector<QStringList>{{QStringLiteral("7")}, {QStringLiteral("7")}, {QStringLiteral("8")}}));
    }

    void lineEndsOfTheActText()
    {
        FormFixture f;
        addAct(f.program, 1, QStringLiteral("CRLF"), QStringLiteral("a\r\nb\r\n\r\nc"));
        addAct(f.program, 2, QStringLiteral("LF"), QStringLiteral("a\nb\n\nc"));
        addAct(f.program, 3, QStringLiteral("CR"), QStringLiteral("a\rb\r\rc"));
        addAct(f.program, 4, QStringLiteral("Gol"), QString());
        addAct(f.program, 5, QStringLiteral("LF first"), QStringLiteral("\nabc\r"));
        f.restart();
        Controls& u = f.ui();
        const QStringList body{QStringLiteral("a"), QStringLiteral("b"), {}, QStringLiteral("c")};
        for (int r = 0; r < 3; ++r) {
            u.List1->selectRow(r);
            f.form().List1_DblClick();
            QCOMPARE(lines(*u.textlege).mid(4, 4), body);
            QCOMPARE(lines(*u.textlege).size(), 10);
            f.form().Inapoi_Click();
        }
        u.List1->selectRow(3);
        f.form().List1_DblClick();
        QCOMPARE(lines(*u.textlege), (QStringList{QStringLiteral("Gol"), {}, {}, {}, {}, {},
                                                  QStringLiteral("---Tarvenor 2007---")}));
        f.form().Inapoi_Click();
        // A line end at the very start or end of the act is a line of its own.
        u.List1->selectRow(4);
        f.form().List1_DblClick();
        QCOMPARE(lines(*u.textlege), (QStringList{QStringLiteral("LF first"), {}, {}, {}, {}, QStringLiteral("abc"),
                                                  {}, {}, QStringLiteral("---Tarvenor 2007---")}));
    }

    void nothingSelectedDoesNothing()
    {
        FormFixture f;
        Controls& u = f.ui();
        QCOMPARE(u.List1->Count(), 0);
        const long long calls = f.form().db().callCount();
        f.form().List1_DblClick();
        f.form().List4_DblClick();
        QCOMPARE(f.form().db().callCount(), calls);
        QVERIFY(onSearchScreen(u));
        QVERIFY(f.dialogs.messages.isEmpty());
        QCOMPARE(f.program.count(QStringLiteral("ultimele_legi")), 0);
    }

    void doubleClickBelowTheRows()
    {
        FormFixture f;
        addAct(f.program, 1, QStringLiteral("Unu"), QStringLiteral("x"));
        f.restart();
        Controls& u = f.ui();
        f.form().show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.form()));
        u.List1->selectRow(0);
        const QPoint below(u.List1->viewport()->width() / 2, u.List1->viewport()->height() - 5);
        QVERIFY(!u.List1->indexAt(below).isValid());
        QTest::mouseClick(u.List1->viewport(), Qt::LeftButton, {}, below);
        QTest::mouseDClick(u.List1->viewport(), Qt::LeftButton, {}, below);
        QVERIFY(onSearchScreen(u));
        QVERIFY(f.dialogs.messages.isEmpty());
        QCOMPARE(f.program.count(QStringLiteral("ultimele_legi")), 0);

        // On the row itself it opens.
        QSignalSpy dbl(u.List1, &ListView::DblClick);
        const QPoint onRow = u.List1->visualRect(u.List1->model()->index(0, 1)).center();
        QTest::mouseClick(u.List1->viewport(), Qt::LeftButton, {}, onRow);
        QTest::mouseDClick(u.List1->viewport(), Qt::LeftButton, {}, onRow);
        QCOMPARE(dbl.count(), 1);
        QVERIFY(!u.textlege->isHidden());
        QCOMPARE(f.program.count(QStringLiteral("ultimele_legi")), 1);
    }

    void missingActStaysOnTheList()
    {
        FormFixture f;
        addAct(f.program, 1, QStringLiteral("Unu"), QStringLiteral("x"));
        f.restart();
        f.program.exec(QStringLiteral("delete from Acte"));
        Controls& u = f.ui();
        u.List1->selectRow(0);
        f.form().List1_DblClick();
        QCOMPARE(f.dialogs.messages, QStringList{QStringLiteral("Actul nu mai exista in catalog.")});
        QVERIFY(onSearchScreen(u));
        QCOMPARE(u.List1->Count(), 1);
        QCOMPARE(f.program.count(QStringLiteral("ultimele_legi")), 0);
    }

    void openNewsItemByItsLink()
    {
        FormFixture f(true);
        Controls& u = f.ui();
        QCOMPARE(u.List4->SubItem(0, 2), QStringLiteral("40"));
        const QString headline = u.List4->SubItem(0, 1);
        u.List4->selectRow(0);
        f.form().List4_DblClick();
        QVERIFY(f.dialogs.messages.isEmpty());
        QCOMPARE(u.Label11->text(), QStringLiteral("Legea nr. 287/2009 privind Codul civil"));
        QVERIFY(u.Label11->text() != headline);
        QCOMPARE(lines(*u.textlege).first(), QStringLiteral("Legea nr. 287/2009 privind Codul civil"));
        QCOMPARE(lines(*u.textlege).last(), QStringLiteral("---Tarvenor 2007---"));
        QVERIFY(u.List4->isHidden() && u.Frame1->isHidden() && u.List1->isHidden());
        QVERIFY(!u.textlege->isHidden() && !u.Inapoi->isHidden() && !u.Fav->isHidden() && !u.Label12->isHidden());
        QCOMPARE(f.program.scalar(QStringLiteral("select group_concat(id_acte) from ultimele_legi")), QStringLiteral("40"));

        f.form().Inapoi_Click();
        QVERIFY(onSearchScreen(u));
        QCOMPARE(u.List1->Count(), 45);
    }

    void newsItemOfAMissingAct()
    {
        TempProgram p;
        p.exec(QStringLiteral("insert into noutati (id, titlu, link) values (1, 'Stire', 99)"));
        RecordingDialogs dialogs;
        Form1 form(p.dir(), nullptr, &dialogs);
        Controls& u = form.controls();
        u.List4->selectRow(0);
        form.List4_DblClick();
        QCOMPARE(dialogs.messages, QStringList{QStringLiteral("Actul nu mai exista in catalog.")});
        QVERIFY(onSearchScreen(u));
        QCOMPARE(p.count(QStringLiteral("ultimele_legi")), 0);
    }
};

QTEST_MAIN(ViewerTest)
#include "test_viewer.moc"
