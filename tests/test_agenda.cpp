// The agenda: which days the three columns hold, what each view lists, adding
// and editing events, and defining event types, on the real window and store.
#include "agenda/EventEditor.h"
#include "agenda/EventTypes.h"
#include "support/TestSupport.h"

#include <QtTest>

using namespace testsupport;

namespace {

const QString kComment =
    QString::fromUtf8("Dosarul lui O'Brien, „Știință” \"urgent\"\nrândul doi: țară, împăcare\n\nfinal");

// Two types and the given events; today 14.03.2007 unless a test says otherwise.
void seed(FormFixture& f, const char* events = nullptr)
{
    f.program.exec(
        QStringLiteral("insert into tip_eveniment (tipeveniment) values ('Termen instanta'), ('Intalnire client')"));
    if (events)
        f.program.exec(QStringLiteral("insert into agenda (data, ora, coment, tipeveniment) values ") +
                       QString::fromUtf8(events));
}

QStringList days(FormFixture& f)
{
    return {f.ui().Text1->text(), f.ui().Text2->text(), f.ui().Text3->text()};
}

void press(FormFixture& f, const char* arrows)
{
    for (const char* c = arrows; *c; ++c)
        *c == '>' ? f.form().Label16_Click() : f.form().Label15_Click();
}

// Chooses an entry the way a mouse pick does: the entry, then the click handler.
void pick(FormFixture& f, const QString& name)
{
    f.ui().tipev->setCurrentIndex(f.ui().tipev->findText(name));
    f.form().tipev_Click();
}

QStringList table(FormFixture& f,
                  const char* sql = "select id, data, ora, coment, tipeveniment from agenda order by id")
{
    return joinedRows(f.program, QString::fromLatin1(sql));
}

} // namespace

class AgendaTest : public QObject {
    Q_OBJECT

private slots:
    void calendar()
    {
        const struct {
            QDate today;
            const char* arrows;
            const char* days;
        } cases[] = {
            {QDate(2026, 12, 31), ">", "01.01.2027 02.01.2027 03.01.2027"},
            {QDate(2026, 12, 31), "><", "31.12.2026 01.01.2027 02.01.2027"},
            {QDate(2027, 1, 1), "<", "31.12.2026 01.01.2027 02.01.2027"},
            {QDate(2024, 2, 27), ">", "28.02.2024 29.02.2024 01.03.2024"},
            {QDate(2023, 2, 27), ">", "28.02.2023 01.03.2023 02.03.2023"},
            {QDate(2100, 2, 27), "", "27.02.2100 28.02.2100 01.03.2100"},
            {QDate(2000, 2, 28), "", "28.02.2000 29.02.2000 01.03.2000"},
            {QDate(2007, 3, 14), ">>>>>>>", "21.03.2007 22.03.2007 23.03.2007"},
        };
        for (const auto& c : cases) {
            FormFixture f(false, c.today);
            f.form().Agenda_Click();
            QVERIFY(!f.ui().Frame2->isHidden());
            press(f, c.arrows);
            QCOMPARE(days(f).join(QLatin1Char(' ')), QLatin1String(c.days));
        }
        // Another regional form; the agenda entry starts at today again after paging.
        FormFixture f(false, QDate(2026, 12, 31));
        f.form().setShortDateFormat(QStringLiteral("M/d/yyyy"));
        seed(f, "('1/2/2027', '09:00', '', 1)");
        f.form().Agenda_Click();
        QCOMPARE(days(f), utf8List({"12/31/2026", "1/1/2027", "1/2/2027"}));
        QCOMPARE(f.ui().View3->Count(), 1);
        press(f, ">");
        QCOMPARE(days(f), utf8List({"1/1/2027", "1/2/2027", "1/3/2027"}));
        QCOMPARE(f.ui().View2->Count() * 10 + f.ui().View3->Count(), 10);
        press(f, "><");
        f.form().Agenda_Click();
        QCOMPARE(days(f).first(), QStringLiteral("12/31/2026"));
    }

    void viewsListEachDaysEvents()
    {
        FormFixture f;
        seed(f, "('14.03.2007', '09:00', 'Dosar 12/2007', 1), ('14.03.2007', '09:00', 'Client nou', 2),"
                "('14.03.2007', '11:00', 'Tip sters', 99), ('16.03.2007', '15:30', 'Primul' || char(10) || 'doi', 2)");
        f.form().Agenda_Click();
        const Controls& u = f.ui();
        // Two events at the same hour both show; the one whose type is gone shows nowhere.
        QCOMPARE(listRows(*u.View1),
                 utf8List({"|09:00|Termen instanta|Dosar 12/2007|1", "|09:00|Intalnire client|Client nou|2"}));
        QCOMPARE(u.View2->Count(), 0);
        QCOMPARE(listRows(*u.View3), utf8List({"|15:30|Intalnire client|Primul\ndoi|4"}));
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void addUnderEachDay()
    {
        FormFixture f;
        seed(f);
        Controls& u = f.ui();
        f.form().Agenda_Click();
        f.form().Label18_Click();
        QVERIFY(!u.Frame3->isHidden() && u.modif->isHidden());
        QCOMPARE(u.Datafr->text(), QStringLiteral("15.03.2007"));
        u.tipev->setText(QStringLiteral("Intalnire client"));
        QCOMPARE(u.idev->text(), QString()); // setting the text is no pick
        pick(f, QStringLiteral("Intalnire client"));
        QCOMPARE(u.idev->text(), QStringLiteral("2"));
        u.Orra->setText(QStringLiteral("09:30"));
        u.Com->setText(kComment);
        f.form().Label26_Click();
        QVERIFY(u.Frame3->isHidden() && !u.Frame2->isHidden());
        QCOMPARE(table(f), QStringList({QStringLiteral("1|15.03.2007|09:30|") + kComment + QStringLiteral("|2")}));
        QCOMPARE(listRows(*u.View2),
                 QStringList({QStringLiteral("|09:30|Intalnire client|") + kComment + QStringLiteral("|1")}));
        QCOMPARE(u.View1->Count() + u.View3->Count(), 0);
        // The first and the last day; the type chosen before is offered again.
        f.form().Label17_Click();
        QCOMPARE(u.tipev->Text(), QStringLiteral("Intalnire client"));
        f.form().Label26_Click(); // empty hour and comment go in as empty texts
        f.form().Label19_Click();
        f.form().Label26_Click();
        QCOMPARE(table(f, "select data, ora, coment, tipeveniment from agenda where id > 1"),
                 utf8List({"14.03.2007|||2", "16.03.2007|||2"}));

        // No type shown, or a name that is no type's: refused, the panel kept as it was.
        f.form().Label17_Click();
        u.Orra->setText(QStringLiteral("10:00"));
        u.tipev->setEditText(QString());
        f.form().Label26_Click();
        QCOMPARE(f.dialogs.messages, QStringList({EventEditor::noTypeChosenMessage()}));
        u.tipev->setEditText(QStringLiteral("Nu exista"));
        f.form().Label26_Click();
        QCOMPARE(f.dialogs.messages.last(), EventEditor::unknownTypeMessage());
        QVERIFY(!u.Frame3->isHidden() && u.Orra->text() == QStringLiteral("10:00"));
        QCOMPARE(f.program.count(QStringLiteral("agenda")), 3LL);
        u.tipev->setEditText(QStringLiteral("Termen instanta")); // typed, not picked
        f.form().Label26_Click();
        QCOMPARE(table(f).last(), QStringLiteral("4|14.03.2007|10:00||1"));
        // A type removed behind the program's back is not offered as chosen.
        f.program.exec(QStringLiteral("delete from tip_eveniment where id = 1"));
        f.form().Label18_Click();
        QCOMPARE(u.tipev->Text() + u.idev->text(), QString());
    }

    void editRewritesTheRow()
    {
        FormFixture f;
        seed(f, "('15.03.2007', '08:00', 'vechi', 1)");
        Controls& u = f.ui();
        f.form().Agenda_Click();
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
        QCOMPARE(table(f), utf8List({"1|15.03.2007|08:00|vechi|1"}));

        u.tipev->setEditText(QStringLiteral("Intalnire client"));
        u.Orra->setText(QStringLiteral("17:45"));
        u.Com->setText(kComment);
        f.form().modif_Click();
        QVERIFY(u.Frame3->isHidden() && u.modif->isHidden());
        QCOMPARE(table(f), QStringList({QStringLiteral("1|15.03.2007|17:45|") + kComment + QStringLiteral("|2")}));
        QCOMPARE(listRows(*u.View2),
                 QStringList({QStringLiteral("|17:45|Intalnire client|") + kComment + QStringLiteral("|1")}));

        // Left through the menu while editing: adding under another day adds.
        u.View2->selectRow(0);
        f.form().View2_DblClick();
        f.form().Cautare_Click();
        f.form().Agenda_Click();
        f.form().Label19_Click();
        QVERIFY(u.modif->isHidden());
        f.form().Label26_Click();
        QCOMPARE(table(f, "select data, tipeveniment from agenda order by id"),
                 utf8List({"15.03.2007|2", "16.03.2007|2"}));
    }

    void eventTypes()
    {
        FormFixture f;
        f.program.exec(QStringLiteral("insert into tip_eveniment (tipeveniment) values ('Termen'), (") +
                       quoted(QString::fromUtf8("Ședință")) + QStringLiteral(")"));
        Controls& u = f.ui();
        f.form().Agenda_Click();
        f.form().Label17_Click();
        pick(f, QStringLiteral("Termen"));
        f.form().deftip_Click(); // opens with an empty name
        QVERIFY(!u.Frame4->isHidden() && u.tippev->text().isEmpty());
        u.tippev->setText(QStringLiteral(" TERMEN  ")); // taken, in any letter case: refused, panel kept
        f.form().Label28_Click();
        QCOMPARE(f.dialogs.messages, QStringList{EventTypes::takenNameMessage()});
        QVERIFY(!u.Frame4->isHidden() && u.tippev->text() == QStringLiteral(" TERMEN  "));
        const QString name = QString::fromUtf8("Termen d'apel „Curtea” \"CA\" – îndreptare");
        u.tippev->setText(QStringLiteral("  ") + name + QStringLiteral(" "));
        f.form().Label28_Click();
        QVERIFY(u.Frame4->isHidden() && !u.Frame3->isHidden());
        QCOMPARE(table(f, "select tipeveniment from tip_eveniment order by id").last(), name);
        QCOMPARE(u.tipev->itemText(2), name);
        QCOMPARE(u.tipev->Text() + u.idev->text(), QStringLiteral("1")); // none shown; the earlier pick is kept
        pick(f, name);
        QCOMPARE(u.idev->text(), QStringLiteral("3"));
        // "Inapoi" leaves the combo beneath as it was.
        f.form().deftip_Click();
        f.form().Label34_Click();
        QVERIFY(u.Frame4->isHidden());
        QCOMPARE(u.tipev->count(), 3);
        QCOMPARE(f.dialogs.messages.size(), 1);
    }
};

QTEST_MAIN(AgendaTest)
#include "test_agenda.moc"
