// Panel switching of every menu entry, back button and viewer, and the
// window's own chrome (dragging, minimising, closing), on the real window.
#include "support/TestSupport.h"

#include "shell/Navigation.h"
#include "ui/WindowChrome.h"

#include <QtTest>

#include <functional>

using namespace testsupport;

namespace {

// The controls that the switching shows and hides.
const QStringList kSwitched = {QStringLiteral("Frame1"),  QStringLiteral("Frame2"),  QStringLiteral("Frame3"),
                               QStringLiteral("Frame4"),  QStringLiteral("List1"),   QStringLiteral("List2"),
                               QStringLiteral("List3"),   QStringLiteral("List4"),   QStringLiteral("textlege"),
                               QStringLiteral("Label11"), QStringLiteral("Fav"),     QStringLiteral("Label12"),
                               QStringLiteral("Inapoi"),  QStringLiteral("inapoi2"), QStringLiteral("modif")};

QWidget* control(Form1& form, const QString& name)
{
    auto* w = form.findChild<QWidget*>(name);
    if (!w)
        qFatal("no control %s", qPrintable(name));
    return w;
}

QStringList visibleSet(Form1& form)
{
    QStringList out;
    for (const QString& n : kSwitched)
        if (!control(form, n)->isHidden())
            out << n;
    out.sort();
    return out;
}

QStringList split(const char* names)
{
    QStringList out = QString::fromLatin1(names).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    out.sort();
    return out;
}

enum class Fav { Off, On, Kept };
enum Rows { Kept, Emptied, Refilled }; // what a handler does to a list's rows

// What one handler does, as its table row gives it.
struct Expect {
    QStringList shown;
    QStringList hidden;
    Fav fav = Fav::Kept;
    bool label11Emptied = false;
    Rows list1 = Kept; // Refilled: the handler's data work fills the list, not checked here
    Rows list3 = Kept;
};

// Runs the handler from every switched control shown and from all hidden,
// with FavMode on and off, a caption in Label11 and one row in List1 and List3.
void check(FormFixture& f, const char* handler, const std::function<void()>& run, const Expect& e)
{
    for (bool visible : {true, false}) {
        for (bool fav : {true, false}) {
            for (const QString& n : kSwitched)
                if (n != QLatin1String("List2"))
                    control(f.form(), n)->setVisible(visible);
            f.form().FavMode = fav;
            f.ui().Label11->setText(QStringLiteral("Titlu anterior"));
            for (ListView* l : {f.ui().List1, f.ui().List3}) {
                l->Clear();
                l->SetSubItem(l->Add(), 1, QStringLiteral("rand"));
            }
            const QStringList before = visibleSet(f.form());
            run();
            const QString where =
                QStringLiteral("%1 from all %2, FavMode %3: ")
                    .arg(QLatin1String(handler), visible ? QLatin1String("shown") : QLatin1String("hidden"))
                    .arg(fav);
            for (const QString& n : kSwitched) {
                const bool want = e.shown.contains(n) || (!e.hidden.contains(n) && before.contains(n));
                QVERIFY2(control(f.form(), n)->isHidden() == !want, qPrintable(where + n));
            }
            const bool wantFav = e.fav == Fav::On || (e.fav == Fav::Kept && fav);
            QVERIFY2(f.form().FavMode == wantFav, qPrintable(where + QStringLiteral("FavMode")));
            QVERIFY2(f.ui().Label11->text() == (e.label11Emptied ? QString() : QStringLiteral("Titlu anterior")),
                     qPrintable(where + QStringLiteral("Label11")));
            if (e.list1 != Refilled)
                QVERIFY2(f.ui().List1->Count() == (e.list1 == Emptied ? 0 : 1),
                         qPrintable(where + QStringLiteral("List1 rows")));
            if (e.list3 != Refilled)
                QVERIFY2(f.ui().List3->Count() == (e.list3 == Emptied ? 0 : 1),
                         qPrintable(where + QStringLiteral("List3 rows")));
        }
    }
}

QPoint centreIn(QWidget* w, QWidget* form)
{
    return w->mapTo(form, w->rect().center());
}

// Rows shared by the menu entries and their switching steps alone.
const Expect kLegiCons{split("List4 Frame1 List1"),
                       split("Frame4 Frame2 Frame3 Label12 inapoi2 textlege Inapoi Fav List3"), Fav::Off, true};
const Expect kContracte{split("List4 Frame1 List3"), split("Frame4 Frame2 Frame3 Label12 Fav textlege inapoi2 List1"),
                        Fav::Off};

} // namespace

class NavigationTest : public QObject {
    Q_OBJECT

private slots:
    void startShowsTheSearchScreen()
    {
        FormFixture f(true);
        QCOMPARE(visibleSet(f.form()), split("Frame1 List1 List3 List4 Label11"));
        QCOMPARE(f.ui().Label11->text(), QString());
        QVERIFY(!f.form().FavMode);
        // List1 lies over List3: the act list is what is seen.
        f.form().show();
        QWidget* hit = f.form().childAt(centreIn(f.ui().List1, &f.form()));
        QVERIFY(hit == f.ui().List1 || f.ui().List1->isAncestorOf(hit));
    }

    void menuEntries()
    {
        FormFixture f(false);
        Form1& w = f.form();
        Expect cautare = kLegiCons;
        cautare.list1 = Emptied;
        check(
            f, "Cautare_Click", [&] { w.Cautare_Click(); }, cautare);
        Expect legi = kLegiCons;
        legi.list1 = Refilled;
        check(
            f, "LegiCons_Click", [&] { w.LegiCons_Click(); }, legi);
        legi.fav = Fav::On;
        check(
            f, "LegiFav_Click", [&] { w.LegiFav_Click(); }, legi);
        // The agenda touches only the three panels.
        check(
            f, "Agenda_Click", [&] { w.Agenda_Click(); }, Expect{split("Frame2"), split("Frame4 Frame3"), Fav::Off});
        // Contracts leave Inapoi and Label11 as they were.
        Expect contracte = kContracte;
        contracte.list3 = Refilled;
        check(
            f, "Contracte_Click", [&] { w.Contracte_Click(); }, contracte);

        // The switching on its own empties exactly the list its row names.
        Navigation nav(w.context());
        contracte.list3 = Emptied;
        check(
            f, "Contracte (switching)", [&] { nav.Contracte_Click(); }, contracte);
        check(
            f, "LegiCons (switching)", [&] { nav.LegiCons_Click(); }, kLegiCons);
        legi.list1 = Kept;
        check(
            f, "LegiFav (switching)", [&] { nav.LegiFav_Click(); }, legi);
    }

    void updateChangesNoControl()
    {
        FormFixture f(false);
        f.dialogs.fileToOpen.clear(); // the user cancels the file choice
        check(
            f, "Update_Click", [&] { f.form().Update_Click(); }, Expect{});
    }

    void backAndPanelButtons()
    {
        FormFixture f(false);
        Form1& w = f.form();
        check(
            f, "Inapoi_Click", [&] { w.Inapoi_Click(); },
            Expect{split("List4 Frame1 List1"), split("Label12 textlege Inapoi Fav"), Fav::Kept, true});
        check(
            f, "inapoi2_Click", [&] { w.inapoi2_Click(); },
            Expect{split("List4 Frame1 List3"), split("Label12 textlege inapoi2"), Fav::Kept, true});
        check(
            f, "Label34_Click", [&] { w.Label34_Click(); }, Expect{{}, split("Frame4")});

        Controls& u = f.ui();
        u.Datafr->setText(QStringLiteral("14.03.2007"));
        u.Orra->setText(QStringLiteral("10:30"));
        u.Com->setText(QStringLiteral("Termen"));
        u.tipev->setText(QStringLiteral("Proces"));
        u.idev->setText(QStringLiteral("2"));
        check(
            f, "Label13_Click", [&] { w.Label13_Click(); }, Expect{{}, split("Frame3 modif")});
        QCOMPARE(u.Datafr->text(), QString());
        QCOMPARE(u.Orra->text(), QString());
        QCOMPARE(u.Com->Text(), QString());
        // The type combo and the type id stay.
        QCOMPARE(u.tipev->Text(), QStringLiteral("Proces"));
        QCOMPARE(u.idev->text(), QStringLiteral("2"));

        u.tippev->setText(QStringLiteral("Audiere"));
        check(
            f, "deftip_Click", [&] { w.deftip_Click(); }, Expect{split("Frame4"), {}});
        QCOMPARE(u.tippev->text(), QString());
    }

    void viewerAndPanelSwitching()
    {
        FormFixture f(false);
        Navigation nav(f.form().context());
        const QString title = QStringLiteral("Legea nr. 1/2007");

        check(
            f, "act viewer from List1",
            [&] {
                nav.openActViewerFromList(title);
                QCOMPARE(f.ui().Label11->text(), title); // set before the text loads
                nav.showActViewer();
                f.ui().Label11->setText(QStringLiteral("Titlu anterior"));
            },
            Expect{split("Label12 textlege Inapoi Fav"), split("List4 Frame1 List3 List1")});
        check(
            f, "act viewer from List4",
            [&] {
                nav.openActViewerFromNews();
                nav.showActViewer();
            },
            Expect{split("Label12 textlege Inapoi Fav"), split("Frame1 List3 List4 List1")});
        check(
            f, "template viewer",
            [&] {
                nav.openTemplateViewer(title);
                QCOMPARE(f.ui().Label11->text(), title);
                f.ui().Label11->setText(QStringLiteral("Titlu anterior"));
            },
            Expect{split("textlege Label12 inapoi2"), split("List4 Frame1 List1 List3")});

        check(
            f, "day Adauga", [&] { nav.showEventPanelForAdding(); }, Expect{split("Frame3"), split("modif")});
        check(
            f, "day view double-click", [&] { nav.showEventPanelForEditing(); }, Expect{split("Frame3 modif"), {}});
        check(
            f, "new event saved",
            [&] {
                nav.showAgendaPanel();
                nav.closeEventPanel();
            },
            Expect{split("Frame2"), split("Frame3")});
        check(
            f, "edited event saved",
            [&] {
                nav.hideModifyButton();
                nav.closeEventPanel();
                nav.showAgendaPanel();
            },
            Expect{split("Frame2"), split("modif Frame3")});
        check(
            f, "new type saved", [&] { nav.closeTypePanel(); }, Expect{{}, split("Frame4")});
    }

    void screens()
    {
        FormFixture f(true);
        Form1& w = f.form();
        Controls& u = f.ui();
        Navigation nav(w.context());
        w.show();
        const QStringList acts = listRows(*u.List1);
        QVERIFY(!acts.isEmpty());

        // Act viewer and back: the same rows, FavMode unchanged.
        w.FavMode = true;
        nav.openActViewerFromList(u.List1->SubItem(0, 1));
        nav.showActViewer();
        QCOMPARE(visibleSet(w), split("textlege Label11 Fav Label12 Inapoi"));
        w.Inapoi_Click();
        QCOMPARE(visibleSet(w), split("Frame1 List1 List4 Label11"));
        QCOMPARE(listRows(*u.List1), acts);
        QVERIFY(w.FavMode);

        // Viewer, then the contracts entry: Inapoi and the title stay.
        nav.openActViewerFromList(QStringLiteral("Codul muncii"));
        nav.showActViewer();
        w.Contracte_Click();
        QCOMPARE(visibleSet(w), split("Frame1 List3 List4 Label11 Inapoi"));
        QCOMPARE(u.Label11->text(), QStringLiteral("Codul muncii"));
        QVERIFY(!w.FavMode);

        // Viewer, then the agenda: what lies outside the panel stays usable.
        w.Cautare_Click();
        nav.openActViewerFromList(QStringLiteral("Codul muncii"));
        nav.showActViewer();
        w.Agenda_Click();
        QCOMPARE(visibleSet(w), split("Frame2 textlege Label11 Fav Label12 Inapoi"));
        for (QWidget* b :
             {static_cast<QWidget*>(u.Fav), static_cast<QWidget*>(u.Label12), static_cast<QWidget*>(u.Inapoi)})
            QCOMPARE(w.childAt(centreIn(b, &w)), b);
        QSignalSpy back(u.Inapoi, &ClickLabel::Click);
        QTest::mouseClick(u.Inapoi, Qt::LeftButton);
        QCOMPARE(back.count(), 1);
        // Inapoi shows the act list but the agenda panel still covers it.
        QVERIFY(!u.Frame2->isHidden());
        w.Agenda_Click();
        QVERIFY(!u.Frame2->isHidden());
    }

    void menuAreasAreClickable()
    {
        FormFixture f(false);
        Controls& u = f.ui();
        f.form().show();
        u.Frame2->show();
        QSignalSpy spy(u.Cautare, &MouseArea::Click);
        QTest::mouseClick(u.Cautare, Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        QVERIFY(u.Frame2->isHidden()); // the click reached Cautare_Click
        QTest::mouseClick(u.Agenda, Qt::LeftButton);
        QVERIFY(!u.Frame2->isHidden());
    }

    // --- Window chrome ---

    void pressPlaceRoundsHalfToEven()
    {
        const std::pair<float, qint16> cases[] = {{22.5f, 22}, {37.5f, 38},   {-7.5f, -8},
                                                  {14.4f, 14}, {1e6f, 32767}, {-1e6f, -32768}};
        for (const auto& [twips, word] : cases)
            QCOMPARE(WindowChrome::toTwipsWord(twips), word);
        FormFixture f(false);
        f.form().Image2_MouseDown(1, 0, 1507.5f, 52.5f);
        QVERIFY(f.form().DragOn);
        QCOMPARE(f.form().DragX, qint16(1508));
        QCOMPARE(f.form().DragY, qint16(52));
    }

    void dragMovesByThePointersOffset()
    {
        FormFixture f(false);
        Form1& w = f.form();
        w.move(100, 80);
        // Press and release on the same spot: the window stays.
        w.Image2_MouseDown(1, 0, 300, 150);
        w.Image2_MouseUp(1, 0, 300, 150);
        QCOMPARE(w.pos(), QPoint(100, 80));
        QVERIFY(!w.DragOn);

        // Each move shifts by the offset from the press point, in twips.
        w.Image2_MouseDown(2, 0, 300, 150); // right button drags too
        w.Image2_MouseMove(2, 0, 450, 120);
        QCOMPARE(w.pos(), QPoint(110, 78));
        w.Image2_MouseMove(2, 0, 300 - 75, 150 + 45);
        QCOMPARE(w.pos(), QPoint(105, 81));
        // A release after a move that produced no move event still lands.
        w.Image2_MouseUp(2, 0, 300 + 600, 150);
        QCOMPARE(w.pos(), QPoint(145, 81));
        QVERIFY(!w.DragOn);

        // Moves without a press do nothing.
        w.Image2_MouseMove(0, 0, 900, 900);
        QCOMPARE(w.pos(), QPoint(145, 81));
    }

    void dragByRealMouse()
    {
        FormFixture f(false);
        Form1& w = f.form();
        w.move(50, 60);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QPoint start = w.pos();
        QTest::mousePress(f.ui().Image2, Qt::MiddleButton, {}, QPoint(40, 10));
        QVERIFY(w.DragOn);
        QCOMPARE(w.DragX, qint16(600));
        QCOMPARE(w.DragY, qint16(150));
        QTest::mouseRelease(f.ui().Image2, Qt::MiddleButton, {}, QPoint(70, 4));
        QVERIFY(!w.DragOn);
        QCOMPARE(w.pos(), start + QPoint(30, -6));
    }

    void minimiseAndClose()
    {
        FormFixture f(false);
        Form1& w = f.form();
        Controls& u = f.ui();
        QCOMPARE(u.Label27->toolTip(), QStringLiteral("Inchidere Program"));
        QCOMPARE(u.Label29->toolTip(), QStringLiteral("Minimizare"));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseClick(u.Label29, Qt::LeftButton);
        QVERIFY(w.windowState() & Qt::WindowMinimized);
        w.showNormal();

        // "X" closes the window while a panel is open, asking nothing; the
        // event loop of the program then ends with its last window.
        w.Agenda_Click();
        w.deftip_Click();
        QTest::mouseClick(u.Label27, Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QVERIFY(f.dialogs.messages.isEmpty());
        QVERIFY(f.dialogs.questions.isEmpty());
    }
};

QTEST_MAIN(NavigationTest)
#include "test_navigation.moc"
