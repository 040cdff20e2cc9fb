// Adding and editing events through the event panel, on the real store.
#include "agenda/EventEditor.h"
#include "support/TestSupport.h"

#include <QtTest>

using namespace testsupport;

namespace {

const QString kComment =
    QString::fromUtf8("Dosarul lui O'Brien, „Știință” \"urgent\"\nrândul doi: țară, împăcare\n\nfinal");

// Two types and the given events; today 14.03.2007, so the days are 14, 15 and 16 March.
void withTypes(FormFixture& f, const char* events = nullptr)
{
    f.program.exec(
        QStringLiteral("insert into tip_eveniment (tipeveniment) values ('Termen instanta'), ('Intalnire client')"));
    if (events)
        f.program.exec(QStringLiteral("insert into agenda (data, ora, coment, tipeveniment) values ") +
                       QString::fromUtf8(events));
}

// Chooses an entry the way a mouse pick does: the entry, then the click handler.
void pick(FormFixture& f, const QString& name)
{
    ComboBox* c = f.ui().tipev;
    c->setCurrentIndex(c->findText(name));
    f.form().tipev_Click();
}

// A real double-click at `at` on a view's rows, a press first as from a mouse.
void doubleClick(ListView* view, const QPoint& at)
{
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

QStringList agendaRows(FormFixture& f)
{
    QStringList out;
    for (const QStringList& r :
         f.program.rows(QStringLiteral("select id, data, ora, coment, tipeveniment from agenda order by id")))
        out << r.join(QLatin1Char('|'));
    return out;
}

} // namespace

class AgendaEventsTest : public QObject {
    Q_OBJECT

private slots:
    void addUnderMiddleViewAndSeeItAfterRestart()
    {
        FormFixture f;
        withTypes(f);
        Controls& u = f.ui();
        f.form().Agenda_Click();
        f.form().Label18_Click();
        QVERIFY(!u.Frame3->isHidden() && u.modif->isHidden());
        QCOMPARE(u.Datafr->text(), u.Text2->text());
        QCOMPARE(u.tipev->count(), 2);
        QCOMPARE(u.tipev->Text(), QString()); // nothing chosen yet

        u.tipev->setText(QStringLiteral("Intalnire client"));
        QCOMPARE(u.idev->text(), QString()); // setting the text is no pick
        pick(f, QStringLiteral("Intalnire client"));
        QCOMPARE(u.idev->text(), QStringLiteral("2"));
        u.Orra->setText(QStringLiteral("09:30"));
        u.Com->setText(kComment);
        f.form().Label26_Click();

        QVERIFY(u.Frame3->isHidden() && !u.Frame2->isHidden());
        QCOMPARE(u.Orra->text() + u.Com->Text(), QString());
        QCOMPARE(u.Text1->text() + u.Text2->text() + u.Text3->text(), QStringLiteral("14.03.200715.03.200716.03.2007"));
        QCOMPARE(agendaRows(f), QStringList({QStringLiteral("1|15.03.2007|09:30|") + kComment + QStringLiteral("|2")}));
        QCOMPARE(listRows(*u.View2),
                 QStringList({QStringLiteral("|09:30|Intalnire client|") + kComment + QStringLiteral("|1")}));
        QCOMPARE(u.View1->Count() + u.View3->Count(), 0);

        f.restart();
        f.form().Agenda_Click();
        QCOMPARE(listColumn(*f.ui().View2, 3), QStringList({kComment}));
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void theTypeStoredIsTheTypeShown()
    {
        FormFixture f;
        withTypes(f);
        Controls& u = f.ui();
        f.form().Agenda_Click();
        f.form().Label17_Click();
        u.Orra->setText(QStringLiteral("10:00"));
        f.form().Label26_Click();
        QCOMPARE(f.dialogs.messages, QStringList({EventEditor::noTypeChosenMessage()}));
        u.tipev->setEditText(QStringLiteral("Nu exista"));
        f.form().Label26_Click();
        QCOMPARE(f.dialogs.messages.last(), EventEditor::unknownTypeMessage());
        QVERIFY(!u.Frame3->isHidden());
        QCOMPARE(u.Orra->text(), QStringLiteral("10:00"));
        QCOMPARE(f.program.count(QStringLiteral("agenda")), 0LL);

        QTest::keyClick(u.tipev, Qt::Key_Down); // a keyboard pick
        const QString picked = u.tipev->Text();
        QVERIFY(!picked.isEmpty());
        QCOMPARE(u.idev->text(), f.program.scalar(QStringLiteral("select id from tip_eveniment where tipeveniment = ") +
                                                  quoted(picked)));
        f.form().Label26_Click();
        // Reopened, the panel shows the type it will store again.
        f.form().Label19_Click();
        QCOMPARE(u.tipev->Text(), picked);
        f.form().Label26_Click(); // empty hour and comment go in as empty texts
        QCOMPARE(agendaRows(f), QStringList({QStringLiteral("1|14.03.2007|10:00||") + u.idev->text(),
                                             QStringLiteral("2|16.03.2007|||") + u.idev->text()}));

        // A type removed behind the program's back is not offered as chosen.
        f.program.exec(QStringLiteral("delete from tip_eveniment where id = ") + u.idev->text());
        f.form().Label18_Click();
        QCOMPARE(u.tipev->Text() + u.idev->text(), QString());
    }

    void editRewritesTheRow()
    {
        FormFixture f;
        withTypes(f, "('15.03.2007', '08:00', 'vechi', 1)");
        Controls& u = f.ui();
        f.form().Agenda_Click();
        // A pick made earlier must not leak into the opened event's type.
        f.form().Label17_Click();
        pick(f, QStringLiteral("Intalnire client"));
        f.form().Label13_Click();

        u.View2->selectRow(0);
        f.form().View2_DblClick();
        QVERIFY(!u.Frame3->isHidden() && !u.modif->isHidden());
        QCOMPARE(QStringList({u.idag->text(), u.Datafr->text(), u.Orra->text(), u.tipev->Text(), u.Com->Text()}),
                 utf8List({"1", "15.03.2007", "08:00", "Termen instanta", "vechi"}));
        QCOMPARE(u.tipev->count(), 2); // refilled, not appended to

        // A name that is no type's: refused, nothing written, still editing.
        u.tipev->setEditText(QStringLiteral("Intalnire clientul"));
        f.form().modif_Click();
        QCOMPARE(f.dialogs.messages, QStringList({EventEditor::unknownTypeMessage()}));
        QVERIFY(!u.Frame3->isHidden() && !u.modif->isHidden());
        QCOMPARE(agendaRows(f), utf8List({"1|15.03.2007|08:00|vechi|1"}));

        // The exact name typed, a new hour and a multi-line comment.
        u.tipev->setEditText(QStringLiteral("Intalnire client"));
        u.Orra->setText(QStringLiteral("17:45"));
        u.Com->setText(kComment);
        f.form().modif_Click();
        QVERIFY(u.Frame3->isHidden() && u.modif->isHidden());
        QCOMPARE(agendaRows(f), QStringList({QStringLiteral("1|15.03.2007|17:45|") + kComment + QStringLiteral("|2")}));
        QCOMPARE(listRows(*u.View2),
                 QStringList({QStringLiteral("|17:45|Intalnire client|") + kComment + QStringLiteral("|1")}));
        QCOMPARE(u.Orra->text() + u.Com->Text(), QString());

        // By pick; reopening restores the comment intact.
        u.View2->selectRow(0);
        f.form().View2_DblClick();
        QCOMPARE(u.Com->Text(), kComment);
        pick(f, QStringLiteral("Termen instanta"));
        f.form().modif_Click();
        QCOMPARE(listColumn(*u.View2, 2), utf8List({"Termen instanta"}));
        QCOMPARE(f.dialogs.messages.size(), 1);
    }

    void dayAddAfterEditIsAddingMode()
    {
        FormFixture f;
        withTypes(f, "('14.03.2007', '08:00', 'x', 2)");
        Controls& u = f.ui();
        f.form().Agenda_Click();
        u.View1->selectRow(0);
        f.form().View1_DblClick();
        f.form().Cautare_Click(); // leaves the panel through the menu, "Modifica" still shown
        f.form().Agenda_Click();
        f.form().Label19_Click();
        QVERIFY(u.modif->isHidden());
        pick(f, QStringLiteral("Termen instanta"));
        f.form().Label26_Click();
        QCOMPARE(agendaRows(f), utf8List({"1|14.03.2007|08:00|x|2", "2|16.03.2007|08:00|x|1"}));
    }

    void doubleClickWithoutRowDoesNothing()
    {
        FormFixture f;
        withTypes(f, "('14.03.2007', '08:00', 'x', 1)");
        Controls& u = f.ui();
        f.form().show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.form()));
        f.form().Agenda_Click();
        f.form().View1_DblClick(); // rows, but none selected
        f.form().View2_DblClick(); // an empty day
        // Below the rows, with a row selected: still nothing.
        u.View1->selectRow(0);
        doubleClick(u.View1, QPoint(40, u.View1->viewport()->height() - 5));
        QVERIFY(u.Frame3->isHidden());
        QCOMPARE(u.idag->text(), QString());
        // A real double-click on the row opens it.
        doubleClick(u.View1, u.View1->visualRect(u.View1->model()->index(0, 1)).center());
        QVERIFY(!u.Frame3->isHidden());
        QCOMPARE(u.idag->text(), QStringLiteral("1"));
    }
};

QTEST_MAIN(AgendaEventsTest)
#include "test_agenda_events.moc"
