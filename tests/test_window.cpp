// The window as it opens: its shape, every control by name, kind, panel and
// place, and what the load step fills in.
#include "support/TestSupport.h"

#include <QAbstractItemView>
#include <QFile>
#include <QMenu>
#include <QTextEdit>
#include <QtTest>

using namespace testsupport;
using namespace Qt::StringLiterals;

namespace {

QStringList words(const char* text)
{
    return QString::fromUtf8(text).split(QRegularExpression(u"[\\s,]+"_s), Qt::SkipEmptyParts);
}

// The fixed places in pixels (given in twips, 15 to a pixel): name x y w h.
const char* const kPlaces = R"(
Cautare 88 40 73 73, LegiCons 208 40 73 73, LegiFav 328 40 73 73
Agenda 448 40 73 73, Contracte 568 40 73 73, Update 693 40 73 73
Image2 104 0 689 25, Label23 584 0 209 25, Label27 8 5 9 13, Label29 21 3 9 13
Frame1 104 160 673 145, Frame2 104 160 673 353, Frame3 104 160 673 353, Frame4 104 168 673 353
List1 104 312 673 201, List3 104 312 673 201, List4 136 520 641 63, List2 48 552 17 33
textlege 112 200 665 345, Label11 64 144 713 49, Fav 128 552 145 25
Label12 448 552 49 17, Inapoi 720 552 49 17, inapoi2 720 552 49 17
Label2 8 13 65 17, Label4 16 40 57 17, tipact 88 40 241 21, Label5 344 40 57 17, nract 400 40 65 19
Label6 480 40 41 17, zi 520 40 41 21, luna 568 40 41 21, anull 616 40 49 21, data 672 16 97 19
Label8 16 72 113 17, Label9 128 72 33 17, nr 160 72 57 19, Label10 224 72 41 17, an 264 72 65 19
Label7 344 72 57 17, emitent 408 72 257 21, Label3 16 104 97 17, cuvcheie 120 104 545 19
Label1 608 125 57 17)";

const char* const kKinds[][2] = {
    {"area", "Cautare LegiCons LegiFav Agenda Contracte Update Image2"},
    {"button", "Label27 Label29 Fav Label12 Inapoi inapoi2 Label1 Label15 Label16 Label17 Label18 Label19 deftip "
               "Label13 Label26 modif Label34 Label28"},
    {"frame", "Frame1 Frame2 Frame3 Frame4"},
    {"list", "List1 List2 List3 List4 View1 View2 View3"},
    {"combo", "tipact emitent"},
    {"editable", "zi luna anull tipev"},
    {"edit", "nract data nr an cuvcheie Text1 Text2 Text3 Datafr Orra idev tippev idag"},
    {"rich", "textlege Com"}};

const char* const kPanels[][2] = {
    {"Frame1", "Label2 Label4 tipact Label5 nract Label6 zi luna anull data Label8 Label9 nr Label10 an Label7 "
               "emitent Label3 cuvcheie Label1"},
    {"Frame2", "Label14 Label15 Label16 Text1 Text2 Text3 View1 View2 View3 Label17 Label18 Label19"},
    {"Frame3", "Label20 Label21 Label22 Label24 Label25 Datafr Orra tipev deftip Com Label13 Label26 modif idev"},
    {"Frame4", "Label30 Label31 tippev Label34 Label28"}};

bool hasKind(QWidget* w, const QString& k)
{
    if (k == QLatin1String("area"))
        return qobject_cast<MouseArea*>(w);
    if (k == QLatin1String("button"))
        return qobject_cast<ClickLabel*>(w);
    if (k == QLatin1String("frame"))
        return qobject_cast<QFrame*>(w) && !qobject_cast<QAbstractItemView*>(w) && !qobject_cast<QTextEdit*>(w);
    if (k == QLatin1String("list"))
        return qobject_cast<QAbstractItemView*>(w);
    if (auto* c = qobject_cast<QComboBox*>(w))
        return c->isEditable() == (k == QLatin1String("editable"));
    return k == QLatin1String("edit") ? qobject_cast<QLineEdit*>(w) != nullptr : qobject_cast<QTextEdit*>(w) != nullptr;
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void controlsByNameKindPanelAndPlace()
    {
        FormFixture f(false);
        Form1& form = f.form();
        QCOMPARE(form.size(), QSize(803, 602));
        QVERIFY(form.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(form.windowTitle(), u"Tarvenor 2007"_s);
        auto find = [&form](const QString& n) { return form.findChild<QWidget*>(n); };
        const QStringList hidden = words("Frame2 Frame3 Frame4 List2 textlege Fav Label12 Inapoi inapoi2 data modif "
                                         "idev idag");
        for (const auto& k : kKinds)
            for (const QString& n : words(k[1]))
                QVERIFY2(find(n) && hasKind(find(n), QLatin1String(k[0])) && find(n)->isHidden() == hidden.contains(n),
                         qPrintable(n));
        // Each in its panel, inside it (the hidden date box lies partly past the window's edge).
        for (const auto& p : kPanels)
            for (const QString& n : words(p[1]))
                QVERIFY2(
                    find(n)->parentWidget() == find(QLatin1String(p[0])) &&
                        (n == QLatin1String("data") || find(n)->parentWidget()->rect().contains(find(n)->geometry())),
                    qPrintable(n));
        const QStringList places = words(kPlaces);
        for (int i = 0; i + 4 < places.size(); i += 5) {
            const QRect want(places[i + 1].toInt(), places[i + 2].toInt(), places[i + 3].toInt(),
                             places[i + 4].toInt());
            QVERIFY2(find(places[i])->geometry() == want, qPrintable(places[i]));
        }
        for (QWidget* v : {f.ui().View1, f.ui().View2, f.ui().View3}) // the day columns' given size
            QCOMPARE(v->size(), QSize(209, 257));
        for (QLabel* l : form.findChildren<QLabel*>()) // captions fit their places
            QVERIFY2(QFontMetrics(l->font()).horizontalAdvance(l->text()) <= l->width(), qPrintable(l->objectName()));
    }

    void loadFillsListsAndFields()
    {
        FormFixture f(true);
        Controls& u = f.ui();
        QCOMPARE(u.zi->count(), 31);
        QCOMPARE(u.zi->itemText(0), u"01"_s);
        QCOMPARE(u.zi->itemText(9), u"10"_s);
        QCOMPARE(u.zi->itemText(30), u"31"_s);
        QCOMPARE((QStringList{u.zi->Text(), u.luna->Text(), u.anull->Text(), u.tipact->Text(), u.emitent->Text()}),
                 words("zz ll aaaa") << u"- Orice Tip Act -"_s << u"- Orice Emitent -"_s);
        QCOMPARE(u.List1->Count(), 45);
        QCOMPARE(listRows(*u.List1).first(), u"|Legea nr. 53/2003 - Codul muncii|lege|1|"_s);
        // The two newest news items, highest id first, with their act in sub-item 2.
        QCOMPARE(listColumn(*u.List4, 2), words("40 32"));
        QVERIFY(f.dialogs.messages.isEmpty());
        QVERIFY(f.ui().st->actions().contains(f.ui().sterge));
        // A second window, on a folder without its database: it shares nothing, opens, creates no file.
        TempProgram p;
        QFile::remove(p.dbPath());
        RecordingDialogs dialogs;
        Form1 form(p.dir(), nullptr, &dialogs);
        QCOMPARE(form.controls().List1->Count() + form.controls().List4->Count(), 0);
        QCOMPARE(form.controls().zi->count(), 31);
        QVERIFY(!QFile::exists(p.dbPath()));
    }
};

QTEST_MAIN(WindowTest)
#include "test_window.moc"
