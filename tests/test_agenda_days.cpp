// The three day views: which days the boxes hold and what each view lists.
#include "support/TestSupport.h"

#include <QtTest>

using namespace testsupport;

namespace {

QStringList days(FormFixture& f)
{
    return {f.ui().Text1->text(), f.ui().Text2->text(), f.ui().Text3->text()};
}

void press(FormFixture& f, const QString& arrows)
{
    for (const QChar c : arrows)
        c == QLatin1Char('>') ? f.form().Label16_Click() : f.form().Label15_Click();
}

} // namespace

class AgendaDaysTest : public QObject {
    Q_OBJECT

private slots:
    void calendar_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("arrows");
        QTest::addColumn<QStringList>("expected");
        auto row = [](const char* name, QDate d, const char* arrows, const char* a, const char* b, const char* c) {
            QTest::newRow(name) << d << QString::fromLatin1(arrows)
                                << QStringList{QString::fromLatin1(a), QString::fromLatin1(b), QString::fromLatin1(c)};
        };
        row("year end", QDate(2026, 12, 31), "", "31.12.2026", "01.01.2027", "02.01.2027");
        row("year end, forward", QDate(2026, 12, 31), ">", "01.01.2027", "02.01.2027", "03.01.2027");
        row("forward then back", QDate(2026, 12, 31), "><", "31.12.2026", "01.01.2027", "02.01.2027");
        row("back over new year", QDate(2027, 1, 1), "<", "31.12.2026", "01.01.2027", "02.01.2027");
        row("month end", QDate(2007, 4, 29), ">", "30.04.2007", "01.05.2007", "02.05.2007");
        row("leap year", QDate(2024, 2, 27), ">", "28.02.2024", "29.02.2024", "01.03.2024");
        row("leap year, back", QDate(2024, 3, 1), "<", "29.02.2024", "01.03.2024", "02.03.2024");
        row("common year", QDate(2023, 2, 27), ">", "28.02.2023", "01.03.2023", "02.03.2023");
        row("century, not leap", QDate(2100, 2, 27), "", "27.02.2100", "28.02.2100", "01.03.2100");
        row("400th year, leap", QDate(2000, 2, 28), "", "28.02.2000", "29.02.2000", "01.03.2000");
        row("a week forward", QDate(2007, 3, 14), ">>>>>>>", "21.03.2007", "22.03.2007", "23.03.2007");
    }

    void calendar()
    {
        QFETCH(QDate, today);
        QFETCH(QString, arrows);
        QFETCH(QStringList, expected);
        FormFixture f(false, today);
        f.form().Agenda_Click();
        QVERIFY(!f.ui().Frame2->isHidden());
        press(f, arrows);
        QCOMPARE(days(f), expected);
    }

    void otherRegionalForm()
    {
        FormFixture f(false, QDate(2026, 12, 31));
        f.form().setShortDateFormat(QStringLiteral("M/d/yyyy"));
        f.program.exec(
            QStringLiteral("insert into tip_eveniment (tipeveniment) values ('Termen');"
                           "insert into agenda (data, ora, coment, tipeveniment) values ('1/2/2027', '09:00', '', 1)"));
        f.form().Agenda_Click();
        QCOMPARE(days(f), utf8List({"12/31/2026", "1/1/2027", "1/2/2027"}));
        QCOMPARE(f.ui().View3->Count(), 1);
        press(f, QStringLiteral(">"));
        QCOMPARE(days(f), utf8List({"1/1/2027", "1/2/2027", "1/3/2027"}));
        QCOMPARE(f.ui().View2->Count(), 1);
        QCOMPARE(f.ui().View3->Count(), 0);
        // The agenda entry starts at today again after paging.
        press(f, QStringLiteral(">><"));
        f.form().Agenda_Click();
        QCOMPARE(days(f), utf8List({"12/31/2026", "1/1/2027", "1/2/2027"}));
    }

    void viewsListEachDaysEvents()
    {
        FormFixture f(false, QDate(2007, 3, 14));
        f.program.exec(
            QStringLiteral("insert into tip_eveniment (tipeveniment) values ('Termen instanta'), ('Intalnire client');"
                           "insert into agenda (data, ora, coment, tipeveniment) values"
                           " ('14.03.2007', '09:00', 'Dosar 12/2007', 1),"
                           " ('14.03.2007', '09:00', 'Client nou', 2),"
                           " ('14.03.2007', '11:00', 'Tip sters', 99),"
                           " ('16.03.2007', '15:30', 'Primul rand' || char(10) || 'al doilea', 2),"
                           " ('17.03.2007', '08:00', 'Ziua urmatoare', 1)"));
        f.form().Agenda_Click();
        const Controls& u = f.ui();
        // Two events at the same hour both show; the one whose type is gone shows nowhere.
        QCOMPARE(listRows(*u.View1),
                 utf8List({"|09:00|Termen instanta|Dosar 12/2007|1", "|09:00|Intalnire client|Client nou|2"}));
        QCOMPARE(u.View2->Count(), 0);
        QCOMPARE(listRows(*u.View3), utf8List({"|15:30|Intalnire client|Primul rand\nal doilea|4"}));

        press(f, QStringLiteral(">"));
        QCOMPARE(listColumn(*u.View2, 4), utf8List({"4"}));
        QCOMPARE(listColumn(*u.View3, 4), utf8List({"5"}));
        QCOMPARE(u.View1->Count(), 0);
        QVERIFY(f.dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(AgendaDaysTest)
#include "test_agenda_days.moc"
