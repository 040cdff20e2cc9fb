// Panel switching of every menu entry, back button and viewer step, and
// what lies on top where, on the real window.
#include "support/TestSupport.h"

#include "shell/Navigation.h"

#include <QtTest>

#include <functional>

using namespace testsupport;
using namespace Qt::StringLiterals;

namespace {

const QStringList kSwitched = u"Frame1 Frame2 Frame3 Frame4 List1 List2 List3 List4 textlege "
                              "Label11 Fav Label12 Inapoi inapoi2 modif"_s.split(QLatin1Char(' '));

QStringList split(const char* names)
{
    QStringList out = QString::fromLatin1(names).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    out.sort();
    return out;
}

QStringList visibleSet(Form1& form)
{
    QStringList out;
    for (const QString& n : kSwitched)
        if (!form.findChild<QWidget*>(n)->isHidden())
            out << n;
    out.sort();
    return out;
}

enum class Fav { Off, On, Kept };
enum Rows { Kept, Emptied, Refilled }; // what a handler does to a list's rows; Refilled is not checked here

struct Expect {
    const char* shown = "";
    const char* hidden = "";
    Fav fav = Fav::Kept;
    bool label11Emptied = false;
    Rows list1 = Kept;
    Rows list3 = Kept;
};

// Runs the handler from every switched control shown and from all hidden,
// with FavMode on and off, a caption in Label11 and one row in List1 and List3.
void check(FormFixture& f, const char* handler, const std::function<void()>& run, const Expect& e)
{
    const QStringList shown = split(e.shown), hidden = split(e.hidden);
    for (bool visible : {true, false}) {
        for (bool fav : {true, false}) {
            for (const QString& n : kSwitched)
                if (n != QLatin1String("List2"))
                    f.form().findChild<QWidget*>(n)->setVisible(visible);
            f.form().FavMode = fav;
            f.ui().Label11->setText(u"Titlu anterior"_s);
            for (ListView* l : {f.ui().List1, f.ui().List3}) {
                l->Clear();
                l->SetSubItem(l->Add(), 1, u"rand"_s);
            }
            const QStringList before = visibleSet(f.form());
            run();
            const QString where = u"%1 from all %2, FavMode %3: "_s
                                      .arg(QLatin1String(handler), QLatin1String(visible ? "shown" : "hidden"))
                                      .arg(fav);
            for (const QString& n : kSwitched) {
                const bool want = shown.contains(n) || (!hidden.contains(n) && before.contains(n));
                QVERIFY2(f.form().findChild<QWidget*>(n)->isHidden() == !want, qPrintable(where + n));
            }
            QVERIFY2(f.form().FavMode == (e.fav == Fav::On || (e.fav == Fav::Kept && fav)), qPrintable(where));
            QVERIFY2(f.ui().Label11->text() == (e.label11Emptied ? QString() : u"Titlu anterior"_s),
                     qPrintable(where + u"Label11"_s));
            for (const auto& [list, rows] : {std::pair(f.ui().List1, e.list1), std::pair(f.ui().List3, e.list3)})
                QVERIFY2(rows == Refilled || list->Count() == (rows == Emptied ? 0 : 1),
                         qPrintable(where + list->objectName()));
        }
    }
}

bool onTop(Form1& w, QWidget* c)
{
    QWidget* hit = w.childAt(c->mapTo(&w, c->rect().center()));
    return hit == c || c->isAncestorOf(hit);
}

const char* const kLegiShown = "List4 Frame1 List1";
const char* const kLegiHidden = "Frame4 Frame2 Frame3 Label12 inapoi2 textlege Inapoi Fav List3";

} // namespace

class NavigationTest : public QObject {
    Q_OBJECT

private slots:
    void everySwitch()
    {
        FormFixture f(false);
        Form1& w = f.form();
        Navigation nav(w.context());
        const char* contracteHidden = "Frame4 Frame2 Frame3 Label12 Fav textlege inapoi2 List1";
        const char* viewer = "Label12 textlege Inapoi Fav";
        check(f, "Cautare_Click", [&] { w.Cautare_Click(); }, {kLegiShown, kLegiHidden, Fav::Off, true, Emptied});
        check(f, "LegiCons_Click", [&] { w.LegiCons_Click(); }, {kLegiShown, kLegiHidden, Fav::Off, true, Refilled});
        check(f, "LegiFav_Click", [&] { w.LegiFav_Click(); }, {kLegiShown, kLegiHidden, Fav::On, true, Refilled});
        // The agenda touches only the three panels; contracts leave Inapoi and Label11.
        check(f, "Agenda_Click", [&] { w.Agenda_Click(); }, {"Frame2", "Frame4 Frame3", Fav::Off});
        check(f, "Contracte_Click", [&] { w.Contracte_Click(); },
              {"List4 Frame1 List3", contracteHidden, Fav::Off, false, Kept, Refilled});
        // The switching on its own empties exactly the list its row names.
        check(f, "Contracte", [&] { nav.Contracte_Click(); },
              {"List4 Frame1 List3", contracteHidden, Fav::Off, false, Kept, Emptied});
        check(f, "LegiCons", [&] { nav.LegiCons_Click(); }, {kLegiShown, kLegiHidden, Fav::Off, true});
        check(f, "LegiFav", [&] { nav.LegiFav_Click(); }, {kLegiShown, kLegiHidden, Fav::On, true});
        check(f, "Inapoi_Click", [&] { w.Inapoi_Click(); },
              {"List4 Frame1 List1", "Label12 textlege Inapoi Fav", Fav::Kept, true});
        check(f, "inapoi2_Click", [&] { w.inapoi2_Click(); },
              {"List4 Frame1 List3", "Label12 textlege inapoi2", Fav::Kept, true});
        check(f, "Label34_Click", [&] { w.Label34_Click(); }, {"", "Frame4"});
        // The viewer steps leave their title in Label11, put back here for the check.
        const QString title = u"Titlu anterior"_s;
        check(f, "act viewer from List1", [&] { nav.openActViewerFromList(title), nav.showActViewer(); },
              {viewer, "List4 Frame1 List3 List1"});
        check(f, "act viewer from List4", [&] { nav.openActViewerFromNews(), nav.showActViewer(); },
              {viewer, "Frame1 List3 List4 List1"});
        check(f, "template viewer", [&] { nav.openTemplateViewer(title); },
              {"textlege Label12 inapoi2", "List4 Frame1 List1 List3"});

        Controls& u = f.ui();
        u.Datafr->setText(u"14.03.2007"_s);
        u.Orra->setText(u"10:30"_s);
        u.Com->setText(u"Termen"_s);
        u.tipev->setText(u"Proces"_s);
        u.idev->setText(u"2"_s);
        check(f, "Label13_Click", [&] { w.Label13_Click(); }, {"", "Frame3 modif"});
        // The fields are emptied; the type combo and the type id stay.
        QCOMPARE(u.Datafr->text() + u.Orra->text() + u.Com->Text(), QString());
        QCOMPARE(u.tipev->Text() + u.idev->text(), u"Proces2"_s);
        u.tippev->setText(u"Audiere"_s);
        check(f, "deftip_Click", [&] { w.deftip_Click(); }, {"Frame4", ""});
        QCOMPARE(u.tippev->text(), QString());
    }

    // Whole screens after real sequences, and what lies on top where.
    void screens()
    {
        FormFixture f(true);
        Form1& w = f.form();
        Controls& u = f.ui();
        Navigation nav(w.context());
        w.show();
        QCOMPARE(visibleSet(w), split("Frame1 List1 List3 List4 Label11"));
        QVERIFY(onTop(w, u.List1)); // List1 lies over List3

        // Viewer, then the agenda: the buttons outside the panel stay usable.
        nav.openActViewerFromList(u"Codul muncii"_s);
        nav.showActViewer();
        w.Agenda_Click();
        for (QWidget* b : std::initializer_list<QWidget*>{u.Fav, u.Label12, u.Inapoi})
            QVERIFY2(onTop(w, b), qPrintable(b->objectName()));
        QVERIFY(onTop(w, u.Label17));
        // Inapoi shows the act list but the agenda panel still covers it.
        w.Inapoi_Click();
        QVERIFY(!u.Frame2->isHidden() && !onTop(w, u.List1));
    }
};

QTEST_MAIN(NavigationTest)
#include "test_navigation.moc"
