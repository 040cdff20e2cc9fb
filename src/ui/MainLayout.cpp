#include "ui/Layout.h"

#include "controls/Fonts.h"
#include "controls/Twips.h"
#include "ui/PracticeLayout.h"

#include <QAction>
#include <QMenu>

namespace Layout {
namespace {

ClickLabel* viewerButton(QWidget* form, const QString& name, const QString& caption, int l, int t, int w, int h)
{
    auto* b = new ClickLabel(name, caption, form);
    b->setGeometry(Twips::rect(l, t, w, h));
    b->setFont(uiFont(QStringLiteral("Tahoma"), 9.75, true));
    b->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    b->hide();
    return b;
}

MouseArea* menuEntry(QWidget* form, const QString& name, int index)
{
    auto* m = new MouseArea(name, form);
    m->setGeometry(Twips::rect(kMenuLefts[index], kMenuTop, kMenuSize, kMenuSize));
    m->setCursor(Qt::PointingHandCursor);
    return m;
}

} // namespace

void buildWindow(QWidget* form, Controls& ui)
{
    ui.Cautare = menuEntry(form, QStringLiteral("Cautare"), 0);
    ui.LegiCons = menuEntry(form, QStringLiteral("LegiCons"), 1);
    ui.LegiFav = menuEntry(form, QStringLiteral("LegiFav"), 2);
    ui.Agenda = menuEntry(form, QStringLiteral("Agenda"), 3);
    ui.Contracte = menuEntry(form, QStringLiteral("Contracte"), 4);
    ui.Update = menuEntry(form, QStringLiteral("Update"), 5);

    ui.Label23 = new QLabel(QStringLiteral("Tarvenor 2007"), form);
    ui.Label23->setObjectName(QStringLiteral("Label23"));
    ui.Label23->setGeometry(Twips::rect(8760, 0, 3135, 375));
    ui.Label23->setFont(uiFont(QStringLiteral("Tahoma"), 11.25, true));
    ui.Label23->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
    ui.Label23->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    ui.Image2 = new MouseArea(QStringLiteral("Image2"), form);
    ui.Image2->setGeometry(Twips::rect(1560, 0, 10335, kTitleStripHeight));
    ui.Label27 = new ClickLabel(QStringLiteral("Label27"), QStringLiteral("X"), form);
    ui.Label27->setGeometry(Twips::rect(120, 80, 135, 200));
    ui.Label27->setToolTip(QStringLiteral("Inchidere Program"));
    ui.Label29 = new ClickLabel(QStringLiteral("Label29"), QStringLiteral("_"), form);
    ui.Label29->setGeometry(Twips::rect(320, 40, 135, 195));
    ui.Label29->setToolTip(QStringLiteral("Minimizare"));
    for (ClickLabel* l : {ui.Label27, ui.Label29}) {
        l->setFont(uiFont(QStringLiteral("Verdana"), 8.25, true));
        l->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
    }

    ui.Label11 = new QLabel(form);
    ui.Label11->setObjectName(QStringLiteral("Label11"));
    ui.Label11->setGeometry(Twips::rect(960, 2160, 10695, 735));
    ui.Label11->setFont(uiFont(QStringLiteral("Tahoma"), 11.25, true));
    ui.Label11->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    ui.Label11->setWordWrap(true);
    ui.Label11->setTextFormat(Qt::PlainText); // act titles are shown as written, never as markup
    ui.Label11->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ui.Fav = viewerButton(form, QStringLiteral("Fav"), QStringLiteral("Adauga la Favorite"), 1920, 8280, 2175, 375);
    ui.Label12 = viewerButton(form, QStringLiteral("Label12"), QStringLiteral("Print"), 6720, 8280, 735, 255);
    ui.Inapoi = viewerButton(form, QStringLiteral("Inapoi"), QStringLiteral("Inapoi"), 10800, 8280, 735, 255);
    ui.inapoi2 = viewerButton(form, QStringLiteral("inapoi2"), QStringLiteral("Inapoi"), 10800, 8280, 735, 255);

    ui.textlege = new RichTextBox(QStringLiteral("textlege"), form);
    ui.textlege->setGeometry(Twips::rect(1680, 3000, 9975, 5175));
    ui.textlege->setReadOnly(true);
    ui.textlege->setFont(uiFont(QStringLiteral("Verdana"), 8.25));
    ui.textlege->hide();

    const QString lists = QStringLiteral("Verdana");
    ui.List3 = new ListView(QStringLiteral("List3"),
                            {{QStringLiteral("id"), 0},
                             {QStringLiteral("Contract Tip"), 9800},
                             {QStringLiteral("Tip Act"), 0},
                             {QStringLiteral("id_lege"), 0}},
                            form);
    ui.List3->setGeometry(Twips::rect(1560, 4680, 10095, 3015));
    ui.List2 = new ListView(QStringLiteral("List2"),
                            {{QStringLiteral("id"), 0},
                             {QStringLiteral("Titlu Lege"), 0},
                             {QStringLiteral("Tip Act"), 0},
                             {QStringLiteral("id_lege"), 0}},
                            form);
    ui.List2->setGeometry(Twips::rect(720, 8280, 255, 495));
    ui.List2->hide();
    ui.Frame1 = panel(form, QStringLiteral("Frame1"), 1560, 2400, 10095, 2175);
    buildSearchPanel(ui);
    ui.List1 = new ListView(QStringLiteral("List1"),
                            {{QStringLiteral("id"), 0},
                             {QStringLiteral("Titlu Lege"), 7800},
                             {QStringLiteral("Tip Act"), 2000},
                             {QStringLiteral("id_lege"), 0},
                             {QStringLiteral("id_fav"), 0}},
                            form);
    ui.List1->setGeometry(Twips::rect(1560, 4680, 10095, 3015));
    ui.List4 = new ListView(QStringLiteral("List4"),
                            {{QStringLiteral("id"), 0},
                             {QStringLiteral("Noutati"), 9350},
                             {QStringLiteral("Tip Act"), 0},
                             {QStringLiteral("id_lege"), 0}},
                            form);
    ui.List4->setGeometry(Twips::rect(2040, 7800, 9615, 945));
    for (ListView* l : {ui.List1, ui.List2, ui.List3, ui.List4})
        l->setFont(uiFont(lists, 8.25));

    buildAgendaPanels(form, ui);

    ui.idag = textBox(form, QStringLiteral("idag"), 0, 0, 600, 285);
    ui.idag->hide();

    ui.st = new QMenu(QStringLiteral("Sterge"), form);
    ui.st->setObjectName(QStringLiteral("st"));
    ui.sterge = ui.st->addAction(QStringLiteral("Sterge de la legi favorite"));
    ui.sterge->setObjectName(QStringLiteral("sterge"));

    applyStacking(ui);
    buildPracticePanels(form, ui); // agenda of a practice: deadlines, month calendar, export
}

void applyStacking(Controls& ui)
{
    // Bottom to top: labels and images, then the viewer, lists and panels.
    QWidget* order[] = {ui.Cautare, ui.LegiCons, ui.LegiFav,  ui.Agenda, ui.Contracte, ui.Update, ui.Label23,
                        ui.Image2,  ui.Label27,  ui.Label29,  ui.idag,   ui.Label11,   ui.Fav,    ui.Label12,
                        ui.Inapoi,  ui.inapoi2,  ui.textlege, ui.List3,  ui.List2,     ui.Frame1, ui.List1,
                        ui.List4,   ui.Frame2,   ui.Frame3,   ui.Frame4};
    for (QWidget* w : order)
        w->raise();
}

} // namespace Layout
