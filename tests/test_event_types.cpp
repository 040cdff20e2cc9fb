// The event-type panel and how new types reach the event panel's combo.
#include "agenda/EventEditor.h"
#include "agenda/EventTypes.h"
#include "support/TestSupport.h"

#include <QtTest>

using namespace testsupport;

namespace {

QStringList comboItems(const ComboBox& c)
{
    QStringList out;
    for (int i = 0; i < c.count(); ++i)
        out << c.itemText(i);
    return out;
}

QStringList typeNames(FormFixture& f)
{
    QStringList out;
    for (const QStringList& r : f.program.rows(QStringLiteral("select tipeveniment from tip_eveniment order by id")))
        out << r.first();
    return out;
}

// Agenda open, event panel open for the first day, "Termen" picked.
void openPanelWithPick(FormFixture& f)
{
    f.program.exec(QStringLiteral("insert into tip_eveniment (tipeveniment) values ('Termen'), (") +
                   quoted(QString::fromUtf8("Ședință")) + QStringLiteral(")"));
    f.form().Agenda_Click();
    f.form().Label17_Click();
    f.ui().tipev->setCurrentIndex(0);
    f.form().tipev_Click();
}

} // namespace

class EventTypesTest : public QObject {
    Q_OBJECT

private slots:
    void newTypeIsOfferedAtOnce()
    {
        FormFixture f;
        openPanelWithPick(f);
        Controls& u = f.ui();
        u.tippev->setText(QStringLiteral("ramas de data trecuta"));
        f.form().deftip_Click(); // opens with an empty name
        QVERIFY(!u.Frame4->isHidden() && u.tippev->text().isEmpty());

        const QString name = QString::fromUtf8("Termen d'apel „Curtea” \"CA\" – îndreptare");
        u.tippev->setText(QStringLiteral("  ") + name + QStringLiteral(" "));
        f.form().Label28_Click();
        QVERIFY(u.Frame4->isHidden() && !u.Frame3->isHidden());
        QCOMPARE(typeNames(f).last(), name);
        QCOMPARE(comboItems(*u.tipev), QStringList({QStringLiteral("Termen"), QString::fromUtf8("Ședință"), name}));
        QCOMPARE(u.tipev->currentIndex(), -1);
        QCOMPARE(u.tipev->Text() + u.idev->text(), QStringLiteral("1")); // none shown; the earlier pick is kept

        // It can be picked by its name, quotes and all.
        u.tipev->setCurrentIndex(2);
        f.form().tipev_Click();
        QCOMPARE(u.idev->text(), QStringLiteral("3"));
        QVERIFY(f.dialogs.messages.isEmpty());
        f.form().deftip_Click();
        QCOMPARE(u.tippev->text(), QString());
    }

    void blankOrTakenNamesAreRefused()
    {
        FormFixture f;
        openPanelWithPick(f);
        Controls& u = f.ui();
        f.form().deftip_Click();
        const struct {
            const char* typed;
            QString message;
        } cases[] = {{"", EventTypes::emptyNameMessage()},
                     {"   ", EventTypes::emptyNameMessage()},
                     {"termen", EventTypes::takenNameMessage()},
                     {" TERMEN  ", EventTypes::takenNameMessage()},
                     {"ședință", EventTypes::takenNameMessage()}};
        for (const auto& c : cases) {
            u.tippev->setText(QString::fromUtf8(c.typed));
            f.form().Label28_Click();
            QCOMPARE(f.dialogs.messages.last(), c.message);
            QVERIFY(!u.Frame4->isHidden());
            QCOMPARE(u.tippev->text(), QString::fromUtf8(c.typed));
        }
        QCOMPARE(typeNames(f).size(), 2);
        // "Inapoi" leaves the combo beneath as it was, pick included.
        f.form().Label34_Click();
        QVERIFY(u.Frame4->isHidden());
        QCOMPARE(comboItems(*u.tipev).size(), 2);
        QCOMPARE(u.tipev->Text() + u.idev->text(), QStringLiteral("Termen1"));
    }

    void newTypeWhileEditingMustBePickedBeforeSaving()
    {
        FormFixture f;
        f.program.exec(QStringLiteral(
            "insert into tip_eveniment (tipeveniment) values ('Termen');"
            "insert into agenda (data, ora, coment, tipeveniment) values ('14.03.2007', '08:00', 'x', 1)"));
        Controls& u = f.ui();
        f.form().Agenda_Click();
        u.View1->selectRow(0);
        f.form().View1_DblClick();
        f.form().deftip_Click();
        u.tippev->setText(QStringLiteral("Mediere"));
        f.form().Label28_Click();
        QCOMPARE(u.tipev->Text(), QString());

        f.form().modif_Click();
        QCOMPARE(f.dialogs.messages, QStringList({EventEditor::unknownTypeMessage()}));
        QCOMPARE(f.program.scalar(QStringLiteral("select tipeveniment from agenda")), QStringLiteral("1"));
        u.tipev->setCurrentIndex(u.tipev->findText(QStringLiteral("Mediere")));
        f.form().tipev_Click();
        f.form().modif_Click();
        QCOMPARE(f.program.scalar(QStringLiteral("select tipeveniment from agenda")), QStringLiteral("2"));
        QCOMPARE(listColumn(*u.View1, 2), QStringList({QStringLiteral("Mediere")}));
    }
};

QTEST_MAIN(EventTypesTest)
#include "test_event_types.moc"
