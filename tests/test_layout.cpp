// The window's controls: kinds, names, places, captions, looks and stacking,
// and the drawn background under the clickable menu areas.
#include "support/TestSupport.h"

#include "controls/Twips.h"
#include "ui/Layout.h"
#include "ui/WindowArt.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHeaderView>
#include <QTextEdit>
#include <QtTest>

using namespace testsupport;

namespace {

enum Kind { Area, Label, Button, Frame, List, Combo, Edit, Rich };

struct ControlRow {
    const char* name;
    Kind kind;
    const char* parent; // "Form1" or a panel
    int l, t, w, h;     // twips; w == 0: no place given
    const char* caption;
    bool shownAtStart;
};

// Every control whose place is given, with its caption.
const ControlRow kControls[] = {
    {"Cautare", Area, "Form1", 1320, 600, 1095, 1095, nullptr, true},
    {"LegiCons", Area, "Form1", 3120, 600, 1095, 1095, nullptr, true},
    {"LegiFav", Area, "Form1", 4920, 600, 1095, 1095, nullptr, true},
    {"Agenda", Area, "Form1", 6720, 600, 1095, 1095, nullptr, true},
    {"Contracte", Area, "Form1", 8520, 600, 1095, 1095, nullptr, true},
    {"Update", Area, "Form1", 10400, 600, 1095, 1095, nullptr, true},
    {"Image2", Area, "Form1", 1560, 0, 10335, 375, nullptr, true},
    {"Label23", Label, "Form1", 8760, 0, 3135, 375, "Tarvenor 2007", true},
    {"Label27", Button, "Form1", 120, 80, 135, 200, "X", true},
    {"Label29", Button, "Form1", 320, 40, 135, 195, "_", true},
    {"Frame4", Frame, "Form1", 1560, 2520, 10095, 5295, nullptr, false},
    {"Frame3", Frame, "Form1", 1560, 2400, 10095, 5295, nullptr, false},
    {"Frame2", Frame, "Form1", 1560, 2400, 10095, 5295, nullptr, false},
    {"List4", List, "Form1", 2040, 7800, 9615, 945, nullptr, true},
    {"List1", List, "Form1", 1560, 4680, 10095, 3015, nullptr, true},
    {"Frame1", Frame, "Form1", 1560, 2400, 10095, 2175, nullptr, true},
    {"List2", List, "Form1", 720, 8280, 255, 495, nullptr, false},
    {"List3", List, "Form1", 1560, 4680, 10095, 3015, nullptr, true},
    {"textlege", Rich, "Form1", 1680, 3000, 9975, 5175, nullptr, false},
    {"Label11", Label, "Form1", 960, 2160, 10695, 735, "", true},
    {"Fav", Button, "Form1", 1920, 8280, 2175, 375, "Adauga la Favorite", false},
    {"Label12", Button, "Form1", 6720, 8280, 735, 255, "Print", false},
    {"Inapoi", Button, "Form1", 10800, 8280, 735, 255, "Inapoi", false},
    {"inapoi2", Button, "Form1", 10800, 8280, 735, 255, "Inapoi", false},
    // The search panel
    {"Label2", Label, "Frame1", 120, 200, 975, 255, "Cautare:", true},
    {"Label4", Label, "Frame1", 240, 600, 855, 255, "Tip Act:", true},
    {"tipact", Combo, "Frame1", 1320, 600, 3615, 315, nullptr, true},
    {"Label5", Label, "Frame1", 5160, 600, 855, 255, "Nr. Act:", true},
    {"nract", Edit, "Frame1", 6000, 600, 975, 285, nullptr, true},
    {"Label6", Label, "Frame1", 7200, 600, 615, 255, "Data:", true},
    {"zi", Combo, "Frame1", 7800, 600, 615, 315, nullptr, true},
    {"luna", Combo, "Frame1", 8520, 600, 615, 315, nullptr, true},
    {"anull", Combo, "Frame1", 9240, 600, 735, 315, nullptr, true},
    {"data", Edit, "Frame1", 10080, 240, 1455, 285, nullptr, false},
    {"Label8", Label, "Frame1", 240, 1080, 1695, 255, "Monitorul Oficial:", true},
    {"Label9", Label, "Frame1", 1920, 1080, 495, 255, "Nr.:", true},
    {"nr", Edit, "Frame1", 2400, 1080, 855, 285, nullptr, true},
    {"Label10", Label, "Frame1", 3360, 1080, 615, 255, "Anul:", true},
    {"an", Edit, "Frame1", 3960, 1080, 975, 285, nullptr, true},
    {"Label7", Label, "Frame1", 5160, 1080, 855, 255, "Emitent:", true},
    {"emitent", Combo, "Frame1", 6120, 1080, 3855, 315, nullptr, true},
    {"Label3", Label, "Frame1", 240, 1560, 1455, 255, "Cuvant Cheie:", true},
    {"cuvcheie", Edit, "Frame1", 1800, 1560, 8175, 285, nullptr, true},
    {"Label1", Button, "Frame1", 9120, 1880, 855, 255, "CAUTA!", true},
    // The agenda, event and type panels: laid out freely, except the day columns' sizes
    {"Label14", Label, "Frame2", 0, 0, 0, 0, "Agenda:", true},
    {"Label15", Button, "Frame2", 0, 0, 0, 0, "<", true},
    {"Label16", Button, "Frame2", 0, 0, 0, 0, ">", true},
    {"Text1", Edit, "Frame2", 0, 0, 3135, 285, nullptr, true},
    {"Text2", Edit, "Frame2", 0, 0, 3135, 285, nullptr, true},
    {"Text3", Edit, "Frame2", 0, 0, 3135, 285, nullptr, true},
    {"View1", List, "Frame2", 0, 0, 3135, 3855, nullptr, true},
    {"View2", List, "Frame2", 0, 0, 3135, 3855, nullptr, true},
    {"View3", List, "Frame2", 0, 0, 3135, 3855, nullptr, true},
    {"Label17", Button, "Frame2", 0, 0, 0, 0, "Adauga", true},
    {"Label18", Button, "Frame2", 0, 0, 0, 0, "Adauga", true},
    {"Label19", Button, "Frame2", 0, 0, 0, 0, "Adauga", true},
    {"Label20", Label, "Frame3", 0, 0, 0, 0, "Adaugare In Agenda:", true},
    {"Label21", Label, "Frame3", 0, 0, 0, 0, "Data:", true},
    {"Label22", Label, "Frame3", 0, 0, 0, 0, "Ora:", true},
    {"Label24", Label, "Frame3", 0, 0, 0, 0, "Tip Eveniment:", true},
    {"Label25", Label, "Frame3", 0, 0, 0, 0, "Comentariu:", true},
    {"Datafr", Edit, "Frame3", 0, 0, 0, 0, nullptr, true},
    {"Orra", Edit, "Frame3", 0, 0, 0, 0, nullptr, true},
    {"tipev", Combo, "Frame3", 0, 0, 0, 0, nullptr, true},
    {"deftip", Button, "Frame3", 0, 0, 0, 0, "Definire Tipuri", true},
    {"Com", Rich, "Frame3", 0, 0, 0, 0, nullptr, true},
    {"Label13", Button, "Frame3", 0, 0, 0, 0, "Inapoi", true},
    {"Label26", Button, "Frame3", 0, 0, 0, 0, "Adauga", true},
    {"modif", Button, "Frame3", 0, 0, 0, 0, "Modifica", false},
    {"idev", Edit, "Frame3", 0, 0, 0, 0, nullptr, false},
    {"Label30", Label, "Frame4", 0, 0, 0, 0, "Definire Tip Eveniment:", true},
    {"Label31", Label, "Frame4", 0, 0, 0, 0, "Eveniment:", true},
    {"tippev", Edit, "Frame4", 0, 0, 0, 0, nullptr, true},
    {"Label34", Button, "Frame4", 0, 0, 0, 0, "Inapoi", true},
    {"Label28", Button, "Frame4", 0, 0, 0, 0, "Adauga", true},
    {"idag", Edit, "Form1", 0, 0, 0, 0, nullptr, false},
};

bool hasKind(QWidget* w, Kind k)
{
    switch (k) {
    case Area: return qobject_cast<MouseArea*>(w) != nullptr;
    case Label: return qobject_cast<QLabel*>(w) != nullptr;
    case Button: return qobject_cast<ClickLabel*>(w) != nullptr;
    case Frame: return qobject_cast<QFrame*>(w) && !qobject_cast<QAbstractItemView*>(w) && !qobject_cast<QTextEdit*>(w);
    case List: return qobject_cast<QAbstractItemView*>(w) != nullptr;
    case Combo: return qobject_cast<QComboBox*>(w) != nullptr;
    case Edit: return qobject_cast<QLineEdit*>(w) != nullptr;
    case Rich: return qobject_cast<QTextEdit*>(w) != nullptr;
    }
    return false;
}

QWidget* find(Form1& form, const char* name)
{
    return form.findChild<QWidget*>(QString::fromLatin1(name));
}

QRect inForm(QWidget* w, Form1& form)
{
    return QRect(w->mapTo(&form, QPoint(0, 0)), w->size());
}

QStringList headers(ListView* v)
{
    QStringList out;
    for (int i = 0; i < v->model()->columnCount(); ++i)
        out << v->model()->headerData(i, Qt::Horizontal).toString();
    return out;
}

QList<int> widths(ListView* v)
{
    QList<int> out;
    for (int i = 0; i < v->model()->columnCount(); ++i)
        out << (v->isColumnHidden(i) ? 0 : v->columnWidth(i));
    return out;
}

bool isBandGreen(QRgb c)
{
    return qGreen(c) > qRed(c) + 40 && qGreen(c) > qBlue(c) + 40;
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlByNameKindAndPlace()
    {
        FormFixture f(false);
        Form1& form = f.form();
        const QRect window(QPoint(0, 0), form.size());
        for (const ControlRow& s : kControls) {
            QWidget* w = find(form, s.name);
            QVERIFY2(w, s.name);
            QVERIFY2(hasKind(w, s.kind), s.name);
            QCOMPARE(w->parentWidget()->objectName(), QString::fromLatin1(s.parent));
            QVERIFY2(w->isHidden() == !s.shownAtStart, s.name);
            if (s.l || s.t)
                QVERIFY2(w->geometry() == Twips::rect(s.l, s.t, s.w, s.h), s.name);
            else if (s.w)
                QVERIFY2(w->size() == Twips::rect(0, 0, s.w, s.h).size(), s.name);
            if (s.caption)
                QCOMPARE(qobject_cast<QLabel*>(w)->text(), QString::fromLatin1(s.caption));
            // The hidden date box of the search panel lies where it is given,
            // partly past the window's edge; it is never seen.
            if (qstrcmp(s.name, "data") != 0) {
                QVERIFY2(window.contains(inForm(w, form)), s.name);
                QVERIFY2(QRect(QPoint(0, 0), w->parentWidget()->size()).contains(w->geometry()), s.name);
            }
        }
    }

    void fieldKinds()
    {
        FormFixture f(false);
        Controls& u = f.ui();
        for (QComboBox* c : std::initializer_list<QComboBox*>{u.zi, u.luna, u.anull, u.tipev, u.tipact, u.emitent})
            QVERIFY2(c->isEditable() == (c != u.tipact && c != u.emitent), qPrintable(c->objectName()));
        QCOMPARE(u.Orra->maxLength(), 5);
        QCOMPARE(u.an->maxLength(), 4);
        for (QLineEdit* e : {u.Datafr, u.Text1, u.Text2, u.Text3, u.Orra, u.tippev})
            QVERIFY2(e->isReadOnly() == (e != u.Orra && e != u.tippev), qPrintable(e->objectName()));
    }

    void listColumns()
    {
        FormFixture f(false);
        Controls& u = f.ui();
        const char* const agenda = "|Ora|Tip Eveniment|coment|id";
        const struct {
            ListView* view;
            const char* headers;
            QList<int> widths;
        } lists[] = {
            {u.List1, "id|Titlu Lege|Tip Act|id_lege|id_fav", {0, 520, 133, 0, 0}},
            {u.List4, "id|Noutati|Tip Act|id_lege", {0, 623, 0, 0}},
            {u.List3, "id|Contract Tip|Tip Act|id_lege", {0, 653, 0, 0}},
            {u.View1, agenda, {0, 67, 200, 0, 0}},
            {u.View2, agenda, {0, 67, 200, 0, 0}},
            {u.View3, agenda, {0, 67, 200, 0, 0}},
        };
        for (const auto& l : lists) {
            QCOMPARE(headers(l.view), QString::fromLatin1(l.headers).split(QLatin1Char('|')));
            QCOMPARE(widths(l.view), l.widths);
        }
        for (ListView* v : {u.View1, u.View2, u.View3})
            QCOMPARE(v->toolTip(), QStringLiteral("Dublu click pentru detalii"));
    }

    void agendaPanelsAreOrderly()
    {
        FormFixture f(false);
        Controls& u = f.ui();
        QLineEdit* boxes[] = {u.Text1, u.Text2, u.Text3};
        ListView* views[] = {u.View1, u.View2, u.View3};
        ClickLabel* adds[] = {u.Label17, u.Label18, u.Label19};
        for (int d = 0; d < 3; ++d) {
            // Each column: day box over its view over its "Adauga", aligned.
            QCOMPARE(boxes[d]->x(), views[d]->x());
            QCOMPARE(adds[d]->x(), views[d]->x());
            QCOMPARE(adds[d]->width(), views[d]->width());
            QVERIFY(boxes[d]->geometry().bottom() < views[d]->y());
            QVERIFY(views[d]->geometry().bottom() < adds[d]->y());
            QCOMPARE(boxes[d]->y(), boxes[0]->y());
            QCOMPARE(views[d]->y(), views[0]->y());
            if (d > 0)
                QVERIFY(views[d - 1]->geometry().right() < views[d]->x());
        }
        // Event panel: fields top to bottom, labels left of their fields;
        // modif lies over Adauga and covers it while shown.
        QWidget* fields[] = {u.Datafr, u.Orra, u.tipev, u.Com};
        QLabel* labels[] = {u.Label21, u.Label22, u.Label24, u.Label25};
        for (int i = 0; i < 4; ++i) {
            QVERIFY(labels[i]->geometry().right() < fields[i]->x());
            if (i > 0)
                QVERIFY(fields[i - 1]->geometry().bottom() < fields[i]->y());
        }
        QCOMPARE(u.modif->geometry(), u.Label26->geometry());
        QVERIFY(u.Frame3->children().indexOf(u.modif) > u.Frame3->children().indexOf(u.Label26));
    }

    void stackingOrder()
    {
        FormFixture f(false);
        Form1& form = f.form();
        const QObjectList& z = form.children(); // raised last = on top
        const char* topDown[] = {"Frame4", "Frame3", "Frame2", "List4",   "List1",
                                 "Frame1", "List2",  "List3",  "textlege"};
        for (size_t i = 1; i < std::size(topDown); ++i)
            QVERIFY2(z.indexOf(find(form, topDown[i - 1])) > z.indexOf(find(form, topDown[i])), topDown[i]);
        const int lowestBox = z.indexOf(find(form, "textlege"));
        for (const char* label : {"Label11", "Fav", "Label12", "Inapoi", "inapoi2", "Label23", "Image2", "Label27",
                                  "Label29", "Cautare", "Update"})
            QVERIFY2(z.indexOf(find(form, label)) < lowestBox, label);
        // The drag strip lies over the title, so a press on the title drags.
        QVERIFY(z.indexOf(find(form, "Image2")) > z.indexOf(find(form, "Label23")));
    }

    void captionsFitTheirPlaces()
    {
        FormFixture f(false);
        Controls& u = f.ui();
        for (QLabel* l : {u.Label2, u.Label3, u.Label4, u.Label5, u.Label6, u.Label7, u.Label8, u.Label9, u.Label10,
                          static_cast<QLabel*>(u.Label1), u.Label20, u.Label24, u.Label25, u.Label30})
            QVERIFY2(QFontMetrics(l->font()).horizontalAdvance(l->text()) <= l->width(), qPrintable(l->objectName()));
    }

    void pictureLiesUnderTheMenuAreas()
    {
        FormFixture f(false);
        const QImage& art = WindowArt::picture();
        QCOMPARE(art.size(), QSize(800, 600));
        MouseArea* menu[] = {f.ui().Cautare, f.ui().LegiCons,  f.ui().LegiFav,
                             f.ui().Agenda,  f.ui().Contracte, f.ui().Update};
        for (int i = 0; i < 6; ++i) {
            const QRectF area(menu[i]->geometry());
            QCOMPARE(WindowArt::buttonCentre(i), area.center());
            const double r = WindowArt::buttonRadius();
            QVERIFY(r > area.width() * 0.35 && r < area.width() / 2);
            // A button is drawn at the area's centre, the green band beside it.
            const QPointF c = area.center();
            QVERIFY2(!isBandGreen(art.pixel(c.toPoint())), qPrintable(menu[i]->objectName()));
            QVERIFY(!isBandGreen(art.pixel(QPointF(c.x(), c.y() - r + 6).toPoint())));
            QVERIFY(isBandGreen(art.pixel(QPointF(c.x() - r - 8, c.y() - r).toPoint())));
            QVERIFY(isBandGreen(art.pixel(QPointF(c.x() + r + 8, c.y() - r).toPoint())));
        }
        // The panels' blue lies wherever a panel does, so the panels blend in.
        for (const QPoint p :
             {QPoint(110, 165), QPoint(770, 165), QPoint(440, 520), QPoint(770, 590), QPoint(110, 590)})
            QCOMPARE(QColor(art.pixel(p)), f.ui().Frame1->palette().color(QPalette::Window));
        // Light grey to the left of the curve, light blue along the top.
        const QColor grey(art.pixel(4, 400));
        QVERIFY(qAbs(grey.red() - grey.blue()) < 20 && grey.lightness() > 200);
        const QColor strip(art.pixel(400, 12));
        QVERIFY(strip.blue() > strip.red() && strip.lightness() > 170);
        // The window paints the picture.
        f.form().show();
        const QImage shot = f.form().grab().toImage();
        QCOMPARE(shot.pixel(60, 95), art.pixel(60, 95));
        QCOMPARE(shot.pixel(400, 12), art.pixel(400, 12));
    }
};

QTEST_MAIN(LayoutTest)
#include "test_layout.moc"
