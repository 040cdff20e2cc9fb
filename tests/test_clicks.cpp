// Real mouse and key events on every control the window connects, one after
// the other as a user would go; each step checks what its handler does, so
// an event that never reaches its handler fails the step.
#include "agenda/EventTypes.h"
#include "support/TestSupport.h"

#include <QMenu>
#include <QPrinter>
#include <QtTest>

#include <functional>

using namespace testsupport;
using namespace Qt::StringLiterals;

namespace {

enum Event { Click, KeyDown, Type, RowDblClick, RowRightClick, MenuClick, Drag };

struct Step {
    const char* control;
    Event event;
    std::function<bool()> effect;
    const char* typed = nullptr;
};

void send(FormFixture& f, QWidget* w, const Step& s)
{
    auto* view = qobject_cast<ListView*>(w);
    const QPoint row = view ? view->visualRect(view->model()->index(0, 1)).center() : QPoint();
    switch (s.event) {
    case Click: QTest::mouseClick(w, Qt::LeftButton); break;
    case KeyDown: QTest::keyClick(w, Qt::Key_Down); break;
    case Type:
        QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(w, QString::fromUtf8(s.typed));
        break;
    case RowDblClick:
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, row);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, row);
        break;
    case RowRightClick: QTest::mouseClick(view->viewport(), Qt::RightButton, {}, row); break;
    case MenuClick:
        QTest::mouseClick(w, Qt::LeftButton, {}, qobject_cast<QMenu*>(w)->actionGeometry(f.ui().sterge).center());
        break;
    case Drag:
        QTest::mousePress(w, Qt::LeftButton, {}, QPoint(40, 10));
        QTest::mouseMove(w, QPoint(55, 7));
        QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(40, 10)); // the window followed the pointer
        break;
    }
}

} // namespace

class ClicksTest : public QObject {
    Q_OBJECT

private slots:
    void everyConnectedControl()
    {
        FormFixture f(true);
        f.program.exec(u"insert into agenda (data, ora, coment, tipeveniment) values ('14.03.2007', '09:00', 'a', 1),"
                       "('15.03.2007', '10:00', 'b', 2), ('16.03.2007', '11:00', 'c', 3)"_s);
        QTemporaryDir tmp;
        const auto printer = pdfPrinter(tmp.filePath(u"print.pdf"_s));
        f.form().context().printer = printer.get();
        Form1& w = f.form();
        w.move(100, 100);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const Controls& u = f.ui();
        QPoint before;
        auto agendaRow = [&f](int id) {
            return joinedRows(f.program, u"select data, ora, tipeveniment from agenda where id = %1"_s.arg(id))
                .value(0);
        };
        auto favourites = [&f] { return joinedRows(f.program, u"select id_acte from legi_favorite"_s); };

        const Step steps[] = {
            {"Image2", Drag, [&] { return w.pos() == before + QPoint(15, -3) && !w.DragOn; }},
            {"Cautare", Click, [&] { return u.List1->Count() == 0 && !u.Frame1->isHidden(); }},
            {"Label1", Click, [&] { return u.List1->Count() == 45; }},
            {"luna", KeyDown, [&] { return u.luna->Text() == u"01"_s && u.zi->Text() == u"01"_s; }},
            {"List4", RowDblClick, [&] { return u.Label11->text() == u"Legea nr. 287/2009 privind Codul civil"_s; }},
            {"Fav", Click, [&] { return favourites() == QStringList{u"40"_s} && f.dialogs.messages.size() == 1; }},
            {"Label12", Click,
             [&] { return QFileInfo(printer->outputFileName()).size() > 0 && f.dialogs.questions.isEmpty(); }},
            {"Inapoi", Click, [&] { return !u.List1->isHidden() && u.textlege->isHidden(); }},
            {"List1", RowDblClick, [&] { return u.Label11->text() == u"Legea nr. 53/2003 - Codul muncii"_s; }},
            {"LegiCons", Click,
             [&] {
                 return listColumn(*u.List1, 3) == QStringList{u"1"_s, u"40"_s};
             }},
            {"LegiFav", Click, [&] { return listColumn(*u.List1, 3) == QStringList{u"40"_s} && w.FavMode; }},
            {"List1", RowRightClick, [&] { return u.st->isVisible(); }},
            {"st", MenuClick, [&] { return favourites().isEmpty() && u.List1->Count() == 0; }},
            {"Contracte", Click, [&] { return u.List3->Count() == 3 && !u.List3->isHidden(); }},
            {"List3", RowDblClick,
             [&] { return u.Label11->text() == u"Contract de donatie"_s && !u.inapoi2->isHidden(); }},
            {"inapoi2", Click, [&] { return !u.List3->isHidden() && u.textlege->isHidden(); }},
            {"Agenda", Click, [&] { return !u.Frame2->isHidden() && u.View1->Count() == 1; }},
            {"Label16", Click, [&] { return u.Text1->text() == u"15.03.2007"_s; }},
            {"Label15", Click, [&] { return u.Text1->text() == u"14.03.2007"_s; }},
            {"Label17", Click, [&] { return !u.Frame3->isHidden() && u.Datafr->text() == u"14.03.2007"_s; }},
            {"Label13", Click, [&] { return u.Frame3->isHidden(); }},
            {"Label18", Click, [&] { return u.Datafr->text() == u"15.03.2007"_s && u.modif->isHidden(); }},
            {"tipev", KeyDown, [&] { return u.idev->text() == u"1"_s; }},
            {"Orra", Type, [&] { return u.Orra->text() == u"08:15"_s; }, "08:15"},
            {"Label26", Click, [&] { return agendaRow(4) == u"15.03.2007|08:15|1"_s; }},
            {"Label19", Click, [&] { return u.Datafr->text() == u"16.03.2007"_s; }},
            {"deftip", Click, [&] { return !u.Frame4->isHidden(); }},
            {"Label28", Click, [&] { return f.dialogs.messages.last() == EventTypes::emptyNameMessage(); }},
            {"Label34", Click, [&] { return u.Frame4->isHidden() && !u.Frame3->isHidden(); }},
            // 08:15, saved above, now lists before 10:00
            {"View2", RowDblClick, [&] { return u.idag->text() == u"4"_s && !u.modif->isHidden(); }},
            {"View3", RowDblClick, [&] { return u.idag->text() == u"3"_s; }},
            {"View1", RowDblClick, [&] { return u.idag->text() == u"1"_s; }},
            {"Orra", Type, [&] { return u.Orra->text() == u"17:45"_s; }, "17:45"},
            {"modif", Click, [&] { return agendaRow(1) == u"14.03.2007|17:45|1"_s && u.Frame3->isHidden(); }},
            {"Update", Click, [&] { return f.dialogs.openCalls == 1; }},
            {"Label29", Click, [&] { return bool(w.windowState() & Qt::WindowMinimized); }},
            {"Label27", Click, [&] { return !w.isVisible() && f.dialogs.messages.size() == 2; }},
        };
        for (const Step& s : steps) {
            QWidget* target = w.findChild<QWidget*>(QString::fromLatin1(s.control));
            QVERIFY2(target, s.control);
            before = w.pos();
            send(f, target, s);
            QVERIFY2(s.effect(), s.control);
        }
    }
};

QTEST_MAIN(ClicksTest)
#include "test_clicks.moc"
