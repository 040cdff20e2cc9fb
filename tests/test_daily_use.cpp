// A working morning on the real window: keys sent as a user types them, the
// agenda's order, tool tips, deleting and moving events, favourites without
// duplicates, the act count and the toolkit's Romanian.
#include "agenda/EventDate.h"
#include "agenda/EventDeletion.h"
#include "agenda/EventOrder.h"
#include "catalogue/Favourites.h"
#include "support/TestSupport.h"
#include "ui/Keyboard.h"
#include "ui/Translation.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QMenu>
#include <QMessageBox>
#include <QPrinter>
#include <QTextEdit>
#include <QtTest>

using namespace testsupport;
using namespace Qt::StringLiterals;

namespace {

// Shows and activates the window, as the window's keys need.
void present(Form1& w)
{
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

QString focusName()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

// A key typed where the focus is.
void type(Form1& w, Qt::Key key, Qt::KeyboardModifiers mods = {})
{
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target ? target : &w, key, mods);
}

void seedDay(FormFixture& f)
{
    f.program.exec(u"insert into tip_eveniment (tipeveniment) values ('Termen'), ('Client')"_s);
    f.program.exec(u"insert into agenda (data, ora, coment, tipeveniment) values "
                   "('14.03.2007', '14:30', 'sala 2', 1), ('14.03.2007', 'dupa masa', 'de sunat', 2),"
                   "('14.03.2007', '9:05', 'dosar 12/2007', 1), ('14.03.2007', '', '', 2),"
                   "('14.03.2007', '08.15', 'x', 2), ('14.03.2007', '25:00', 'y', 1), ('14.03.2007', '7', 'z', 1),"
                   "('15.03.2007', '10:00', 'alt', 1)"_s);
}

} // namespace

class DailyUseTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(Translation::installToolkitRomanian()); }

    void keyboardThroughAMorning()
    {
        FormFixture f(true);
        QTemporaryDir tmp;
        const auto printer = pdfPrinter(tmp.filePath(u"p.pdf"_s));
        f.form().context().printer = printer.get();
        Form1& w = f.form();
        Controls& u = f.ui();
        present(w);
        QCOMPARE(focusName(), u"cuvcheie"_s);
        QCOMPARE(u.nrgasite->text(), u"45 acte"_s);

        QStringList walked{u"tipact"_s};
        u.tipact->setFocus();
        for (int i = 0; i < 11; ++i) {
            type(w, Qt::Key_Tab);
            walked << focusName();
        }
        QStringList expected = {u"tipact"_s, u"nract"_s,   u"zi"_s,       u"luna"_s,   u"anull"_s, u"nr"_s,
                                u"an"_s,     u"emitent"_s, u"cuvcheie"_s, u"Label1"_s, u"List1"_s, u"List4"_s};
        if (w.findChild<QWidget*>(u"intext"_s))
            expected.insert(9, u"intext"_s), expected.removeLast();
        QCOMPARE(walked, expected);

        // The focus frame shows on a label button reached by Tab.
        const QImage plain = u.Label1->grab().toImage();
        u.Label1->setFocus(Qt::TabFocusReason);
        QVERIFY(u.Label1->grab().toImage() != plain);

        auto favourites = [&f] { return f.program.count(u"legi_favorite"_s); };
        auto none = [] {};
        auto onRow = [&](ListView* l) { return [l] { l->selectRow(0), l->setFocus(); }; };
        auto focus = [](QWidget* c) { return [c] { c->setFocus(Qt::TabFocusReason); }; };
        auto open = [&](ListView* l, void (Form1::*handler)()) {
            return [&w, l, handler] { l->selectRow(0), (w.*handler)(); };
        };
        const struct {
            const char* keys;
            std::function<void()> before;
            std::function<bool()> effect;
        } steps[] = {
            {"Alt+1", none, [&] { return u.List1->Count() == 0 && u.nrgasite->text() == u"Niciun act gasit."_s; }},
            {"Return", focus(u.Label1), [&] { return u.List1->Count() == 45 && u.nrgasite->text() == u"45 acte"_s; }},
            {"Space", [&] { u.List1->Clear(); }, [&] { return u.List1->Count() == 45; }},
            {"Ctrl+D", open(u.List1, &Form1::List1_DblClick),
             [&] {
                 return favourites() == 1 && f.dialogs.messages.last() == Favourites::addedMessage() &&
                        u.nrgasite->isHidden() && focusName() == u"textlege"_s;
             }},
            {"Ctrl+D", none,
             [&] { return favourites() == 1 && f.dialogs.messages.last() == Favourites::alreadyFavouriteMessage(); }},
            {"Ctrl+P", none, [&] { return QFileInfo(printer->outputFileName()).size() > 0; }},
            {"Esc", none, [&] { return u.textlege->isHidden() && !u.List1->isHidden() && !u.nrgasite->isHidden(); }},
            {"Alt+3", none, [&] { return w.FavMode && u.nrgasite->text() == u"1 act"_s; }},
            {"Del", onRow(u.List1), [&] { return favourites() == 0 && u.nrgasite->text() == u"Niciun act gasit."_s; }},
            {"Alt+2", none, [&] { return !w.FavMode && u.nrgasite->text() == u"1 act"_s; }},
            {"Del", onRow(u.List1), [&] { return u.List1->Count() == 1; }}, // not a favourites list
            {"Alt+5", none, [&] { return !u.List3->isHidden() && u.nrgasite->isHidden(); }},
            {"Esc", open(u.List3, &Form1::List3_DblClick),
             [&] { return u.inapoi2->isHidden() && !u.List3->isHidden(); }},
            {"Alt+4", none, [&] { return !u.Frame2->isHidden() && focusName() == u"View1"_s; }},
            {"Space", focus(u.Label18), [&] { return !u.Frame3->isHidden() && u.Datafr->text() == u"15.03.2007"_s; }},
            {"Esc", [&] { w.deftip_Click(); },
             [&] { return u.Frame4->isHidden() && !u.Frame3->isHidden() && focusName() == u"Orra"_s; }},
            {"Esc", none, [&] { return u.Frame3->isHidden() && u.Datafr->text().isEmpty(); }},
            {"Ctrl+T", none, [&] { return !u.termen->isHidden(); }},
            {"Esc", none, [&] { return u.termen->isHidden() && !u.Frame2->isHidden(); }},
            {"Esc", [&] { w.vezicalendar_Click(); },
             [&] { return u.calendarluna->isHidden() && !u.Frame2->isHidden(); }},
            {"Alt+6", none, [&] { return f.dialogs.openCalls == 1; }},
        };
        int step = 0;
        for (const auto& s : steps) {
            s.before();
            const QKeyCombination keys = QKeySequence::fromString(QString::fromLatin1(s.keys))[0];
            type(w, keys.key(), keys.keyboardModifiers());
            QVERIFY2(s.effect(), qPrintable(u"step %1: %2"_s.arg(++step).arg(QString::fromLatin1(s.keys))));
        }

        for (QWidget* c : w.findChildren<QWidget*>()) {
            const QString name = c->objectName();
            if (name.isEmpty() || name.startsWith(u"qt_"_s) || c == u.Label11 || c->parent() == u.textlege)
                continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c);
            QVERIFY2(a && !a->text(QAccessible::Name).isEmpty(), qPrintable(name));
        }
    }

    void toolkitSpeaksRomanian()
    {
        QMessageBox box(QMessageBox::Question, u"t"_s, u"q"_s, QMessageBox::Yes | QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Yes)->text(), u"&Da"_s);
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), u"Renunta"_s);
        QLineEdit edit;
        QTextEdit text;
        std::unique_ptr<QMenu> menu(edit.createStandardContextMenu()), textMenu(text.createStandardContextMenu());
        QStringList texts;
        for (QAction* a : menu->actions() + textMenu->actions())
            texts << a->text().section(u'\t', 0, 0);
        QVERIFY2(texts.contains(u"&Anuleaza"_s) && texts.contains(u"&Lipeste"_s) && texts.contains(u"Selecteaza tot"_s),
                 qPrintable(texts.join(u',')));
    }

    void hoursInDayOrder()
    {
        const struct {
            const char* hour;
            int minutes;
        } hours[] = {{"9:05", 545}, {"09:05", 545}, {"9.05", 545}, {" 14 ", 840}, {"0:00", 0},  {"23:59", 1439},
                     {"24:00", -1}, {"9:60", -1},   {"905", -1},   {"9:5", -1},   {"dupa", -1}, {"", -1}};
        for (const auto& h : hours)
            QVERIFY2(EventOrder::minutesOf(QString::fromLatin1(h.hour)) == h.minutes, h.hour);

        FormFixture f;
        seedDay(f);
        f.form().Agenda_Click();
        const ListView& v = *f.ui().View1;
        // Times first, earliest first; then the rest in the order entered.
        QCOMPARE(listColumn(v, 1),
                 (QStringList{u"7"_s, u"08.15"_s, u"9:05"_s, u"14:30"_s, u"dupa masa"_s, u""_s, u"25:00"_s}));
        QCOMPARE(v.model()->index(2, 2).data(Qt::ToolTipRole).toString(), u"dosar 12/2007"_s);
        QVERIFY(!v.model()->index(5, 1).data(Qt::ToolTipRole).isValid()); // no comment, no tip
    }

    void deletingAndMovingEvents()
    {
        FormFixture f;
        seedDay(f);
        Form1& w = f.form();
        Controls& u = f.ui();
        present(w);
        w.Agenda_Click();
        auto ids = [&f] { return joinedRows(f.program, u"select id from agenda order by id"_s).join(u' '); };

        // Right-click on "9:05" (row 2): the pop-up; "no" keeps it, "yes" deletes only it.
        const QPoint at = u.View1->visualRect(u.View1->model()->index(2, 1)).center();
        QTest::mouseClick(u.View1->viewport(), Qt::RightButton, {}, at);
        QVERIFY(u.evmeniu->isVisible());
        u.evmeniu->close();
        u.stergeev->trigger();
        QCOMPARE(f.dialogs.questions, QStringList{EventDeletion::question(u"9:05"_s, u"Termen"_s)});
        QCOMPARE(f.dialogs.questions.first(), u"Stergeti evenimentul?\r9:05 Termen"_s);
        QCOMPARE(ids(), u"1 2 3 4 5 6 7 8"_s);
        f.dialogs.answers = {true};
        u.stergeev->trigger();
        QCOMPARE(ids(), u"1 2 4 5 6 7 8"_s);
        QCOMPARE(listColumn(*u.View1, 1).size(), 6);

        // The Delete key on the selected event of the second day.
        u.View2->selectRow(0);
        u.View2->setFocus();
        f.dialogs.answers = {true};
        QTest::keyClick(u.View2, Qt::Key_Delete);
        QCOMPARE(ids(), u"1 2 4 5 6 7"_s);
        QCOMPARE(u.View2->Count(), 0);

        // Moving "14:30" (row 2 now) to the day after tomorrow; a wrong date is refused.
        u.View1->selectRow(2);
        w.View1_DblClick();
        QVERIFY(!u.Datafr->isReadOnly());
        u.Datafr->setText(u"31.02.2007"_s);
        w.modif_Click();
        QCOMPARE(f.dialogs.messages.last(), EventDate::badDateMessage(f.form().context().dates));
        QCOMPARE(f.program.scalar(u"select data from agenda where id = 1"_s), u"14.03.2007"_s);
        u.Datafr->setText(u"16.3.2007"_s);
        w.modif_Click();
        QCOMPARE(f.program.scalar(u"select data from agenda where id = 1"_s), u"16.03.2007"_s);
        QCOMPARE(listColumn(*u.View3, 1), QStringList{u"14:30"_s});
        QCOMPARE(u.View1->Count(), 5);
        w.Label17_Click();
        QVERIFY(u.Datafr->isReadOnly()); // adding keeps the day it was opened for
    }
};

QTEST_MAIN(DailyUseTest)
#include "test_daily_use.moc"
