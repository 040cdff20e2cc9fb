#include "agenda/EventDeletion.h"

#include "agenda/DayViews.h"
#include "controls/Twips.h"
#include "shell/AppContext.h"
#include "shell/ListColumns.h"
#include "store/SqlLiteral.h"
#include "store/modDB.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>

EventDeletion::EventDeletion(AppContext& ctx) : m_ctx(ctx)
{
    for (int day = 1; day <= 3; ++day) {
        ListView* view = DayViews::column(m_ctx.ui, day).view;
        view->listModel()->setToolTipColumn(DayColumn::Comment);
        view->installEventFilter(this);
    }
}

QString EventDeletion::question(const QString& hour, const QString& type)
{
    const QString what = QString(hour.trimmed() + QLatin1Char(' ') + type.trimmed()).trimmed();
    return QStringLiteral("Stergeti evenimentul?\r") + what;
}

void EventDeletion::viewMouseUp(int day, int button, float x, float y)
{
    ListView* view = DayViews::column(m_ctx.ui, day).view;
    if (!view || button != 2)
        return;
    // Only over an event: the press has already selected the row under the pointer.
    const QPoint at(qRound(x / Twips::kPerPixel), qRound(y / Twips::kPerPixel));
    const QModelIndex index = view->indexAt(at);
    if (!index.isValid() || view->SelectedItem() != index.row())
        return;
    m_day = day;
    m_ctx.ui.evmeniu->popup(view->viewport()->mapToGlobal(at));
}

void EventDeletion::stergeev_Click()
{
    ListView* view = DayViews::column(m_ctx.ui, m_day).view;
    if (!view)
        return;
    const int row = view->SelectedItem();
    const QString id = row < 0 ? QString() : view->SubItem(row, DayColumn::Id);
    if (id.isEmpty())
        return;
    if (!m_ctx.dialogs->question(m_ctx.window,
                                 question(view->SubItem(row, DayColumn::Hour), view->SubItem(row, DayColumn::Type))))
        return;
    m_ctx.db.RunSql(QStringLiteral("delete * from agenda where id = ") + SqlLiteral::id(id), false);
    DayViews(m_ctx).RefreshDayViews();
}

bool EventDeletion::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        for (int day = 1; day <= 3; ++day) {
            if (watched != DayViews::column(m_ctx.ui, day).view)
                continue;
            m_day = day;
            // Through the action, so the key does exactly what the pop-up does.
            m_ctx.ui.stergeev->trigger();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
