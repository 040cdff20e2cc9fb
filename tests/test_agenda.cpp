// The agenda: which days the three columns hold, what each view lists, adding
// and editing events, and defining event types, on the real window and store.
#include "agenda/EventEditor.h"
#include "agenda/EventTypes.h"
#include "support/TestSupport.h"

#include <QtTest>

using namespace testsupport;
using namespace Qt::StringLiterals;

namespace {

const QString kComment =
    QString::fromUtf8("Dosarul lui O'Brien, „Știință” \"urgent\"\nrândul doi: țară, împăcare\n\nfinal");

// Two types and the given events; today 14.03.2007 unless a test says otherwise.
void seed(FormFixture& f, const char* events = nullptr)
{
    f.program.exec(u"insert into tip_eveniment (tipeveniment) values ('Termen instanta'), ('Intalnire client')"_s);
    if (events)
        f.program.exec(u"insert into agenda (data, ora, coment, tipeveniment) values "_s + QString::fromUtf8(events));
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
    void daysAndTheirEvents()
    {
        const struct {
            QDate today;
            const char* arrows;
            const char* days;
        } cases[] = {
            {QDate(2026, 12, 31), ">", "01.01.2027 02.01.2027 03.01.2027"},
            {QDate(2027, 1, 1), "<", "31.12.2026 01.01.2027 02.01.2027"},
            {QDate(2024, 2, 27), ">", "28.02.2024 29.02.2024 01.03.2024"},
            {QDate(2100, 2, 27), "", "27.02.2100 28.02.2100 01.03.2100"},
            {QDate(2000, 2, 28), "", "28.02.2000 29.02.2000 01.03.2000"},
            {QDate(2007, 3, 14), ">>>>>>>", "21.03.2007 22.03.2007 23.03.2007"},
        };
        for (const auto& c : cases) {
            FormFixture f(false, c.today);
            f.form().Agenda_Click();
            press(f, c.arrows);
            QCOMPARE(days(f).join(QLatin1Char(' ')), QLatin1String(c.days));
        }
        // Another regional form; the agenda entry starts at today again after paging.
        FormFixture f(false, QDate(2026, 12, 31));
        f.form().setShortDateFormat(u"M/d/yyyy"_s);
        seed(f, "('1/2/2027', '09:00', '', 1)");
        f.form().Agenda_Click();
        QCOMPARE(days(f), utf8List({"12/31/2026", "1/1/2027", "1/2/2027"}));
        press(f, ">");
        QCOMPARE(days(f), utf8List({"1/1/2027", "1/2/2027", "1/3/2027"}));
        QCOMPARE(f.ui().View2->Count(), 1);
        QCOMPARE(f.ui().View3->Count(), 0);
        press(f, "><");
        f.form().Agenda_Click();
        QCOMPARE(days(f).first(), u"12/31/2026"_s);
        FormFixture g;
        seed(g, "('14.03.2007', '09:00', 'Dosar 12/2007', 1), ('14.03.2007', '09:00', 'Client nou', 2),"
                "('14.03.2007', '11:00', 'Tip sters', 99), ('16.03.2007', '15:30', 'Primul' || char(10) || 'doi', 2)");
        g.form().Agenda_Click();
        const Controls& v = g.ui();
        // Two events at the same hour both show; the one whose type is gone shows nowhere.
        QCOMPARE(listRows(*v.View1),
                 utf8List({"|09:00|Termen instanta|Dosar 12/2007|1", "|09:00|Intalnire client|Client nou|2"}));
        QCOMPARE(v.View2->Count(), 0);
        QCOMPARE(listRows(*v.View3), utf8List({"|15:30|Intalnire client|Primul\ndoi|4"}));
    }

    void addUnderEachDay()
    {
        FormFixture f;
        seed(f);
        Controls& u = f.ui();
        f.form().Agenda_Click();
        f.form().Label18_Click();
        QVERIFY(!u.Frame3->isHidden() && u.modif->isHidden());
        QCOMPARE(u.Datafr->text(), u"15.03.2007"_s);
        u.tipev->setText(u"Intalnire client"_s);
        QCOMPARE(u.idev->text(), QString()); // setting the text is no pick
        pick(f, u"Intalnire client"_s);
        QCOMPARE(u.idev->text(), u"2"_s);
        u.Orra->setText(u"09:30"_s);
        u.Com->setText(kComment);
        f.form().Label26_Click();
        QVERIFY(u.Frame3->isHidden() && !u.Frame2->isHidden());
        QCOMPARE(table(f), QStringList({u"1|15.03.2007|09:30|"_s + kComment + u"|2"_s}));
        QCOMPARE(listRows(*u.View2), QStringList({u"|09:30|Intalnire client|"_s + kComment + u"|1"_s}));
        QCOMPARE(u.View1->Count() + u.View3->Count(), 0);
        // The first and the last day; the type chosen before is offered again.
        f.form().Label17_Click();
        QCOMPARE(u.tipev->Text(), u"Intalnire client"_s);
        f.form().Label26_Click(); // empty hour and comment go in as empty texts
        f.form().Label19_Click();
        f.form().Label26_Click();
        QCOMPARE(table(f, "select data, ora, coment, tipeveniment from agenda where id > 1"),
                 utf8List({"14.03.2007|||2", "16.03.2007|||2"}));

        // No type shown, or a name that is no type's: refused, the panel kept as it was.
        f.form().Label17_Click();
        u.Orra->setText(u"10:00"_s);
        u.tipev->setEditText(QString());
        f.form().Label26_Click();
        QCOMPARE(f.dialogs.messages, QStringList({EventEditor::noTypeChosenMessage()}));
        u.tipev->setEditText(u"Nu exista"_s);
        f.form().Label26_Click();
        QCOMPARE(f.dialogs.messages.last(), EventEditor::unknownTypeMessage());
        QVERIFY(!u.Frame3->isHidden() && u.Orra->text() == u"10:00"_s);
        QCOMPARE(f.program.count(u"agenda"_s), 3LL);
        u.tipev->setEditText(u"Termen instanta"_s); // typed, not picked
        f.form().Label26_Click();
        QCOMPARE(table(f).last(), u"4|14.03.2007|10:00||1"_s);
        // That type removed behind the program's back: neither offered nor kept as chosen.
        f.program.exec(u"delete from tip_eveniment where id = 1"_s);
        f.form().Label18_Click();
        QCOMPARE(
            (QStringList{u.tipev->Text(), u.idev->text(), u.tipev->itemText(0), QString::number(u.tipev->count())}),
            (QStringList{{}, {}, u"Intalnire client"_s, u"1"_s}));
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
        u.tipev->setEditText(u"Intalnire clientul"_s);
        f.form().modif_Click();
        QCOMPARE(f.dialogs.messages, QStringList({EventEditor::unknownTypeMessage()}));
        QVERIFY(!u.Frame3->isHidden() && !u.modif->isHidden());
        QCOMPARE(table(f), utf8List({"1|15.03.2007|08:00|vechi|1"}));

        u.tipev->setEditText(u"Intalnire client"_s);
        u.Orra->setText(u"17:45"_s);
        u.Com->setText(kComment);
        f.form().modif_Click();
        QVERIFY(u.Frame3->isHidden() && u.modif->isHidden());
        QCOMPARE(table(f), QStringList({u"1|15.03.2007|17:45|"_s + kComment + u"|2"_s}));
        QCOMPARE(listRows(*u.View2), QStringList({u"|17:45|Intalnire client|"_s + kComment + u"|1"_s}));

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
        f.program.exec(u"insert into tip_eveniment (tipeveniment) values ('Termen'), ("_s +
                       quoted(QString::fromUtf8("Ședință")) + u")"_s);
        Controls& u = f.ui();
        f.form().Agenda_Click();
        f.form().Label17_Click();
        pick(f, u"Termen"_s);
        f.form().deftip_Click(); // opens with an empty name
        QVERIFY(!u.Frame4->isHidden() && u.tippev->text().isEmpty());
        u.tippev->setText(u" TERMEN  "_s); // taken, in any letter case: refused, panel kept
        f.form().Label28_Click();
        QCOMPARE(f.dialogs.messages, QStringList{EventTypes::takenNameMessage()});
        QVERIFY(!u.Frame4->isHidden() && u.tippev->text() == u" TERMEN  "_s);
        const QString name = QString::fromUtf8("Termen d'apel „Curtea” \"CA\" – îndreptare");
        u.tippev->setText(u"  "_s + name + u" "_s);
        f.form().Label28_Click();
        QVERIFY(u.Frame4->isHidden() && !u.Frame3->isHidden());
        QCOMPARE(table(f, "select tipeveniment from tip_eveniment order by id").last(), name);
        QCOMPARE(u.tipev->itemText(2), name);
        QCOMPARE(u.tipev->Text() + u.idev->text(), u"1"_s); // none shown; the earlier pick is kept
        pick(f, name);
        QCOMPARE(u.idev->text(), u"3"_s);
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
