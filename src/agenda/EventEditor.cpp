#include "agenda/EventEditor.h"

#include "agenda/DayViews.h"
#include "agenda/EventDate.h"
#include "shell/AppContext.h"
#include "shell/ListColumns.h"
#include "shell/Navigation.h"
#include "store/SqlLiteral.h"
#include "store/modDB.h"

void EventEditor::clearTypeList(AppContext& ctx)
{
    ctx.ui.tipev->Clear();
}

QString EventEditor::fillTypeList(AppContext& ctx, const QString& wantedId)
{
    ctx.db.RunSql(QStringLiteral("Select * from tip_eveniment"), true);
    Recordset& rs = ctx.db.CurrentRs();
    QString wantedName;
    while (!rs.Eof()) {
        const QString name = rs.Text(QStringLiteral("tipeveniment"));
        if (!wantedId.isEmpty() && wantedName.isNull() && rs.Text(QStringLiteral("id")) == wantedId)
            wantedName = name.isNull() ? QStringLiteral("") : name;
        ctx.ui.tipev->AddItem(name);
        rs.MoveNext();
    }
    return wantedName;
}

void EventEditor::LoadEventTypes()
{
    clearTypeList(m_ctx);
    fillTypeList(m_ctx);
}

QStringList EventEditor::typeIdsNamed(const QString& name)
{
    m_ctx.db.RunSql(QStringLiteral("Select id from tip_eveniment where tipeveniment= '") + SqlLiteral::text(name) +
                        QLatin1Char('\''),
                    true);
    QStringList ids;
    for (Recordset& rs = m_ctx.db.CurrentRs(); !rs.Eof(); rs.MoveNext())
        ids << rs.Text(QStringLiteral("id"));
    return ids;
}

void EventEditor::tipev_Click()
{
    Controls& u = m_ctx.ui;
    const QStringList ids = typeIdsNamed(u.tipev->Text());
    if (ids.isEmpty()) {
        // The list is older than the store (a type removed meanwhile): keep no
        // id that the combo does not show.
        u.idev->clear();
        m_ctx.message(unknownTypeMessage());
        return;
    }
    u.idev->setText(ids.first());
}

void EventEditor::openForDay(int day)
{
    Controls& u = m_ctx.ui;
    const DayViews::Column d = DayViews::column(u, day);
    if (!d.box)
        return;
    clearTypeList(m_ctx);
    // Always in adding mode: a "Modifica" left over from an edit would rewrite
    // that other event with this day's date.
    Navigation(m_ctx).showEventPanelForAdding();
    u.Datafr->setReadOnly(true); // a new event belongs to the day it was added under
    u.Datafr->setText(d.box->text());
    // The combo shows the type that "Adauga" will store: the one in idev.
    const QString typeName = fillTypeList(m_ctx, u.idev->text());
    if (typeName.isNull())
        u.idev->clear(); // no such type any more, or none chosen yet
    else
        u.tipev->setText(typeName);
}

void EventEditor::Label26_Click()
{
    Controls& u = m_ctx.ui;
    // The type stored is the one the combo shows; idev is kept when it is a
    // type of that name, so a pick among same-named types stands.
    const QString typeName = u.tipev->Text();
    if (typeName.trimmed().isEmpty()) {
        m_ctx.message(noTypeChosenMessage());
        return;
    }
    const QStringList ids = typeIdsNamed(typeName);
    if (ids.isEmpty()) {
        m_ctx.message(unknownTypeMessage());
        return;
    }
    if (!ids.contains(u.idev->text()))
        u.idev->setText(ids.first());

    const QString date = u.Datafr->text();
    const QString hour = u.Orra->text();
    const QString comment = u.Com->Text();
    const QString typeId = u.idev->text();
    m_ctx.db.RunSql(QStringLiteral("insert into agenda (data, ora, coment,tipeveniment) values ('") +
                        SqlLiteral::text(date) + QStringLiteral("', '") + SqlLiteral::text(hour) +
                        QStringLiteral("', '") + SqlLiteral::text(comment) + QStringLiteral("',") +
                        SqlLiteral::id(typeId) + QLatin1Char(')'),
                    false);
    u.Orra->clear();
    u.Com->clear();
    Navigation nav(m_ctx);
    nav.showAgendaPanel();
    DayViews(m_ctx).RefreshDayViews();
    nav.closeEventPanel();
}

void EventEditor::openEvent(int view)
{
    Controls& u = m_ctx.ui;
    const DayViews::Column d = DayViews::column(u, view);
    if (!d.view)
        return;
    const int row = d.view->SelectedItem();
    if (row < 0 || d.view->SubItem(row, DayColumn::Id).isEmpty())
        return;
    clearTypeList(m_ctx);
    Navigation(m_ctx).showEventPanelForEditing();
    u.idag->setText(d.view->SubItem(row, DayColumn::Id));
    u.Datafr->setText(d.box->text());
    u.Datafr->setReadOnly(false); // a postponed hearing is moved by typing its new date
    u.Orra->setText(d.view->SubItem(row, DayColumn::Hour));
    // Set while the combo is empty, so no entry is chosen and the refill
    // below leaves the event's type name in place.
    u.tipev->setText(d.view->SubItem(row, DayColumn::Type));
    u.Com->setText(d.view->SubItem(row, DayColumn::Comment));
    fillTypeList(m_ctx);
}

void EventEditor::modif_Click()
{
    Controls& u = m_ctx.ui;
    // Checked before anything changes: with no such type nothing is written,
    // the event keeps its former type and the panel stays in edit mode.
    const QString typeName = u.tipev->Text();
    const QStringList ids = typeName.trimmed().isEmpty() ? QStringList() : typeIdsNamed(typeName);
    if (ids.isEmpty()) {
        m_ctx.message(unknownTypeMessage());
        return;
    }
    const QString typeId = ids.first();
    // The date may have been typed: only a real date, stored in the days' own
    // form, so the event shows again on the day it was moved to.
    const QString date = EventDate::normalised(m_ctx.dates, u.Datafr->text());
    if (date.isNull()) {
        m_ctx.message(EventDate::badDateMessage(m_ctx.dates));
        return;
    }
    const QString statement = QStringLiteral("update agenda set data = '") + SqlLiteral::text(date) +
                              QStringLiteral("' , ora='") + SqlLiteral::text(u.Orra->text()) +
                              QStringLiteral("' , coment= '") + SqlLiteral::text(u.Com->Text()) +
                              QStringLiteral("' ,tipeveniment = ") + SqlLiteral::id(typeId) +
                              QStringLiteral(" where id = ") + SqlLiteral::id(u.idag->text());
    Navigation nav(m_ctx);
    nav.hideModifyButton();
    u.idev->setText(typeId);
    m_ctx.db.RunSql(statement, false);
    u.Orra->clear();
    u.Com->clear();
    nav.closeEventPanel();
    nav.showAgendaPanel();
    DayViews(m_ctx).RefreshDayViews();
}
