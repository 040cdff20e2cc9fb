#include "ui/Layout.h"

#include "catalogue/SearchChoices.h"
#include "controls/Fonts.h"
#include "controls/Twips.h"

#include <QFontMetricsF>

namespace Layout {

void fitCaption(QLabel* label, int margin)
{
    // Tahoma is a narrow face; its stand-in is narrowed and, where a caption
    // would still be cut off at its fixed width, set a little smaller.
    QFont f = label->font();
    if (f.family().compare(QLatin1String("Tahoma"), Qt::CaseInsensitive) == 0)
        return;
    f.setStretch(QFont::SemiCondensed);
    const qreal room = label->width() - margin;
    while (f.pointSizeF() > 7.0 && QFontMetricsF(f).horizontalAdvance(label->text()) > room)
        f.setPointSizeF(f.pointSizeF() - 0.25);
    label->setFont(f);
}

QLabel* fieldLabel(QWidget* parent, const QString& name, const QString& caption, int l, int t, int w, int h, bool bold)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(Twips::rect(l, t, w, h));
    label->setFont(uiFont(QStringLiteral("Tahoma"), 11.25, bold));
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    fitCaption(label);
    return label;
}

ClickLabel* panelButton(QWidget* parent, const QString& name, const QString& caption, int l, int t, int w, int h)
{
    auto* b = new ClickLabel(name, caption, parent);
    b->setGeometry(Twips::rect(l, t, w, h));
    b->setFont(uiFont(QStringLiteral("Tahoma"), 9.75, true));
    b->setAlignment(Qt::AlignCenter);
    b->setStyleSheet(
        QStringLiteral("color: #1b2733; background: white; border: 1px solid #0b5f86; border-radius: 3px;"));
    return b;
}

QLineEdit* textBox(QWidget* parent, const QString& name, int l, int t, int w, int h)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setGeometry(Twips::rect(l, t, w, h));
    e->setFont(uiFont(QStringLiteral("Verdana"), 8.25));
    return e;
}

QFrame* panel(QWidget* parent, const QString& name, int l, int t, int w, int h)
{
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setGeometry(Twips::rect(l, t, w, h));
    f->setAutoFillBackground(true);
    QPalette pal = f->palette();
    pal.setColor(QPalette::Window, kPanelBlue);
    f->setPalette(pal);
    f->setFrameShape(QFrame::NoFrame);
    return f;
}

void buildSearchPanel(Controls& ui)
{
    QFrame* f = ui.Frame1;
    ui.Label2 = fieldLabel(f, QStringLiteral("Label2"), QStringLiteral("Cautare:"), 120, 200, 975, 255, true);
    ui.Label4 = fieldLabel(f, QStringLiteral("Label4"), QStringLiteral("Tip Act:"), 240, 600, 855, 255);
    ui.tipact = new ComboBox(QStringLiteral("tipact"), false, f);
    ui.tipact->setGeometry(Twips::rect(1320, 600, 3615, 315));
    ui.Label5 = fieldLabel(f, QStringLiteral("Label5"), QStringLiteral("Nr. Act:"), 5160, 600, 855, 255);
    ui.nract = textBox(f, QStringLiteral("nract"), 6000, 600, 975, 285);
    ui.Label6 = fieldLabel(f, QStringLiteral("Label6"), QStringLiteral("Data:"), 7200, 600, 615, 255);
    ui.zi = new ComboBox(QStringLiteral("zi"), true, f);
    ui.zi->setGeometry(Twips::rect(7800, 600, 615, 315));
    ui.luna = new ComboBox(QStringLiteral("luna"), true, f);
    ui.luna->setGeometry(Twips::rect(8520, 600, 615, 315));
    ui.anull = new ComboBox(QStringLiteral("anull"), true, f);
    ui.anull->setGeometry(Twips::rect(9240, 600, 735, 315));
    ui.data = textBox(f, QStringLiteral("data"), 10080, 240, 1455, 285);
    ui.data->hide();

    ui.Label8 = fieldLabel(f, QStringLiteral("Label8"), QStringLiteral("Monitorul Oficial:"), 240, 1080, 1695, 255);
    ui.Label9 = fieldLabel(f, QStringLiteral("Label9"), QStringLiteral("Nr.:"), 1920, 1080, 495, 255);
    ui.nr = textBox(f, QStringLiteral("nr"), 2400, 1080, 855, 285);
    ui.Label10 = fieldLabel(f, QStringLiteral("Label10"), QStringLiteral("Anul:"), 3360, 1080, 615, 255);
    ui.an = textBox(f, QStringLiteral("an"), 3960, 1080, 975, 285);
    ui.an->setMaxLength(4);
    ui.Label7 = fieldLabel(f, QStringLiteral("Label7"), QStringLiteral("Emitent:"), 5160, 1080, 855, 255);
    ui.emitent = new ComboBox(QStringLiteral("emitent"), false, f);
    ui.emitent->setGeometry(Twips::rect(6120, 1080, 3855, 315));

    ui.Label3 = fieldLabel(f, QStringLiteral("Label3"), QStringLiteral("Cuvant Cheie:"), 240, 1560, 1455, 255);
    ui.cuvcheie = textBox(f, QStringLiteral("cuvcheie"), 1800, 1560, 8175, 285);
    ui.Label1 = panelButton(f, QStringLiteral("Label1"), QStringLiteral("CAUTA!"), 9120, 1880, 855, 255);
    ui.Label1->setFont(uiFont(QStringLiteral("Tahoma"), 11.25, true));
    fitCaption(ui.Label1, 6);

    for (ComboBox* c : {ui.tipact, ui.zi, ui.luna, ui.anull, ui.emitent})
        c->setFont(uiFont(QStringLiteral("Verdana"), 8.25));
    // The date boxes are narrow: a slim drop button leaves room for "aaaa".
    for (ComboBox* c : {ui.zi, ui.luna, ui.anull})
        c->setStyleSheet(
            QStringLiteral("QComboBox { padding: 0px 0px 0px 2px; } QComboBox::drop-down { width: 12px; }"));

    for (const char* t : SearchChoices::kActTypes)
        ui.tipact->AddItem(QString::fromUtf8(t));
    for (const char* e : SearchChoices::kIssuers)
        ui.emitent->AddItem(QString::fromUtf8(e));
    for (int m = 1; m <= 12; ++m)
        ui.luna->AddItem(QStringLiteral("%1").arg(m, 2, 10, QLatin1Char('0')));
    for (int y = 2000; y <= 2010; ++y)
        ui.anull->AddItem(QString::number(y));
    ui.zi->setText(QStringLiteral("zz"));
    ui.luna->setText(QStringLiteral("ll"));
    ui.anull->setText(QStringLiteral("aaaa"));
}

void buildAgendaPanels(QWidget* form, Controls& ui)
{
    // Agenda panel: three equal day columns between the arrows.
    QFrame* f2 = ui.Frame2 = panel(form, QStringLiteral("Frame2"), 1560, 2400, 10095, 5295);
    ui.Label14 = fieldLabel(f2, QStringLiteral("Label14"), QStringLiteral("Agenda:"), 120, 80, 1500, 300, true);
    ui.Label15 = panelButton(f2, QStringLiteral("Label15"), QStringLiteral("<"), 60, 480, 210, 285);
    ui.Label16 = panelButton(f2, QStringLiteral("Label16"), QStringLiteral(">"), 9825, 480, 210, 285);
    const std::vector<ColumnSpec> dayColumns = {{QString(), 0},
                                                {QStringLiteral("Ora"), 1000},
                                                {QStringLiteral("Tip Eveniment"), 3000},
                                                {QStringLiteral("coment"), 0},
                                                {QStringLiteral("id"), 0}};
    QLineEdit** boxes[] = {&ui.Text1, &ui.Text2, &ui.Text3};
    ListView** views[] = {&ui.View1, &ui.View2, &ui.View3};
    ClickLabel** adds[] = {&ui.Label17, &ui.Label18, &ui.Label19};
    for (int d = 0; d < 3; ++d) {
        const int left = 330 + d * (3135 + 30);
        QLineEdit* box = textBox(f2, QStringLiteral("Text%1").arg(d + 1), left, 480, 3135, 285);
        box->setReadOnly(true);
        box->setAlignment(Qt::AlignCenter);
        *boxes[d] = box;
        auto* view = new ListView(QStringLiteral("View%1").arg(d + 1), dayColumns, f2);
        view->setGeometry(Twips::rect(left, 840, 3135, 3855));
        view->setFont(uiFont(QStringLiteral("Verdana"), 8.25));
        view->setToolTip(QStringLiteral("Dublu click pentru detalii"));
        *views[d] = view;
        *adds[d] =
            panelButton(f2, QStringLiteral("Label%1").arg(17 + d), QStringLiteral("Adauga"), left, 4800, 3135, 300);
    }

    // Event panel: add or edit one event.
    QFrame* f3 = ui.Frame3 = panel(form, QStringLiteral("Frame3"), 1560, 2400, 10095, 5295);
    ui.Label20 =
        fieldLabel(f3, QStringLiteral("Label20"), QStringLiteral("Adaugare In Agenda:"), 120, 120, 4000, 300, true);
    ui.Label21 = fieldLabel(f3, QStringLiteral("Label21"), QStringLiteral("Data:"), 480, 660, 1800, 285);
    ui.Datafr = textBox(f3, QStringLiteral("Datafr"), 2400, 660, 2000, 285);
    ui.Datafr->setReadOnly(true);
    ui.Label22 = fieldLabel(f3, QStringLiteral("Label22"), QStringLiteral("Ora:"), 480, 1080, 1800, 285);
    ui.Orra = textBox(f3, QStringLiteral("Orra"), 2400, 1080, 1000, 285);
    ui.Orra->setMaxLength(5);
    ui.Label24 = fieldLabel(f3, QStringLiteral("Label24"), QStringLiteral("Tip Eveniment:"), 480, 1500, 1800, 285);
    ui.tipev = new ComboBox(QStringLiteral("tipev"), true, f3);
    ui.tipev->setGeometry(Twips::rect(2400, 1500, 4200, 315));
    ui.tipev->setFont(uiFont(QStringLiteral("Verdana"), 8.25));
    ui.deftip = panelButton(f3, QStringLiteral("deftip"), QStringLiteral("Definire Tipuri"), 6780, 1500, 1800, 315);
    ui.Label25 = fieldLabel(f3, QStringLiteral("Label25"), QStringLiteral("Comentariu:"), 480, 1920, 1800, 285);
    ui.Com = new RichTextBox(QStringLiteral("Com"), f3);
    ui.Com->setGeometry(Twips::rect(2400, 1920, 7200, 2400));
    ui.Com->setFont(uiFont(QStringLiteral("Verdana"), 8.25));
    ui.Label13 = panelButton(f3, QStringLiteral("Label13"), QStringLiteral("Inapoi"), 6960, 4620, 1200, 315);
    ui.Label26 = panelButton(f3, QStringLiteral("Label26"), QStringLiteral("Adauga"), 8400, 4620, 1200, 315);
    ui.modif = panelButton(f3, QStringLiteral("modif"), QStringLiteral("Modifica"), 8400, 4620, 1200, 315);
    ui.modif->hide();
    ui.idev = textBox(f3, QStringLiteral("idev"), 0, 0, 600, 285);
    ui.idev->hide();

    // Event-type panel, 120 twips lower so the event panel's top edge shows.
    QFrame* f4 = ui.Frame4 = panel(form, QStringLiteral("Frame4"), 1560, 2520, 10095, 5295);
    // A light edge tells it apart from the event panel, of the same blue.
    f4->setFrameStyle(QFrame::Box | QFrame::Plain);
    QPalette edge = f4->palette();
    edge.setColor(QPalette::WindowText, QColor(150, 222, 250));
    f4->setPalette(edge);
    ui.Label30 =
        fieldLabel(f4, QStringLiteral("Label30"), QStringLiteral("Definire Tip Eveniment:"), 120, 120, 4000, 300, true);
    ui.Label31 = fieldLabel(f4, QStringLiteral("Label31"), QStringLiteral("Eveniment:"), 480, 780, 1800, 285);
    ui.tippev = textBox(f4, QStringLiteral("tippev"), 2400, 780, 5000, 285);
    ui.Label34 = panelButton(f4, QStringLiteral("Label34"), QStringLiteral("Inapoi"), 6960, 4500, 1200, 315);
    ui.Label28 = panelButton(f4, QStringLiteral("Label28"), QStringLiteral("Adauga"), 8400, 4500, 1200, 315);

    for (QFrame* f : {f2, f3, f4})
        f->hide();
}

} // namespace Layout
