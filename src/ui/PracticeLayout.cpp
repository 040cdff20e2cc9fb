#include "ui/PracticeLayout.h"

#include "controls/Fonts.h"
#include "controls/Twips.h"
#include "ui/Layout.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QSpinBox>

namespace Layout {
namespace {

template <typename W>
W* field(QWidget* parent, const QString& name, int l, int t, int w, int h)
{
    auto* f = new W(parent);
    f->setObjectName(name);
    f->setGeometry(Twips::rect(l, t, w, h));
    f->setFont(uiFont(QStringLiteral("Verdana"), 8.25));
    return f;
}

void buildDeadlinePanel(QWidget* form, Controls& ui)
{
    QFrame* f = ui.termen = panel(form, QStringLiteral("termen"), 1560, 2400, 10095, 5295);
    fieldLabel(f, QStringLiteral("termentitlu"), QStringLiteral("Calcul termen:"), 120, 120, 4000, 300, true);
    const int left = 2700, labelLeft = 480, labelWidth = 2100;
    fieldLabel(f, QStringLiteral("termenpresetet"), QStringLiteral("Termen uzual:"), labelLeft, 600, labelWidth, 285);
    ui.termenpreset = field<QComboBox>(f, QStringLiteral("termenpreset"), left, 600, 4800, 315);
    fieldLabel(f, QStringLiteral("termenstartet"), QStringLiteral("Comunicat la:"), labelLeft, 1020, labelWidth, 285);
    ui.termenstart = field<QDateEdit>(f, QStringLiteral("termenstart"), left, 1020, 1800, 315);
    ui.termenstart->setCalendarPopup(true);
    ui.termenstart->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    fieldLabel(f, QStringLiteral("termennret"), QStringLiteral("Durata:"), labelLeft, 1440, labelWidth, 285);
    ui.termennr = field<QSpinBox>(f, QStringLiteral("termennr"), left, 1440, 1000, 315);
    ui.termennr->setRange(1, 9999);
    ui.termennr->setValue(30);
    ui.termenunit = field<QComboBox>(f, QStringLiteral("termenunit"), left + 1080, 1440, 1700, 315);
    fieldLabel(f, QStringLiteral("termenfelet"), QStringLiteral("Mod de calcul:"), labelLeft, 1860, labelWidth, 285);
    ui.termenfel = field<QComboBox>(f, QStringLiteral("termenfel"), left, 1860, 4800, 315);
    ui.termenrezultat = new QLabel(f);
    ui.termenrezultat->setObjectName(QStringLiteral("termenrezultat"));
    ui.termenrezultat->setGeometry(Twips::rect(labelLeft, 2340, 9000, 660));
    ui.termenrezultat->setFont(uiFont(QStringLiteral("Tahoma"), 11.25, true));
    ui.termenrezultat->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    ui.termenrezultat->setTextFormat(Qt::PlainText);
    fieldLabel(f, QStringLiteral("termentipet"), QStringLiteral("Tip Eveniment:"), labelLeft, 3180, labelWidth, 285);
    ui.termentip = field<QComboBox>(f, QStringLiteral("termentip"), left, 3180, 4200, 315);
    fieldLabel(f, QStringLiteral("termencomentet"), QStringLiteral("Comentariu:"), labelLeft, 3600, labelWidth, 285);
    ui.termencoment = textBox(f, QStringLiteral("termencoment"), left, 3600, 6900, 285);
    ui.termeninapoi = panelButton(f, QStringLiteral("termeninapoi"), QStringLiteral("Inapoi"), 6360, 4620, 1200, 315);
    ui.termenadauga =
        panelButton(f, QStringLiteral("termenadauga"), QStringLiteral("Adauga in agenda"), 7680, 4620, 1920, 315);
    fitCaption(ui.termenadauga, 6);
    f->hide();
}

void buildCalendarPanel(QWidget* form, Controls& ui)
{
    QFrame* f = ui.calendarluna = panel(form, QStringLiteral("calendarluna"), 1560, 2400, 10095, 5295);
    fieldLabel(f, QStringLiteral("calendartitlu"), QStringLiteral("Calendar:"), 120, 120, 4000, 300, true);
    ui.calendar = field<QCalendarWidget>(f, QStringLiteral("calendar"), 2100, 480, 5895, 3960);
    ui.calendarinapoi =
        panelButton(f, QStringLiteral("calendarinapoi"), QStringLiteral("Inapoi"), 8400, 4620, 1200, 315);
    f->hide();
}

} // namespace

void buildPracticePanels(QWidget* form, Controls& ui)
{
    QFrame* agenda = ui.Frame2;
    ui.calctermen =
        panelButton(agenda, QStringLiteral("calctermen"), QStringLiteral("Calcul termen"), 3000, 90, 1800, 285);
    ui.calctermen->setToolTip(QStringLiteral("Ultima zi a unui termen procedural (Ctrl+T)"));
    ui.vezicalendar =
        panelButton(agenda, QStringLiteral("vezicalendar"), QStringLiteral("Calendar"), 4920, 90, 1500, 285);
    ui.exportics =
        panelButton(agenda, QStringLiteral("exportics"), QStringLiteral("Exporta agenda"), 6540, 90, 2000, 285);
    for (ClickLabel* b : {ui.calctermen, ui.vezicalendar, ui.exportics})
        fitCaption(b, 6);

    ui.evazi = new QLabel(form);
    ui.evazi->setObjectName(QStringLiteral("evazi"));
    // Under the entry's drawn caption, above the panels.
    ui.evazi->setGeometry(Twips::rect(kMenuLefts[3] - 240, 1995, kMenuSize + 480, 240));
    ui.evazi->setFont(uiFont(QStringLiteral("Tahoma"), 8.25, true));
    ui.evazi->setAlignment(Qt::AlignCenter);
    ui.evazi->setStyleSheet(QStringLiteral("color: white; background: #c0392b; border-radius: 3px;"));
    ui.evazi->hide();

    buildDeadlinePanel(form, ui);
    buildCalendarPanel(form, ui);
}

} // namespace Layout
