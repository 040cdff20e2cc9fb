// Form1's part for the agenda of a practice: its connections and slots.
#include "agenda/AgendaPractice.h"
#include "ui/Form1.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QShortcut>
#include <QSpinBox>

void Form1::connectPractice()
{
    Controls& u = m_ui;
    m_practice = std::make_unique<AgendaPractice>(*m_ctx);
    AgendaPractice* p = m_practice.get();

    connect(u.calctermen, &ClickLabel::Click, this, &Form1::calctermen_Click);
    connect(u.termenadauga, &ClickLabel::Click, this, &Form1::termenadauga_Click);
    connect(u.termeninapoi, &ClickLabel::Click, this, &Form1::termeninapoi_Click);
    connect(u.vezicalendar, &ClickLabel::Click, this, &Form1::vezicalendar_Click);
    connect(u.calendarinapoi, &ClickLabel::Click, this, &Form1::calendarinapoi_Click);
    connect(u.exportics, &ClickLabel::Click, this, &Form1::exportics_Click);

    const auto recompute = [p] { p->deadlines().recompute(); };
    connect(u.termenstart, &QDateEdit::dateChanged, this, recompute);
    connect(u.termennr, &QSpinBox::valueChanged, this, recompute);
    connect(u.termenunit, &QComboBox::currentIndexChanged, this, recompute);
    connect(u.termenfel, &QComboBox::currentIndexChanged, this, recompute);
    connect(u.termenpreset, &QComboBox::activated, this, [p](int index) { p->deadlines().presetChosen(index); });

    connect(u.calendar, &QCalendarWidget::currentPageChanged, this,
            [this, p](int year, int month) { guarded([&] { p->month().pageChanged(year, month); }); });
    connect(u.calendar, &QCalendarWidget::clicked, this,
            [this, p](QDate day) { guarded([&] { p->month().dayChosen(day); }); });
    connect(u.calendar, &QCalendarWidget::activated, this,
            [this, p](QDate day) { guarded([&] { p->month().dayChosen(day); }); });

    // Any main-menu entry leaves the agenda's own panels behind.
    for (MouseArea* entry : {u.Cautare, u.LegiCons, u.LegiFav, u.Agenda, u.Contracte})
        connect(entry, &MouseArea::Click, this, [p] { p->hidePanels(); });

    // Ctrl+T counts a term while the three days are what the user sees.
    auto* term = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_T), this);
    term->setObjectName(QStringLiteral("calctermenTasta"));
    connect(term, &QShortcut::activated, this, [this] {
        const Controls& c = m_ui;
        if (!c.Frame2->isHidden() && c.Frame3->isHidden() && c.Frame4->isHidden() && c.termen->isHidden() &&
            c.calendarluna->isHidden())
            calctermen_Click();
    });

    guarded([p] { p->start(); });
}

void Form1::calctermen_Click()
{
    guarded([this] { m_practice->deadlines().calctermen_Click(); });
}
void Form1::termenadauga_Click()
{
    guarded([this] { m_practice->deadlines().termenadauga_Click(); });
}
void Form1::termeninapoi_Click()
{
    guarded([this] { m_practice->deadlines().termeninapoi_Click(); });
}
void Form1::vezicalendar_Click()
{
    guarded([this] { m_practice->month().vezicalendar_Click(); });
}
void Form1::calendarinapoi_Click()
{
    guarded([this] { m_practice->month().calendarinapoi_Click(); });
}
void Form1::exportics_Click()
{
    guarded([this] { m_practice->calendarFile().exportics_Click(); });
}
void Form1::ExportAgenda(const QString& path)
{
    guarded([this, &path] { m_practice->calendarFile().ExportAgenda(path); });
}
