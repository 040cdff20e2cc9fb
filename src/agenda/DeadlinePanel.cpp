#include "agenda/DeadlinePanel.h"

#include "agenda/DayViews.h"
#include "agenda/EventEditor.h"
#include "agenda/Holidays.h"
#include "shell/AppContext.h"
#include "store/SqlLiteral.h"
#include "store/modDB.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QSpinBox>

void DeadlinePanel::setUp()
{
    Controls& u = m_ctx.ui;
    for (Deadline::Unit unit :
         {Deadline::Unit::Days, Deadline::Unit::Weeks, Deadline::Unit::Months, Deadline::Unit::Years})
        u.termenunit->addItem(Deadline::unitName(unit, 2));
    for (Deadline::Rule rule : {Deadline::Rule::FreeDays, Deadline::Rule::CalendarDays})
        u.termenfel->addItem(Deadline::ruleName(rule));
    loadPresets();
}

void DeadlinePanel::loadPresets()
{
    // One term a line: "name | number | unit | rule"; '#' starts a comment.
    // The office edits this file, so a line it cannot read is simply left out.
    m_presets.clear();
    QFile file(m_ctx.programDir + QStringLiteral("/db/termene-uzuale"));
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine()).trimmed();
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            const QStringList parts = line.split(QLatin1Char('|'));
            if (parts.size() != 4)
                continue;
            Preset p;
            bool ok = false;
            p.name = parts[0].trimmed();
            p.count = parts[1].trimmed().toInt(&ok);
            if (p.name.isEmpty() || !ok || p.count < 1 || p.count > 9999 ||
                !Deadline::unitFromWord(parts[2].trimmed(), p.unit) ||
                !Deadline::ruleFromWord(parts[3].trimmed(), p.rule))
                continue;
            m_presets.push_back(p);
        }
    }
    QComboBox* box = m_ctx.ui.termenpreset;
    box->clear();
    box->addItem(QStringLiteral("- alt termen -"));
    for (const Preset& p : m_presets)
        box->addItem(p.name + QStringLiteral(" (") + Deadline::describe(p.count, p.unit, p.rule) + QLatin1Char(')'));
}

void DeadlinePanel::loadTypes()
{
    QComboBox* box = m_ctx.ui.termentip;
    box->clear();
    m_ctx.db.RunSql(QStringLiteral("Select * from tip_eveniment"), true);
    for (Recordset& rs = m_ctx.db.CurrentRs(); !rs.Eof(); rs.MoveNext())
        box->addItem(rs.Text(QStringLiteral("tipeveniment")), rs.Text(QStringLiteral("id")));
    // No type is taken for granted: the user picks one before storing.
    box->setCurrentIndex(-1);
}

void DeadlinePanel::calctermen_Click()
{
    Controls& u = m_ctx.ui;
    u.termenstart->setDisplayFormat(m_ctx.dates.format());
    u.termenstart->setDate(m_ctx.today());
    u.termencoment->clear();
    loadTypes();
    u.termen->show();
    u.termen->raise();
    recompute();
    u.termenstart->setFocus();
}

void DeadlinePanel::termeninapoi_Click()
{
    // The agenda beneath has not changed: the same three days show again.
    m_ctx.ui.termen->hide();
}

void DeadlinePanel::presetChosen(int index)
{
    if (index < 1 || index > int(m_presets.size()))
        return;
    const Preset& p = m_presets[size_t(index - 1)];
    Controls& u = m_ctx.ui;
    m_applyingPreset = true;
    u.termennr->setValue(p.count);
    u.termenunit->setCurrentIndex(int(p.unit));
    u.termenfel->setCurrentIndex(int(p.rule));
    m_applyingPreset = false;
    recompute();
}

Deadline::Result DeadlinePanel::current() const
{
    const Controls& u = m_ctx.ui;
    const auto unit = Deadline::Unit(qBound(0, u.termenunit->currentIndex(), 3));
    const auto rule = Deadline::Rule(qBound(0, u.termenfel->currentIndex(), 1));
    return Deadline::compute(u.termenstart->date(), u.termennr->value(), unit, rule, m_days);
}

QString DeadlinePanel::weekdayName(const QDate& date)
{
    static const char* const names[] = {"luni", "marti", "miercuri", "joi", "vineri", "sambata", "duminica"};
    return date.isValid() ? QString::fromLatin1(names[date.dayOfWeek() - 1]) : QString();
}

QString DeadlinePanel::resultText(const Deadline::Result& r) const
{
    QString text =
        QStringLiteral("Ultima zi: ") + m_ctx.dates.toText(r.last) + QStringLiteral(", ") + weekdayName(r.last);
    if (r.last != r.nominal)
        text += QLatin1Char('\n') + m_ctx.dates.toText(r.nominal) + QStringLiteral(" este zi nelucratoare: ") + r.why;
    return text;
}

void DeadlinePanel::recompute()
{
    if (m_applyingPreset)
        return;
    // A term changed by hand is no longer the common term the list names.
    Controls& u = m_ctx.ui;
    const int index = u.termenpreset->currentIndex();
    if (index > 0 && index <= int(m_presets.size())) {
        const Preset& p = m_presets[size_t(index - 1)];
        if (u.termennr->value() != p.count || u.termenunit->currentIndex() != int(p.unit) ||
            (p.unit == Deadline::Unit::Days && u.termenfel->currentIndex() != int(p.rule)))
            u.termenpreset->setCurrentIndex(0);
    }
    m_ctx.ui.termenrezultat->setText(resultText(current()));
}

void DeadlinePanel::termenadauga_Click()
{
    Controls& u = m_ctx.ui;
    const QString typeId = u.termentip->currentIndex() < 0 ? QString() : u.termentip->currentData().toString();
    if (typeId.isEmpty()) {
        m_ctx.message(EventEditor::noTypeChosenMessage());
        return;
    }
    const Deadline::Result r = current();
    const auto unit = Deadline::Unit(qBound(0, u.termenunit->currentIndex(), 3));
    const auto rule = Deadline::Rule(qBound(0, u.termenfel->currentIndex(), 1));
    const QString ruleText = Deadline::describe(u.termennr->value(), unit, rule) + QStringLiteral(" de la ") +
                             m_ctx.dates.toText(u.termenstart->date());
    const QString note = u.termencoment->text().trimmed();
    const QString comment = note.isEmpty() ? ruleText : note + QStringLiteral(": ") + ruleText;
    const QString day = m_ctx.dates.toText(r.last);
    // The agenda's own insert: the event is one like any other.
    m_ctx.db.RunSql(QStringLiteral("insert into agenda (data, ora, coment,tipeveniment) values ('") +
                        SqlLiteral::text(day) + QStringLiteral("', '") + QStringLiteral("24:00") +
                        QStringLiteral("', '") + SqlLiteral::text(comment) + QStringLiteral("',") +
                        SqlLiteral::id(typeId) + QLatin1Char(')'),
                    false);
    u.termen->hide();
    u.Frame2->show();
    for (int d = 1; d <= 3; ++d)
        DayViews::column(u, d).box->setText(m_ctx.dates.toText(r.last.addDays(d - 1)));
    DayViews(m_ctx).RefreshDayViews();
}
